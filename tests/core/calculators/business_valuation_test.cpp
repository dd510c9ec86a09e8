#include <gtest/gtest.h>

#include "calculators/business_valuation.h"

namespace tovaris::calculators {
namespace {

BusinessEntries Practice() {
    BusinessEntries e;
    e.HardAssets = "$100,000";
    e.Liabilities = "20000";
    e.Receivables = "50000";
    e.Likelihood = ".8";
    e.Income = "300000";
    e.Expenses = "100000";
    e.TaxRate = ".3";
    e.FairSalary = "120000";
    e.Multiplier = "3";
    return e;
}

TEST(BusinessValuation, ValuesGoodwillOnEarningsAboveAFairSalary) {
    auto value = std::get<BusinessValue>(ValueBusiness(Practice()));
    EXPECT_DOUBLE_EQ(value.NetAssets, 120000);  // 100,000 + 50,000 x .8 - 20,000
    EXPECT_DOUBLE_EQ(value.NetEarnings, 200000);
    EXPECT_DOUBLE_EQ(value.Goodwill, 240000);  // (200,000 - 120,000) x 3
    EXPECT_DOUBLE_EQ(value.Value, 360000);
    EXPECT_DOUBLE_EQ(value.ValuePostTax, 288000);  // .7 x 240,000 + 120,000
    EXPECT_EQ(BusinessAmountText(value.Value), "$360000");
}

TEST(BusinessValuation, EarningsBelowTheSalaryLeaveTheNetTangibleAssets) {
    BusinessEntries e = Practice();
    e.Income = "200000";  // net earnings 100,000 < 120,000
    auto value = std::get<BusinessValue>(ValueBusiness(e));
    EXPECT_DOUBLE_EQ(value.Goodwill, 0);
    EXPECT_DOUBLE_EQ(value.Value, value.NetAssets);
    EXPECT_DOUBLE_EQ(value.ValuePostTax, value.NetAssets);
}

// Each check in turn: with every entry from it on unusable and every earlier one usable, the
// window names exactly that entry.
TEST(BusinessValuation, ChecksTheEntriesInOrder) {
    struct Check {
        std::string BusinessEntries::*entry;
        const char* bad;
        const char* field;
        const char* message;
    } const checks[] = {
        {&BusinessEntries::Multiplier, "6", "Multiplier",
         "Please ReEnter The Excess Earnings Multiplier With A Value Between 1 and 5"},
        {&BusinessEntries::FairSalary, "-1", "FairSalary",
         "Please ReEnter The Owner's Fair Market Salary."},
        {&BusinessEntries::HardAssets, "x", "HardAssets",
         "Please ReEnter The Value Of The Hard Assets."},
        {&BusinessEntries::Receivables, "-5", "Receivables",
         "Please ReEnter The Business's Total Receivables."},
        {&BusinessEntries::Likelihood, "1.01", "Likelihood",
         "Please ReEnter The Likelihood (as a decimal between .00 and 1.00) Of Collecting The "
         "Receivables."},
        {&BusinessEntries::Liabilities, "1..2", "Liabilities",
         "Please ReEnter The Business's Total Liabilities."},
        {&BusinessEntries::Income, "abc", "Income",
         "Please ReEnter The Business's Income Before Taxes and Expenses."},
        {&BusinessEntries::Expenses, "-1", "Expenses",
         "Please ReEnter The Business's Total Expenses."},
        {&BusinessEntries::TaxRate, "1", "TaxRate",
         "Please ReEnter The Owner's Marginal Tax Rate (as a decimal between .00 and .99)."},
    };
    BusinessEntries entries = Practice();
    for (const Check& check : checks) {
        entries.*check.entry = check.bad;
    }
    const BusinessEntries good = Practice();
    for (const Check& check : checks) {
        Outcome<BusinessValue> outcome = ValueBusiness(entries);
        ASSERT_TRUE(std::holds_alternative<EntryError>(outcome)) << check.field;
        EXPECT_EQ(std::get<EntryError>(outcome).field, check.field);
        EXPECT_EQ(std::get<EntryError>(outcome).message, check.message);
        entries.*check.entry = good.*check.entry;
    }
    EXPECT_TRUE(std::holds_alternative<BusinessValue>(ValueBusiness(entries)));
}

TEST(BusinessValuation, MultiplierLimitsAndEmptyEntries) {
    BusinessEntries e = Practice();
    e.Multiplier = "0";
    EXPECT_EQ(std::get<EntryError>(ValueBusiness(e)).field, "Multiplier");
    e.Multiplier = "";
    EXPECT_EQ(std::get<EntryError>(ValueBusiness(e)).field, "Multiplier");
    e.Multiplier = "5";
    e.Receivables = "";  // an empty box is 0
    EXPECT_DOUBLE_EQ(std::get<BusinessValue>(ValueBusiness(e)).NetAssets, 80000);
}

TEST(BusinessValuation, EachSliderStepMovesTheMultiplierByAQuarter) {
    EXPECT_DOUBLE_EQ(MoveMultiplier(3, kSliderMiddle, kSliderMiddle + 2), 3.5);
    EXPECT_DOUBLE_EQ(MoveMultiplier(3.5, 6, 5), 3.25);
    EXPECT_EQ(MultiplierText(3), "3");
    EXPECT_EQ(MultiplierText(3.25), "3.25");
    EXPECT_EQ(MultiplierText(2.5), "2.5");
}

}  // namespace
}  // namespace tovaris::calculators
