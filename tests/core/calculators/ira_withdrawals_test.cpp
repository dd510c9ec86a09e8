#include <gtest/gtest.h>

#include <cmath>

#include "calculators/ira_withdrawals.h"
#include "calculators/reference_tables.h"

namespace tovaris::calculators {
namespace {

Ira72tEntries Holder() {
    Ira72tEntries e;
    e.CurrentAgeYrs = "50";
    e.AgeEndYrs = "60";
    e.IRAAmount = "$400,000";
    e.IraInterestRate = "6";
    e.InterestRate = "4";
    return e;
}

TEST(Ira72t, TablesInForceFor2023) {
    EXPECT_DOUBLE_EQ(SingleLifeExpectancy()[50], 36.2);  // the IRS's worked example
    EXPECT_DOUBLE_EQ(SingleLifeExpectancy()[0], 84.6);
    EXPECT_EQ(MortalityRates().size(), 115u);
}

// The IRS's fixed annuitization example (age 50, 4 %) has 18.1568 for payments at the end of
// each year; the annuity-due factor counts age 50 itself and is exactly one more.
TEST(Ira72t, AnnuityFactorOfTheIrsExample) {
    EXPECT_NEAR(AnnuityFactor(50, 0.04), 19.1568, 5e-5);
    // At 59 the factor runs over ages 59 to 114: without interest it is 1 plus the expected
    // number of further birthdays up to 114.
    EXPECT_NEAR(AnnuityFactor(59, 0), 28.52275, 5e-5);
}

TEST(Ira72t, WithdrawalsByEachMethod) {
    auto w = std::get<Ira72tWithdrawals>(CalculateIra72t(Holder()));
    EXPECT_NEAR(w.LEYearly, 11049.72376, 1e-4);  // 400,000 / 36.2
    EXPECT_NEAR(w.LEMonthly, 920.81031, 1e-4);
    EXPECT_NEAR(w.AmortYearly, 21101.63253, 1e-4);  // 400,000 x .04 / (1 - 1.04^-36.2)
    EXPECT_NEAR(w.AmortMonthly, w.AmortYearly / 12, 1e-9);
    EXPECT_NEAR(w.AnnuityYearly, 20880.34291, 1e-3);
    EXPECT_NEAR(w.AnnuityMonthly, w.AnnuityYearly / 12, 1e-9);
    EXPECT_EQ(WithdrawalText(w.AmortYearly), "$21,102");
}

TEST(Ira72t, AmortizationAtNoInterestSpreadsTheBalanceOverTheLifeExpectancy) {
    Ira72tEntries e = Holder();
    e.InterestRate = "0";
    auto w = std::get<Ira72tWithdrawals>(CalculateIra72t(e));
    EXPECT_DOUBLE_EQ(w.AmortYearly, w.LEYearly);
}

// Each month the withdrawal goes first and the rest earns a twelfth of the yearly gain.
TEST(Ira72t, ProjectionWithdrawsThenEarnsEachMonth) {
    Ira72tEntries e = Holder();
    e.method = Ira72tMethod::Amortization;
    auto w = std::get<Ira72tWithdrawals>(CalculateIra72t(e));
    ASSERT_EQ(w.projection.size(), 11u);  // ages 50 to 60
    EXPECT_EQ(w.projection.front().age, 50);
    EXPECT_EQ(w.projection.back().age, 60);
    const double g = 1.005;  // 6 % / 12
    const double m = w.AmortYearly / 12;
    const double firstYear = 400000 * std::pow(g, 12) - m * g * (std::pow(g, 12) - 1) / (g - 1);
    EXPECT_NEAR(w.projection.front().balance, firstYear, 1e-6);
    EXPECT_EQ(ProjectionLine({50, 1234.4}), "Age 50:   $1,234");
}

TEST(Ira72t, AnAccountThatRunsDryStaysAtZero) {
    Ira72tEntries e = Holder();
    e.method = Ira72tMethod::Amortization;
    e.InterestRate = "100";  // withdrawals far above what the account earns
    e.IraInterestRate = "0";
    e.AgeEndYrs = "59";
    auto w = std::get<Ira72tWithdrawals>(CalculateIra72t(e));
    EXPECT_DOUBLE_EQ(w.projection.back().balance, 0);
}

TEST(Ira72t, ChecksTheEntriesInOrder) {
    const char* kAge =
        "Please ReEnter The Number Of Years In Holder's Current Age (Min Is 18, Max Is 59)";
    const char* kEnd =
        "Please ReEnter The Holder's Age When the 72(t) Withdrawals End (Must Be At Least 5 Years "
        "From Current Age)";
    struct Case {
        const char* what;
        std::string Ira72tEntries::*entry;
        const char* text;
        const char* field;
        const char* message;
    } const cases[] = {
        {"17 is too young", &Ira72tEntries::CurrentAgeYrs, "17", "CurrentAgeYrs", kAge},
        {"60 is too old", &Ira72tEntries::CurrentAgeYrs, "60", "CurrentAgeYrs", kAge},
        {"four years", &Ira72tEntries::AgeEndYrs, "54", "AgeEndYrs", kEnd},
        {"no balance", &Ira72tEntries::IRAAmount, "", "IRAAmount",
         "Please ReEnter The Current IRA Amount"},
        {"gain", &Ira72tEntries::IraInterestRate, "x", "IraInterestRate",
         "Please ReEnter Annual Gain of the IRA (As A Percentage)"},
        {"rate", &Ira72tEntries::InterestRate, "-1", "InterestRate",
         "Please ReEnter The Interest Rate(As A Percentage)"},
    };
    for (std::size_t n = 0; n < std::size(cases); ++n) {
        Ira72tEntries e = Holder();
        e.*cases[n].entry = cases[n].text;
        for (std::size_t later = n + 1; later < std::size(cases); ++later) {
            if (cases[later].entry != cases[n].entry) {
                e.*cases[later].entry = cases[later].text;
            }
        }
        Outcome<Ira72tWithdrawals> outcome = CalculateIra72t(e);
        ASSERT_TRUE(std::holds_alternative<EntryError>(outcome)) << cases[n].what;
        EXPECT_EQ(std::get<EntryError>(outcome).field, cases[n].field) << cases[n].what;
        EXPECT_EQ(std::get<EntryError>(outcome).message, cases[n].message) << cases[n].what;
    }
    Ira72tEntries fiveYears = Holder();
    fiveYears.AgeEndYrs = "55";
    EXPECT_TRUE(std::holds_alternative<Ira72tWithdrawals>(CalculateIra72t(fiveYears)));
}

}  // namespace
}  // namespace tovaris::calculators
