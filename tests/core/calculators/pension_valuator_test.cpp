#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "calculators/pension_valuator.h"
#include "calculators/reference_tables.h"

namespace tovaris::calculators {
namespace {

TEST(LifeTables, MaleWhiteOtherTellingRows) {
    const LifeTable& table = LifeTableFor("m_white");
    EXPECT_DOUBLE_EQ(table.survivors[0], 100);
    EXPECT_DOUBLE_EQ(table.expectancy[0], 76.4);
    EXPECT_DOUBLE_EQ(table.survivors[1], 99.473);
    EXPECT_DOUBLE_EQ(table.expectancy[1], 75.8);
    EXPECT_DOUBLE_EQ(table.survivors[2], 99.434);
    EXPECT_DOUBLE_EQ(table.expectancy[2], 74.8);
    for (const char* key :
         {"m", "f", "f_white", "m_black", "f_black", "m_hispanic", "f_hispanic"}) {
        EXPECT_DOUBLE_EQ(LifeTableFor(key).survivors[0], 100) << key;
        EXPECT_GT(LifeTableFor(key).expectancy[100], 0) << key;
    }
}

PensionEntries Holder() {
    PensionEntries e;
    e.sex = "f";
    e.race = "w";
    e.model = PensionModel::ByGenderAndRace;
    e.CurrentAgeYrs = "60";
    e.CurrentAgeMos = "6";
    e.AgePayableYrs = "65";
    e.AgePayableMos = "0";
    e.atDeath = false;
    e.AgeTerminateYrs = "85";
    e.AgeTerminateMos = "0";
    e.PensionAmount = "$2,000";
    e.DiscountRate = ".05";
    e.TaxRate = ".25";
    return e;
}

// Figures worked month by month from the 2017 tables, apart from this program.
TEST(PensionValuator, ValuesAPensionEndingAtAnAge) {
    auto value = std::get<PensionValue>(ValuePension(Holder()));
    EXPECT_NEAR(value.DeathPossibility, 0.034685189, 1e-9);
    EXPECT_DOUBLE_EQ(value.ExpectedYears, 20);
    EXPECT_DOUBLE_EQ(value.PaymentMonths, 240);
    EXPECT_DOUBLE_EQ(value.PresentValue, 234054);
    EXPECT_DOUBLE_EQ(*value.PostTaxPresentValue, 175540);
    EXPECT_EQ(DeathPossibilityText(value.DeathPossibility), " 3.47%");
    EXPECT_EQ(ExpectedYearsText(value.ExpectedYears), " 20.00 Years");
    EXPECT_EQ(PensionAmountText(value.PresentValue), " $234,054");
}

TEST(PensionValuator, ValuesAPensionPaidUntilDeathByGenderOnly) {
    PensionEntries e = Holder();
    e.model = PensionModel::ByGender;
    e.sex = "m";
    e.race = "arace";
    e.CurrentAgeYrs = "50";
    e.CurrentAgeMos = "3";
    e.AgePayableYrs = "65";
    e.AgePayableMos = "6";
    e.atDeath = true;
    e.PensionAmount = "1500";
    e.DiscountRate = ".06";
    e.TaxRate = "";  // empty reads as 0: no post-tax value
    auto value = std::get<PensionValue>(ValuePension(e));
    EXPECT_NEAR(value.DeathPossibility, 0.139022886, 1e-9);
    EXPECT_NEAR(value.ExpectedYears, 17.65, 1e-12);  // E(65) and E(66) interpolated at 6 months
    EXPECT_DOUBLE_EQ(value.PresentValue, 69575);
    EXPECT_FALSE(value.PostTaxPresentValue.has_value());
}

TEST(PensionValuator, EdgeCases) {
    PensionEntries past = Holder();
    past.CurrentAgeYrs = "67";  // already past the payable age
    auto pastValue = std::get<PensionValue>(ValuePension(past));
    EXPECT_EQ(DeathPossibilityText(pastValue.DeathPossibility), " 0.00%");
    EXPECT_DOUBLE_EQ(pastValue.PaymentMonths, (85 - 67) * 12);

    PensionEntries undiscounted = Holder();
    undiscounted.DiscountRate = "0";
    auto plain = std::get<PensionValue>(ValuePension(undiscounted));
    EXPECT_DOUBLE_EQ(plain.PresentValue,
                     std::trunc((1 - plain.DeathPossibility) * 2000 * plain.PaymentMonths));
}

// Each check in turn: every entry from it on unusable, every earlier one usable.
TEST(PensionValuator, ChecksTheEntriesInOrder) {
    struct Check {
        std::function<void(PensionEntries&)> spoil;
        const char* field;
        const char* message;
    };
    const Check checks[] = {
        {[](PensionEntries& e) { e.CurrentAgeYrs = "100"; }, "CurrentAgeYrs",
         "Please ReEnter The Number Of Years In Holder's Current Age (Max Age is 99)"},
        {[](PensionEntries& e) { e.CurrentAgeMos = "12"; }, "CurrentAgeMos",
         "Please ReEnter The Number Of Months In Holder's Current Age"},
        {[](PensionEntries& e) { e.AgePayableYrs = "x"; }, "AgePayableYrs",
         "Please ReEnter The Number Of Years In Holder's Age When Pension Is Payable"},
        {[](PensionEntries& e) { e.AgePayableMos = "1.5"; }, "AgePayableMos",
         "Please ReEnter The Number Of Months In Holder's Age When Pension Is Payable"},
        {[](PensionEntries& e) { e.AgeTerminateYrs = "64"; }, "AgeTerminateYrs",
         "Please ReEnter The Number Of Years In Holder's Age When Pension Terminates"},
        {[](PensionEntries& e) { e.AgeTerminateMos = "-1"; }, "AgeTerminateMos",
         "Please ReEnter The Number Of Months In Holder's Age When Pension Terminates"},
        {[](PensionEntries& e) { e.sex = ""; }, "SexMale", "Please Enter The Pension Holder's Sex"},
        {[](PensionEntries& e) { e.race = "arace"; }, "RaceWhite",
         "Please Enter The Pension Holder's Race"},
        {[](PensionEntries& e) { e.PensionAmount = "abc"; }, "PensionAmount",
         "Please ReEnter The Gross Pension Amount Per Month"},
        {[](PensionEntries& e) { e.DiscountRate = "6"; }, "DiscountRate",
         "Please ReEnter The Discount Rate(As A Decimal)"},
        {[](PensionEntries& e) { e.TaxRate = "1"; }, "TaxRate",
         "Please ReEnter The Tax Rate(As A Decimal)"},
    };
    for (std::size_t n = 0; n < std::size(checks); ++n) {
        PensionEntries entries = Holder();
        for (std::size_t later = n; later < std::size(checks); ++later) {
            checks[later].spoil(entries);
        }
        Outcome<PensionValue> outcome = ValuePension(entries);
        ASSERT_TRUE(std::holds_alternative<EntryError>(outcome)) << checks[n].field;
        EXPECT_EQ(std::get<EntryError>(outcome).field, checks[n].field);
        EXPECT_EQ(std::get<EntryError>(outcome).message, checks[n].message);
    }
}

TEST(PensionValuator, APensionAlreadyPayableCannotHaveEnded) {
    PensionEntries e = Holder();
    e.CurrentAgeYrs = "70";
    e.AgeTerminateYrs = "68";
    EXPECT_EQ(std::get<EntryError>(ValuePension(e)).field, "AgeTerminateYrs");
    e.AgeTerminateYrs = "70";
    e.AgeTerminateMos = "0";
    EXPECT_DOUBLE_EQ(std::get<PensionValue>(ValuePension(e)).PaymentMonths, 0);
}

TEST(PensionValuator, TerminatingAgeAndRaceAreCheckedOnlyWhereTheyApply) {
    PensionEntries e = Holder();
    e.atDeath = true;
    e.AgeTerminateYrs = "x";
    e.AgeTerminateMos = "x";
    e.model = PensionModel::ByGender;
    e.race = "arace";
    EXPECT_TRUE(std::holds_alternative<PensionValue>(ValuePension(e)));
}

}  // namespace
}  // namespace tovaris::calculators
