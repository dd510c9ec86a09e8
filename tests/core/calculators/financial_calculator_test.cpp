#include <gtest/gtest.h>

#include <cmath>

#include "calculators/financial_calculator.h"
#include "calculators/financial_functions.h"

namespace tovaris::calculators {
namespace {

// Textbook annuity and mortgage figures.
TEST(FinancialFunctions, AgreeWithKnownValues) {
    struct Case {
        const char* what;
        double got;
        double expected;
    } const cases[] = {
        {"100,000 mortgage at 6 % over 30 years", Payment(0.005, 360, 100000), -599.5505},
        {"annuity-due payment for 1,000 at 5 % over 10 years", Payment(0.05, 10, 1000, 0, true),
         -123.3376},
        {"zero rate payment", Payment(0, 360, 120000), -333.3333},
        {"100 a year, due, 10 years at 5 %", FutureValue(0.05, 10, -100, 0, true), 1320.6787},
        {"100 a year, zero rate", FutureValue(0, 10, -100, 0, true), 1000},
        {"1,000 a year for 10 years at 5 %", PresentValue(0.05, 10, -1000), 7721.7349},
        {"1,000 in 10 years at 5 %", PresentValue(0.05, 10, 0, -1000), 613.9133},
        {"1,000 a year, zero rate", PresentValue(0, 10, -1000), 10000},
        {"first month's interest of the mortgage", InterestPayment(0.005, 1, 360, 100000), -500},
        {"a payment due at once carries no interest",
         InterestPayment(0.005, 1, 360, 100000, 0, true), 0},
        {"zero rate carries no interest", InterestPayment(0, 5, 360, 100000), 0},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(c.got, c.expected, 1e-4) << c.what;
    }
}

TEST(FinancialFunctions, InterestOfALaterPaymentIsOnTheBalanceBeforeIt) {
    const double r = 0.005, n = 360, amount = 100000;
    const double payment = Payment(r, n, amount);
    const double balanceAfterTwelve =
        amount * std::pow(1 + r, 12) + payment * (std::pow(1 + r, 12) - 1) / r;
    EXPECT_NEAR(InterestPayment(r, 13, n, amount), -balanceAfterTwelve * r, 1e-8);
    // Paid at the beginning, payment 13 pays the interest of period 12, due a period earlier.
    const double duePayment = Payment(r, n, amount, 0, true);
    const double dueBalance = -FutureValue(r, 12, duePayment, amount, true);
    EXPECT_NEAR(InterestPayment(r, 13, n, amount, 0, true), -dueBalance * r / (1 + r), 1e-8);
}

TEST(FinancialFunctions, RateFindsTheRateOrReportsFailure) {
    EXPECT_NEAR(*Rate(360, -599.5505, 100000), 0.005, 1e-8);
    EXPECT_NEAR(*Rate(10, -123.3376, 1000, 0, true), 0.05, 1e-6);
    EXPECT_NEAR(*Rate(360, -100, 36000), 0, 1e-9);
    EXPECT_FALSE(Rate(360, 0, 100000).has_value());  // nothing is paid back
}

struct OptionCase {
    int option;
    std::array<std::string, 4> entries;
    const char* answerText;
};

TEST(FinancialCalculator, AnswersEachOption) {
    const OptionCase cases[] = {
        {1, {"6", "100000", "360", ""}, "599.55"},
        {1, {"0", "120000", "360", ""}, "333.33"},
        {2, {"100000", "360", "599.55", ""}, "6.000"},
        {2, {"36000", "360", "100", ""}, ".000"},  // the pattern has no leading 0
        {3, {"100000", "360", "599.55", "360"}, "0.00"},
        {4, {"1000", "10", "1", "5"}, "613.91"},
        {4, {"1000", "10", "4", "0"}, "1,000.00"},
        {5, {"100", "10", "1", "5"}, "1,320.68"},
        {5, {"100", "10", "12", "0"}, "12,000.00"},
        {6, {"1000", "10", "1", "5"}, "7,721.73"},
        {7, {"1000", "10", "12", "6"}, "1,819.40"},
    };
    for (const OptionCase& c : cases) {
        Outcome<FinancialAnswer> outcome = CalculateFinancial(c.option, c.entries);
        ASSERT_TRUE(std::holds_alternative<FinancialAnswer>(outcome)) << "option " << c.option;
        EXPECT_EQ(std::get<FinancialAnswer>(outcome).answerText, c.answerText)
            << "option " << c.option << " " << c.entries[0];
    }
}

TEST(FinancialCalculator, MortgageBalanceSplitsWhatWasPaid) {
    auto answer =
        std::get<FinancialAnswer>(CalculateFinancial(3, {"100000", "360", "599.55", "12"}));
    // After a year: 98,771.99 still owed (98,771.93 at exactly 6 %; the rate is the one the
    // rounded payment implies, 5.99998 %), the rest of the 7,194.60 paid was interest.
    EXPECT_EQ(answer.answerText, "98,771.99");
    EXPECT_EQ(answer.answerNote,
              "Of a total of $7,194.60 paid so far: $5,966.59 is interest portion,  $1,228.01 is "
              "principal portion.");
}

TEST(FinancialCalculator, RefusesWhatItCannotCalculate) {
    const std::string kCannot = "Cannot calculate a valid answer. Try changing your entries.";
    struct Case {
        int option;
        std::array<std::string, 4> entries;
        const char* field;
        std::string message;
    } const cases[] = {
        {1, {"6", "", "360", ""}, "Text2", kCannot},
        {4, {"1000", "10", "1", "x"}, "Text4", kCannot},
        {1, {"6", "100000", "0", ""}, "Text1", kCannot},  // no payments
        {4, {"1000", "10", "0", "5"}, "Text1", kCannot},  // no compounding
        {2, {"100000", "360", "0", ""}, "Text1", kCannot},
        {3,
         {"100000", "360", "599.55", "361"},
         "Text4",
         "Your option period exceeds the number of periods of the mortgage. Try changing your "
         "entries."},
    };
    for (const Case& c : cases) {
        Outcome<FinancialAnswer> outcome = CalculateFinancial(c.option, c.entries);
        ASSERT_TRUE(std::holds_alternative<EntryError>(outcome)) << "option " << c.option;
        EXPECT_EQ(std::get<EntryError>(outcome).field, c.field);
        EXPECT_EQ(std::get<EntryError>(outcome).message, c.message);
    }
}

TEST(FinancialCalculator, OptionsLabelTheirEntries) {
    EXPECT_EQ(EntryCount(FinancialOptionOf(1)), 3);
    EXPECT_EQ(EntryCount(FinancialOptionOf(3)), 4);
    EXPECT_STREQ(FinancialOptionOf(2).answerLabel, "Implied Yearly Interest Rate Is (As %):");
    EXPECT_STREQ(FinancialOptionOf(6).labels[2], "No. Of Withdrawals Per Year:");
}

}  // namespace
}  // namespace tovaris::calculators
