#include <gtest/gtest.h>

#include "case/case_record.h"
#include "support/child_support_calculation.h"
#include "support_case.h"

namespace tovaris {
namespace {

using testing::SupportCase;

// Two children at $6,000 combined, 795 each (1590); the Other Party earns 60 %: basic shares
// 636 and 954, expenses of 400 shared as 160 and 240.
TEST(SupportPhase, CustodialCaseTransfersTheOtherPartysStandardObligation) {
    SupportCase c("Cust", 2, 2400, 3600);
    c.globals().DayCareClaim = 300;
    c.globals().PayerHealthCareMo = 100;
    const SupportResults& r = c.Run();
    EXPECT_EQ(r.CombinedNet, 6000);
    EXPECT_FLOAT_EQ(r.ClaimShare, 0.4f);
    EXPECT_FLOAT_EQ(r.PayerShare, 0.6f);
    EXPECT_EQ(r.BasicObligation, 1590);
    EXPECT_EQ(r.PerChildSupport[0], 795);
    EXPECT_EQ(r.PerChildSupport[1], 795);
    EXPECT_EQ(r.PerChildSupport[2], 0);
    EXPECT_EQ(r.ClaimBasicShare, 636);
    EXPECT_EQ(r.PayerBasicShare, 954);
    EXPECT_EQ(r.ClaimExpenseShare, 160);
    EXPECT_EQ(r.PayerExpenseShare, 240);
    EXPECT_EQ(r.CareHealthPaidClaim, 300);
    EXPECT_EQ(r.CareHealthPaidPayer, 100);
    EXPECT_EQ(r.ClaimStandardObligation, 636 + 160 - 300);
    EXPECT_EQ(r.PayerStandardObligation, 954 + 240 - 100);
    EXPECT_EQ(r.ChildSupportTransfer, 1094);
    EXPECT_EQ(r.LimitsButton, "No Limitations");
    EXPECT_FALSE(r.LimitsButtonEnabled);
    EXPECT_EQ(r.DeviationButton, "No 2nd Families");
    EXPECT_EQ(c.record.fields.Text("ChildSupport"), "$1,094");
    EXPECT_EQ(c.globals().ChildSupportMonthly, 1094);
}

// The same family living with the Other Party: the Claimant owes his 954; maintenance sees the
// amount as a positive payment.
TEST(SupportPhase, NonCustodialClaimantPays) {
    SupportCase c("NonCust", 2, 3600, 2400);
    const SupportResults& r = c.Run();
    EXPECT_EQ(r.ChildSupportTransfer, -954);
    EXPECT_EQ(c.record.fields.Text("ChildSupport"), "-$954");
    EXPECT_EQ(c.globals().ChildSupportMonthly, 954);
}

// One child at $6,000 (1048), shares 524 each; the Other Party pays all of 1,500 of health care
// against his share of 750, so his obligation falls by the excess: 524 + 750 - 1500 = -226, and
// the Claimant owes the difference.
TEST(SupportPhase, ExpensesPaidAboveTheShareCanTurnTheTransfer) {
    SupportCase c("Cust", 1, 3000, 3000);
    c.globals().PayerHealthCareMo = 1500;
    const SupportResults& r = c.Run();
    EXPECT_EQ(r.PayerStandardObligation, -226);
    EXPECT_EQ(r.ChildSupportTransfer, -226);
    EXPECT_EQ(c.record.fields.Text("ChildSupport"), "-$226");
    EXPECT_EQ(c.globals().ChildSupportMonthly, -226);  // negated only in "NonCust"
}

TEST(SupportPhase, ChildSupportMonthlyFollowsOnlyWhenMaintenanceFeedsChildSupport) {
    SupportCase c("Cust", 2, 2400, 3600);
    c.record.options.applyMaintToCS = false;
    c.globals().ChildSupportMonthly = 77;
    c.Run();
    EXPECT_EQ(c.globals().ChildSupportMonthly, 77);
    EXPECT_EQ(c.record.fields.Text("ChildSupport"), "$954");
}

// Three minors run three passes. At $6,000 one, two and three children price at 1048, 1590 and
// 1911; the Other Party's 60 % is 629, 954 and 1147, and his share of the Claimant's 200 of day
// care (120) is left out of each tier.
TEST(SupportPhase, EachNumberOfChildrenLeavesItsTier) {
    SupportCase c("Cust", 3, 2400, 3600);
    c.globals().DayCareClaim = 200;
    const SupportResults& r = c.Run();
    const float tiers[] = {0, 629, 954, 1147};
    const float basic[] = {0, 1048, 1590, 1911};
    for (int k = 1; k <= 3; ++k) {
        EXPECT_TRUE(r.TierSet[k]) << k;
        EXPECT_EQ(r.TierTransfer[k], tiers[k]) << k;
        EXPECT_EQ(r.Tiers[k].basicObligation, basic[k]) << k;
    }
    EXPECT_FALSE(r.TierSet[4]);
    EXPECT_EQ(r.TierExpense1, 120);
    EXPECT_EQ(r.ChildSupportTransfer, 1147 + 120);  // the third pass is the case's
    EXPECT_EQ(r.BasicObligation, 1911);
}

// Seven children at $6,000: the five-or-more column, 470 per child, for positions 1 to 7 of the
// last pass; tiers for one to five children only (the four-child pass: 534 x 4 x 0.6 = 1281.6).
TEST(SupportPhase, SevenChildrenKeepFiveTiers) {
    SupportCase c("Cust", 7, 2400, 3600);
    const SupportResults& r = c.Run();
    EXPECT_EQ(r.BasicObligation, 3290);
    for (int position = 0; position < 10; ++position) {
        EXPECT_EQ(r.PerChildSupport[position], position < 7 ? 470 : 0) << position;
    }
    EXPECT_EQ(r.ChildSupportTransfer, 1974);
    const float tiers[] = {0, 629, 954, 1147, 1282, 1410};
    for (int k = 1; k <= 5; ++k) {
        EXPECT_TRUE(r.TierSet[k]) << k;
        EXPECT_EQ(r.TierTransfer[k], tiers[k]) << k;
    }
}

struct ReserveRow {
    const char* typed;
    float reserve;
    const char* shownAfter;
    float claimLimited;  // the Claimant at 2,400 with a share of 636
};

const ReserveRow kReserveRows[] = {
    {"$ 1,519", 1519, "$ 1,519", 636},
    {"$ 2,000", 2000, "$ 2,000", 400},  // 2400 - 2000 is below 636
    {"lots", 1519, "$ 1519", 636},
    {"", 1519, "$ 1519", 636},
};

TEST(SupportPhase, TheReserveIsReadFromTheWorksheet) {
    for (const ReserveRow& row : kReserveRows) {
        SCOPED_TRACE(row.typed);
        SupportCase c("Cust", 2, 2400, 3600);
        c.record.fields.SetText("NeedLimit", row.typed);
        const SupportResults& r = c.Run();
        EXPECT_EQ(c.globals().SelfSupportReserve, row.reserve);
        EXPECT_EQ(c.record.fields.Text("NeedLimit"), row.shownAfter);
        EXPECT_EQ(r.ClaimLimitedShare, row.claimLimited);
    }
}

struct ExtrapolationRow {
    Extrapolation choice;
    int16_t flag;
    float basicObligation;
    float transfer;
};

// $20,000 combined, three children: Linear prices 412 + 0.045 x 20000 = 1312 per child
// (3936); Dont keeps the $12,000 row, 950 (2850). The Other Party's 60 %.
const ExtrapolationRow kExtrapolationRows[] = {
    {Extrapolation::Dont, 0, 2850, 1710},
    {Extrapolation::Linear, 1, 3936, 2362},  // 3936 x 0.6 = 2361.6
};

TEST(SupportPhase, ExtrapolationFollowsTheMenu) {
    for (const ExtrapolationRow& row : kExtrapolationRows) {
        SCOPED_TRACE(static_cast<int>(row.choice));
        SupportCase c("Cust", 3, 8000, 12000);
        c.record.options.extrapolation = row.choice;
        const SupportResults& r = c.Run();
        EXPECT_EQ(r.ExtrapolateFlag, row.flag);
        EXPECT_EQ(r.Extrapolated, row.flag == 1);
        EXPECT_EQ(r.BasicObligation, row.basicObligation);
        EXPECT_EQ(r.ChildSupportTransfer, row.transfer);
    }
}

TEST(SupportPhase, SwitchesPersistAndEverythingElseIsRecomputed) {
    SupportCase c("Cust", 2, 2400, 3600);
    c.Switches(1, 1);
    c.results().TierSet[5] = true;
    c.results().ClaimLimitText = "stale";
    const SupportResults& r = c.Run();
    EXPECT_EQ(r.LimitsApplied, 1);
    EXPECT_EQ(r.DeviationApplied, 1);
    EXPECT_EQ(r.LimitsAppliedAtCalc, 1);
    EXPECT_FALSE(r.TierSet[5]);
    EXPECT_EQ(r.ClaimLimitText, "");
    EXPECT_TRUE(r.Computed);
}

// Without minors no pass runs: nothing to transfer.
TEST(SupportPhase, NoMinorsNoTransfer) {
    SupportCase c("NoMinors", 0, 2400, 3600);
    c.results().ChildSupportTransfer = 500;
    const SupportResults& r = c.Run();
    EXPECT_EQ(r.ChildSupportTransfer, 0);
    EXPECT_FALSE(r.TierSet[1]);
    EXPECT_EQ(c.record.fields.Text("ChildSupport"), "$0");
}

// Both incomes 0: the combined income is kept from 0 so the shares stay defined (0), and the
// combined-income minimum applies.
TEST(SupportPhase, ZeroIncomesStayDefined) {
    SupportCase c("Cust", 2, 0, 0);
    const SupportResults& r = c.Run();
    EXPECT_GT(r.CombinedNet, 0);
    EXPECT_LT(r.CombinedNet, 1e-10);
    EXPECT_EQ(r.ClaimShare, 0);
    EXPECT_EQ(r.PayerShare, 0);
    EXPECT_EQ(r.PayerLimitedShare, 100);
    EXPECT_EQ(r.ChildSupportTransfer, 0);
}

// The whole calculation, with both net incomes typed on the results screen so that the
// net-income phase hands them on unchanged.
TEST(CalculateChildSupport, TypedNetIncomesFlowIntoTheSupportPhase) {
    CaseRecord record;
    record.globals.CustodyType = "Cust";
    record.globals.NumMinors = 2;
    record.globals.ClaimFilingStatus = "Head";
    record.globals.PayerFilingStatus = "Single";
    record.results.tax.NetOverrideState = 4;
    record.results.tax.NewClaimNet = 2400;
    record.results.tax.NewOtherNet = 3600;
    CalculateChildSupport(record);
    EXPECT_EQ(record.results.tax.Claim.NetMonthly, 2400);
    EXPECT_EQ(record.results.tax.Payer.NetMonthly, 3600);
    EXPECT_EQ(record.results.support.ChildSupportTransfer, 954);
    EXPECT_EQ(record.fields.Text("ChildSupport"), "$954");
}

}  // namespace
}  // namespace tovaris
