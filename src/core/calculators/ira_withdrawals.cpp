#include "calculators/ira_withdrawals.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "calculators/reference_tables.h"
#include "common/entry_text.h"
#include "common/format.h"

namespace tovaris::calculators {
namespace {

constexpr int kYoungest = 18;
constexpr int kOldest = 59;
constexpr int kShortestSeries = 5;
// The projection stays inside the life table.
constexpr int kLastEndAge = 110;

std::optional<double> Number(const std::string& text) {
    return ToNumber(RemoveCurrencyChars(text));
}

bool IsWhole(const std::optional<double>& value, double low, double high) {
    return value && *value == std::floor(*value) && *value >= low && *value <= high;
}

bool IsPercent(const std::optional<double>& value) {
    return value && *value >= 0 && *value <= 100;
}

struct ValidEntries {
    int age;
    int endAge;
    double balance;
    double gain;  // yearly, decimal
    double rate;  // yearly, decimal
};

Outcome<ValidEntries> Check(const Ira72tEntries& e) {
    std::optional<double> age = Number(e.CurrentAgeYrs);
    if (!IsWhole(age, kYoungest, kOldest)) {
        return EntryError{"CurrentAgeYrs",
                          "Please ReEnter The Number Of Years In Holder's Current Age (Min Is 18, "
                          "Max Is 59)"};
    }
    std::optional<double> endAge = Number(e.AgeEndYrs);
    if (!IsWhole(endAge, *age + kShortestSeries, kLastEndAge)) {
        return EntryError{"AgeEndYrs",
                          "Please ReEnter The Holder's Age When the 72(t) Withdrawals End (Must "
                          "Be At Least 5 Years From Current Age)"};
    }
    std::optional<double> balance = Number(e.IRAAmount);
    if (!balance || *balance <= 0) {
        return EntryError{"IRAAmount", "Please ReEnter The Current IRA Amount"};
    }
    std::optional<double> gain = Number(e.IraInterestRate);
    if (!IsPercent(gain)) {
        return EntryError{"IraInterestRate",
                          "Please ReEnter Annual Gain of the IRA (As A Percentage)"};
    }
    std::optional<double> rate = Number(e.InterestRate);
    if (!IsPercent(rate)) {
        return EntryError{"InterestRate", "Please ReEnter The Interest Rate(As A Percentage)"};
    }
    return ValidEntries{static_cast<int>(*age), static_cast<int>(*endAge), *balance, *gain / 100,
                        *rate / 100};
}

// B i / (1 - (1 + i)^-LE); at a rate of 0 its limit B / LE.
double Amortized(double balance, double rate, double lifeExpectancy) {
    if (rate == 0) {
        return balance / lifeExpectancy;
    }
    return balance * rate / (1 - std::pow(1 + rate, -lifeExpectancy));
}

// Each month the withdrawal leaves the account first, then what remains earns a month's gain.
// An account that runs dry pays out what it holds.
std::vector<ProjectedBalance> Project(const ValidEntries& v, double yearly) {
    std::vector<ProjectedBalance> years;
    double balance = v.balance;
    for (int age = v.age; age <= v.endAge; ++age) {
        for (int month = 0; month < 12; ++month) {
            balance = std::max(0.0, balance - yearly / 12);
            balance *= 1 + v.gain / 12;
        }
        years.push_back({age, balance});
    }
    return years;
}

}  // namespace

double AnnuityFactor(int age, double rate) {
    const auto& q = MortalityRates();
    double survival = 1;
    double discount = 1;
    double factor = 1;
    for (std::size_t x = static_cast<std::size_t>(age) + 1; x < q.size(); ++x) {
        survival *= 1 - q[x - 1];
        discount /= 1 + rate;
        factor += survival * discount;
    }
    return factor;
}

Outcome<Ira72tWithdrawals> CalculateIra72t(const Ira72tEntries& entries) {
    Outcome<ValidEntries> checked = Check(entries);
    if (const auto* error = std::get_if<EntryError>(&checked)) {
        return *error;
    }
    const ValidEntries& v = std::get<ValidEntries>(checked);
    Ira72tWithdrawals w;
    w.lifeExpectancy = SingleLifeExpectancy().at(static_cast<std::size_t>(v.age));
    w.annuityFactor = AnnuityFactor(v.age, v.rate);
    w.LEYearly = v.balance / w.lifeExpectancy;
    w.LEMonthly = v.balance / (12 * w.lifeExpectancy);
    w.AmortYearly = Amortized(v.balance, v.rate, w.lifeExpectancy);
    w.AmortMonthly = w.AmortYearly / 12;
    w.AnnuityYearly = v.balance / w.annuityFactor;
    w.AnnuityMonthly = w.AnnuityYearly / 12;
    const double chosen = entries.method == Ira72tMethod::LE             ? w.LEYearly
                          : entries.method == Ira72tMethod::Amortization ? w.AmortYearly
                                                                         : w.AnnuityYearly;
    w.projection = Project(v, chosen);
    return w;
}

std::string WithdrawalText(double amount) {
    return Format(amount, "$###,###,###");
}

std::string ProjectionLine(const ProjectedBalance& year) {
    return "Age " + std::to_string(year.age) + ":   " + WithdrawalText(year.balance);
}

}  // namespace tovaris::calculators
