#include "calculators/financial_calculator.h"

#include <cmath>
#include <optional>

#include "calculators/financial_functions.h"
#include "common/entry_text.h"
#include "common/format.h"

namespace tovaris::calculators {
namespace {

constexpr const char* kCannotCalculate =
    "Cannot calculate a valid answer. Try changing your entries.";
constexpr const char* kOptionTooLong =
    "Your option period exceeds the number of periods of the mortgage. Try changing your entries.";

constexpr const char* kYears = "No. Of Years:";
constexpr const char* kYearlyRate = "Yearly Interest Rate (As %):";
constexpr const char* kCompounding = "No. Of Compounding Periods Per Yr:";

const std::array<FinancialOption, kFinancialOptionCount> kOptions = {{
    {"MORTGAGE PAYMENT: Calculates a monthly mortgage payment based upon the total mortgage "
     "amount, a fixed interest rate, and a defined number of equal monthly payments.",
     {kYearlyRate, "Mortgage Amount ($):", "Total No. Of Payments:", nullptr},
     "Monthly Payment ($):"},
    {"MORTGAGE INTEREST: Calculates a mortgage interest rate based upon the total mortgage amount "
     "and a defined number of equal monthly payments.",
     {"Mortgage Amount ($):", "Total No. Of Payments:", "Each Payment Is ($):", nullptr},
     "Implied Yearly Interest Rate Is (As %):"},
    {"MORTGAGE BALANCE, PRINCIPAL, AND INTEREST PAID: Calculates the remaining mortgage balance, "
     "and the total amount of interest and principal paid after a defined number of equal monthly "
     "payments.",
     {"Mortgage Amount ($):", "Total No. Of Pmts",
      "Amount Each Pmt ($):", "Option After No. Of Pmts:"},
     "The Balance To Be Paid Is ($): "},
    {"PRESENT VALUE OF A SINGLE FUTURE PAYMENT: Calculates the current investment necessary to "
     "create a single, lump sum payment at a future date, given a certain fixed interest rate and "
     "compounding frequency.",
     {"Future Withdrawal Amount:", "Due No. Of Years From Now:", kCompounding, kYearlyRate},
     "Present Value Is ($):"},
    {"FUTURE VALUE OF A SERIES OF EQUAL PAYMENTS: Calculates the future value of a series of "
     "regular deposits made over a defined number of years. Calculation assumes deposits are made "
     "at the beginning of each period and interest is compounded per payment period.",
     {"Deposit Per Period ($):", kYears, "No. Of Deposits Per Year:", kYearlyRate},
     "Future Value Is ($):"},
    {"PRESENT VALUE OF A SERIES OF EQUAL FUTURE PAYMENTS: Calculates the current investment "
     "necessary to fund a defined number of equal withdrawals over a future number of years. "
     "Interest is compounded per withdrawal period, and withdrawals are made at the end of each "
     "period.",
     {"Withdrawal Per Period ($):", kYears, "No. Of Withdrawals Per Year:", kYearlyRate},
     "Present Value Is ($):"},
    {"FUTURE VALUE OF A SINGLE PAYMENT: Calculates the future value in a defined number of years "
     "of a single current investment, given a certain nominal yearly interest rate and "
     "compounding frequency.",
     {"Deposit Amount ($):", kYears, kCompounding, kYearlyRate},
     "Future Value Is ($):"},
}};

// The money answers and the note share one pattern; the rate has its own.
constexpr const char* kMoneyFormat = "##,##0.#0";
constexpr const char* kPaymentFormat = "##,###.#0";
constexpr const char* kRateFormat = "##,###.##0";
constexpr const char* kNoteFormat = "###,###,##0.#0";

using Entries = std::array<double, 4>;

// A value option: amount, years, periods per year m, yearly rate in percent.
struct PeriodicTerms {
    double ratePerPeriod;
    double periods;
};
PeriodicTerms TermsOf(const Entries& e) {
    return {e[3] / 100 / e[2], e[1] * e[2]};
}

FinancialAnswer Answer(double value, const char* format) {
    return {value, Format(value, format), ""};
}

Outcome<FinancialAnswer> MortgageBalance(const Entries& e) {
    const double amount = e[0], payments = e[1], payment = e[2], paidSoFar = e[3];
    if (paidSoFar > payments) {
        return EntryError{"Text4", kOptionTooLong};
    }
    std::optional<double> rate = Rate(payments, -payment, amount);
    if (!rate) {
        return EntryError{"Text1", kCannotCalculate};
    }
    double interest = 0;
    for (int period = 1; period <= paidSoFar; ++period) {
        interest -= InterestPayment(*rate, period, payments, amount);
    }
    const double paid = paidSoFar * payment;
    const double principal = paid - interest;
    FinancialAnswer answer = Answer(amount - principal, kMoneyFormat);
    answer.answerNote = "Of a total of $" + Format(paid, kMoneyFormat) + " paid so far: $" +
                        Format(interest, kNoteFormat) + " is interest portion," + "  $" +
                        Format(principal, kNoteFormat) + " is principal portion.";
    return answer;
}

Outcome<FinancialAnswer> Calculate(int option, const Entries& e) {
    switch (option) {
        case 1:
            return Answer(Payment(e[0] / 1200, e[2], -e[1]), kPaymentFormat);
        case 2: {
            std::optional<double> rate = Rate(e[1], -e[2], e[0]);
            if (!rate) {
                return EntryError{"Text1", kCannotCalculate};
            }
            return Answer(*rate * 12 * 100, kRateFormat);
        }
        case 3:
            return MortgageBalance(e);
        case 4: {
            auto [rate, periods] = TermsOf(e);
            return Answer(PresentValue(rate, periods, 0, -e[0]), kMoneyFormat);
        }
        case 5: {
            auto [rate, periods] = TermsOf(e);
            return Answer(FutureValue(rate, periods, -e[0], 0, true), kMoneyFormat);
        }
        case 6: {
            auto [rate, periods] = TermsOf(e);
            return Answer(PresentValue(rate, periods, -e[0], 0, false), kMoneyFormat);
        }
        default: {
            auto [rate, periods] = TermsOf(e);
            return Answer(FutureValue(rate, periods, 0, -e[0]), kMoneyFormat);
        }
    }
}

}  // namespace

const FinancialOption& FinancialOptionOf(int option) {
    return kOptions.at(static_cast<std::size_t>(option - 1));
}

int EntryCount(const FinancialOption& option) {
    int count = 0;
    while (count < 4 && option.labels[static_cast<std::size_t>(count)] != nullptr) {
        ++count;
    }
    return count;
}

Outcome<FinancialAnswer> CalculateFinancial(int option, const std::array<std::string, 4>& entries) {
    const int count = EntryCount(FinancialOptionOf(option));
    Entries values{};
    for (int i = 0; i < count; ++i) {
        std::optional<double> value = ToNumber(entries[static_cast<std::size_t>(i)]);
        if (!value) {
            return EntryError{"Text" + std::to_string(i + 1), kCannotCalculate};
        }
        values[static_cast<std::size_t>(i)] = *value;
    }
    Outcome<FinancialAnswer> outcome = Calculate(option, values);
    if (auto* answer = std::get_if<FinancialAnswer>(&outcome);
        answer != nullptr && !std::isfinite(answer->answer)) {
        return EntryError{"Text1", kCannotCalculate};
    }
    return outcome;
}

}  // namespace tovaris::calculators
