#include <gtest/gtest.h>

#include "tax/combine_credits.h"
#include "tax/party_credits.h"

namespace tovaris::tax {
namespace {

// Nonrefundable credits are limited to the tax; the unused child tax credit is refunded up to
// 15 % of earned income above 2500 (with three or more children, up to payroll tax less half
// SE tax and the earned income credit when larger), at most 1600 a child.
TEST(CombineCredits, LimitsAndAdditionalChildTaxCredit) {
    struct Row {
        float wages, selfEmployment, halfSelfEmployment;
        int16_t children;
        float tax, payroll, other;
        float childCare, childTax, earned;  // credits going in
        float childCareOut, additional, total;
    };
    const Row rows[] = {
        // Unused 3500; base 15 % x 17500 = 2625; total 500 + 2625.
        {20000, 0, 0, 2, 500, 0, 0, 0, 4000, 0, 0, 2625, 3125},
        // Unused 4000, base 5625: 2000 a child is over 1600, so 3200.
        {40000, 0, 0, 2, 0, 0, 0, 0, 4000, 0, 0, 3200, 3200},
        // The child care credit is cut back to the tax.
        {30000, 0, 0, 0, 300, 0, 0, 600, 0, 0, 300, 0, 300},
        // Child care and other credits capped at 1000; unused child tax 2000; base 1125.
        {10000, 0, 0, 1, 1000, 0, 800, 400, 2000, 0, 400, 1125, 2125},
        // Credits below the tax, or exactly equal to it: nothing unused.
        {100000, 0, 0, 2, 10000, 0, 0, 500, 4000, 0, 500, 0, 4500},
        {50000, 0, 0, 2, 4000, 0, 0, 0, 4000, 0, 0, 0, 4000},
        // Three children: payroll tax 229.50 beats 15 % x 500 = 75.
        {3000, 0, 0, 3, 0, 229.5f, 0, 0, 6000, 0, 0, 229.5f, 229.5f},
        // The earned income credit lowers the payroll base below 75; 75 + 1000.
        {3000, 0, 0, 3, 0, 229.5f, 0, 0, 6000, 1000, 0, 75, 1075},
        // Earned income under 2500: nothing refunded.
        {2000, 0, 0, 1, 0, 0, 0, 0, 2000, 0, 0, 0, 0},
        // Half SE tax comes off: 15 % x (12500 - 1000 - 2500) = 1350.
        {0, 12500, 1000, 1, 0, 0, 0, 0, 2000, 0, 0, 1350, 1350},
    };
    for (const Row& row : rows) {
        const CombineCreditsInputs in{row.wages,   row.selfEmployment,     row.children, row.tax,
                                      row.payroll, row.halfSelfEmployment, row.other};
        const FederalCredits out = CombineCredits(
            in, {.childCare = row.childCare, .childTax = row.childTax, .earnedIncome = row.earned});
        const std::string inputs = "wages " + std::to_string(row.wages) + " tax " +
                                   std::to_string(row.tax) + " child tax " +
                                   std::to_string(row.childTax);
        EXPECT_FLOAT_EQ(out.childCare, row.childCareOut) << inputs;
        EXPECT_FLOAT_EQ(out.additionalChildTax, row.additional) << inputs;
        EXPECT_FLOAT_EQ(out.total, row.total) << inputs;
    }
}

TEST(ChildCareCreditAllowed, NotForSeparateFilersOrWhenChildrenLiveElsewhere) {
    EXPECT_FALSE(ChildCareCreditAllowed(Party::Claimant, "Single", "NonCust"));
    EXPECT_FALSE(ChildCareCreditAllowed(Party::OtherParty, "Single", "Cust"));
    EXPECT_FALSE(ChildCareCreditAllowed(Party::Claimant, "MarriedSep", "Cust"));
    EXPECT_TRUE(ChildCareCreditAllowed(Party::Claimant, "Head", "Cust"));
    EXPECT_TRUE(ChildCareCreditAllowed(Party::OtherParty, "MFJ", "Shared"));
}

// AGI 16000, one day care child with 4000 of expense (1020), one child for the child tax credit
// (2000), 16000 of wages with the earned income credit on the plateau (3995), tax 2000:
// unused child tax credit 1020, refundable base 2025.
TEST(PartyCredits, RunsTheCreditsInOrder) {
    PartyCreditInputs in{.agi = 16000,
                         .filingStatus = "Head",
                         .yearlyDayCare = 4000,
                         .dayCareChildren = 1,
                         .calculateEarnedCredit = true,
                         .earnedCreditChildren = 1,
                         .limits = {.wages = 16000, .taxCreditChildren = 1, .federalTax = 2000}};
    FederalCredits credits = PartyCredits(in);
    EXPECT_EQ(credits.childCare, 1020);
    EXPECT_EQ(credits.childTax, 2000);
    EXPECT_EQ(credits.earnedIncome, 3995);
    EXPECT_EQ(credits.additionalChildTax, 1020);
    EXPECT_EQ(credits.total, 2000 + 1020 + 3995);

    in.childCareAllowed = false;  // the child tax credit alone uses the whole tax
    EXPECT_EQ(PartyCredits(in).total, 2000 + 3995);

    in.calculateEarnedCredit = false;
    EXPECT_EQ(PartyCredits(in).total, 2000);
}

}  // namespace
}  // namespace tovaris::tax
