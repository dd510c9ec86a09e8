#include <gtest/gtest.h>

#include "support/split_schedule.h"

namespace tovaris::support {
namespace {

// (claim count / k) x Op - (payer count / k) x Oc
TEST(ArveyTransfer, EachParentOwesForTheChildrenWithTheOther) {
    // 2/3 x 900 - 1/3 x 600
    EXPECT_FLOAT_EQ(ArveyTransfer(600, 900, 2, 1, 3), 400);
    // 1/2 x 500 - 1/2 x 300
    EXPECT_FLOAT_EQ(ArveyTransfer(300, 500, 1, 1, 2), 100);
    // 1/3 x 300 - 2/3 x 900: the Claimant pays
    EXPECT_FLOAT_EQ(ArveyTransfer(900, 300, 1, 2, 3), -500);
}

// Combined $5,000 with the Claimant earning 2,000 and the Other Party 3,000.
constexpr float kCombined = 5000;
constexpr float kClaimShare = 2000.0f / 5000.0f;
constexpr float kPayerShare = 3000.0f / 5000.0f;

TEST(DualWorksheetBasicShares, PricesEachHouseholdAtTheFullCombinedIncome) {
    // Two children with the Claimant, one with the Other Party. $5,000 row: two children
    // 723 each (1446), one child 951.
    const DualWorksheetShares s = DualWorksheetBasicShares(
        2, 1, kCombined, kClaimShare, kPayerShare, 0, ExtrapolationMethod::Dont);
    EXPECT_EQ(s.household1.total, 1446);
    EXPECT_EQ(s.household1.perChild[1], 723);
    EXPECT_EQ(s.household2.total, 951);
    EXPECT_EQ(s.claimBasicShare, 578);   // 1446 x 0.4 = 578.4
    EXPECT_EQ(s.payerBasicShare, 868);   // 1446 x 0.6 = 867.6
    EXPECT_EQ(s.claimBasicShare2, 380);  // 951 x 0.4 = 380.4
    EXPECT_EQ(s.payerBasicShare2, 571);  // 951 x 0.6 = 570.6
}

TEST(DualWorksheetBasicShares, AnEmptyHouseholdCostsNothing) {
    // All three children with the Claimant: 3 x 580 = 1740 in household 1.
    const DualWorksheetShares s = DualWorksheetBasicShares(
        3, 0, kCombined, kClaimShare, kPayerShare, 0, ExtrapolationMethod::Dont);
    EXPECT_EQ(s.household1.total, 1740);
    EXPECT_EQ(s.claimBasicShare, 696);
    EXPECT_EQ(s.payerBasicShare, 1044);
    EXPECT_EQ(s.household2.total, 0);
    EXPECT_EQ(s.claimBasicShare2, 0);
    EXPECT_EQ(s.payerBasicShare2, 0);
}

// Expenses of 300 a month, 200 paid by the Claimant and 100 by the Other Party: expense shares
// 120 and 180, and half of each parent's net expense share (-40 and +40) on each worksheet.
TEST(DualWorksheets, EachWorksheetCarriesHalfTheExpenses) {
    struct Case {
        float claimBasicShare2;
        float payerBasicShare;
        float claimObligation;
        float payerObligation;
        float splitNet;
    };
    const Case cases[] = {
        // The shares above: -40 + 380 and 40 + 868.
        {380, 868, 340, 908, 568},
        // All children with the Claimant: the Other Party's basic share plus half the expense
        // difference, 1044 + 80.
        {0, 1044, -40, 1084, 1124},
    };
    for (const Case& c : cases) {
        const DualWorksheetResult r = DualWorksheets({.claimShare = kClaimShare,
                                                      .payerShare = kPayerShare,
                                                      .claimBasicShare2 = c.claimBasicShare2,
                                                      .payerBasicShare = c.payerBasicShare,
                                                      .totalExpenses = 300,
                                                      .careHealthPaidClaim = 200,
                                                      .careHealthPaidPayer = 100});
        SCOPED_TRACE(testing::Message()
                     << "basic shares " << c.claimBasicShare2 << " and " << c.payerBasicShare);
        EXPECT_FLOAT_EQ(r.claimExpenseShare, 120);
        EXPECT_FLOAT_EQ(r.payerExpenseShare, 180);
        EXPECT_FLOAT_EQ(r.claimStandardObligation, c.claimObligation);
        EXPECT_FLOAT_EQ(r.payerStandardObligation, c.payerObligation);
        EXPECT_FLOAT_EQ(r.splitNet, c.splitNet);
    }
}

TEST(DualWorksheets, ExpenseSharesAreNotRounded) {
    // 0.4 x 333 = 133.2; (133.2 - 0) / 2 = 66.6
    const DualWorksheetResult r = DualWorksheets(
        {.claimShare = kClaimShare, .payerShare = kPayerShare, .totalExpenses = 333});
    EXPECT_FLOAT_EQ(r.claimExpenseShare, 133.2f);
    EXPECT_FLOAT_EQ(r.claimStandardObligation, 66.6f);
}

}  // namespace
}  // namespace tovaris::support
