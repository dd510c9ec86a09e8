#include <gtest/gtest.h>

#include "case/case_record.h"
#include "support/child_support_calculation.h"

namespace tovaris {
namespace {

// A case as the support phase sees it: the read-in's globals and both final net incomes.
struct SupportCase {
    CaseRecord record;

    SupportCase(const char* custody, int16_t minors, float claimNet, float payerNet) {
        record.globals.CustodyType = custody;
        record.globals.NumMinors = minors;
        record.fields.SetText("NeedLimit", "$ 1,519");
        record.results.tax.Claim.NetMonthly = claimNet;
        record.results.tax.Payer.NetMonthly = payerNet;
    }
    const SupportResults& Run() {
        RunSupportPhase(record);
        return record.results.support;
    }
};

TEST(SupportPhase, CustodialCaseTransfersTheOtherPartysStandardObligation) {
    // Combined 6000, two children: 795 each, 1590 in all; the Other Party's 60 % is 954.
    SupportCase c("Cust", 2, 2400, 3600);
    c.record.globals.DayCareClaim = 300;
    c.record.globals.PayerHealthCareMo = 100;
    const SupportResults& r = c.Run();
    EXPECT_EQ(r.BasicObligation, 1590);
    EXPECT_FLOAT_EQ(r.PayerShare, 0.6f);
    EXPECT_EQ(r.PayerBasicShare, 954);
    EXPECT_EQ(r.ClaimBasicShare, 636);
    EXPECT_EQ(r.PayerExpenseShare, 240);  // 60 % of 400
    EXPECT_EQ(r.PayerStandardObligation, 954 + 240 - 100);
    EXPECT_EQ(r.ChildSupportTransfer, 1094);
    EXPECT_EQ(r.LimitsButton, "No Limitations");
    EXPECT_EQ(c.record.fields.Text("ChildSupport"), "$1,094");
    EXPECT_EQ(c.record.globals.ChildSupportMonthly, 1094);
}

TEST(SupportPhase, NonCustodialClaimantPays) {
    SupportCase c("NonCust", 2, 3600, 2400);
    const SupportResults& r = c.Run();
    EXPECT_EQ(r.ChildSupportTransfer, -954);
    EXPECT_EQ(c.record.globals.ChildSupportMonthly, 954);  // made positive for maintenance
}

TEST(SupportPhase, CombinedIncomeBelowOneThousandSetsTheFiftyDollarMinimum) {
    SupportCase c("Cust", 2, 400, 599);
    const SupportResults& r = c.Run();
    EXPECT_EQ(r.ClaimLimitedShare, 100);
    EXPECT_EQ(r.PayerLimitedShare, 100);
    EXPECT_EQ(r.ClaimLimitText,
              "Parent's Combined Net Income Is Less Than $1000. Minimum Basic Obligation is "
              "$50/Child.");
    EXPECT_EQ(r.PayerLimitText, "");  // the self-support tests are not made
    EXPECT_EQ(r.LimitsButton, "Show Limits");
    EXPECT_TRUE(r.LimitsButtonEnabled);
}

TEST(SupportPhase, LaterLimitationsOverwriteEarlierOnes) {
    // Claimant at 1200 against a 1519 reserve: the reserve message, then net - reserve = -319,
    // below both his basic share and 50 x 2.
    SupportCase c("NonCust", 2, 1200, 5000);
    const SupportResults& r = c.Run();
    EXPECT_EQ(r.ClaimLimitText,
              "Claimant's Basic Obligation Gives Net Income Below The Self-Support Reserve. "
              "Minimum Is $50/Child.");
    EXPECT_EQ(r.ClaimLimitedShare, 100);
    EXPECT_EQ(r.PayerLimitText, "");
}

TEST(SupportPhase, LimitsChangeTheTransferOnlyWhenApplied) {
    SupportCase shown("NonCust", 2, 1200, 5000);
    const SupportResults& unlimited = shown.Run();
    float unlimitedTransfer = unlimited.ChildSupportTransfer;
    EXPECT_EQ(unlimitedTransfer, -unlimited.ClaimBasicShare);
    EXPECT_EQ(unlimited.LimitsButton, "Show Limits");

    SupportCase applied("NonCust", 2, 1200, 5000);
    applied.record.results.support.LimitsApplied = 1;
    const SupportResults& limited = applied.Run();
    EXPECT_EQ(limited.ChildSupportTransfer, -100);
    EXPECT_EQ(limited.LimitsAppliedAtCalc, 1);
}

TEST(SupportPhase, ExpensesPaidAboveTheShareReduceTheObligation) {
    SupportCase c("Cust", 1, 3000, 3000);
    c.record.globals.PayerHealthCareMo = 1500;
    const SupportResults& r = c.Run();
    // Expense share 750 of 1500 paid: the Other Party's obligation falls by the excess 750.
    EXPECT_EQ(r.PayerStandardObligation, r.PayerBasicShare - 750);
}

TEST(SupportPhase, EachNumberOfChildrenLeavesItsTier) {
    SupportCase c("Cust", 3, 2400, 3600);
    c.record.globals.DayCareClaim = 200;
    const SupportResults& r = c.Run();
    for (int k = 1; k <= 3; ++k) {
        EXPECT_TRUE(r.TierSet[k]) << k;
    }
    EXPECT_FALSE(r.TierSet[4]);
    EXPECT_LT(r.TierTransfer[1], r.TierTransfer[2]);
    EXPECT_LT(r.TierTransfer[2], r.TierTransfer[3]);
    EXPECT_EQ(r.TierExpense1, 120);  // 60 % of 200, none of it paid by the Other Party
    EXPECT_EQ(r.TierTransfer[3], r.ChildSupportTransfer - 120);
}

TEST(SupportPhase, SharedScheduleWeighsObligationsByOvernights) {
    SupportCase c("Shared", 1, 2400, 3600);
    c.record.fields.SetText("ClaimDays", "146");
    const SupportResults& r = c.Run();
    EXPECT_EQ(r.ClaimTimeFactor, 146);
    EXPECT_EQ(r.PayerTimeFactor, 219);
    float expected =
        (r.PayerStandardObligation * 146.0f - r.ClaimStandardObligation * 219.0f) / 365;
    EXPECT_NEAR(r.ChildSupportTransfer, expected, 0.01);
}

TEST(SupportPhase, DualWorksheetsPriceEachHousehold) {
    SupportCase c("Split", 2, 2400, 3600);
    c.record.options.splitMethod = SplitMethod::DualWS;
    c.record.globals.ClaimChildrenSplit = 1;
    c.record.globals.PayerChildrenSplit = 1;
    const SupportResults& r = c.Run();
    EXPECT_GT(r.BasicObligation, 0);
    EXPECT_EQ(r.BasicObligation, r.BasicObligation2);
    // The Other Party owes for household 1, the Claimant for household 2; no expenses.
    EXPECT_EQ(r.ChildSupportTransfer, r.PayerBasicShare - r.ClaimBasicShare2);
    EXPECT_EQ(r.SplitNet, r.ChildSupportTransfer);
}

TEST(SupportPhase, WholeFamilyDeviation) {
    // Two children at 6000 combined price at 795 each; with the Other Party's third child the
    // family prices at 637 per child: (1590 - 1274) x 0.6 = 189.6.
    SupportCase c("Cust", 2, 2400, 3600);
    c.record.fields.SetCheck("PayerSecFamCheck", 1);
    c.record.globals.PayerOtherBands.homeUnder12 = 1;
    const SupportResults& r = c.Run();
    EXPECT_EQ(r.OtherChildrenSum, 1274);
    EXPECT_NEAR(r.PayerDeviation, 189.6f, 0.001);
    EXPECT_EQ(r.DeviationButton, "Show Deviation");
    EXPECT_EQ(r.ChildSupportTransfer, r.PayerStandardObligation);  // not applied

    c.record.results.support.DeviationApplied = 1;
    c.Run();
    EXPECT_NEAR(r.ChildSupportTransfer, r.PayerStandardObligation - 189.6f, 0.001);
}

TEST(SupportPhase, LimitedParentKeepsHisFullObligationWhenLimitsAndDeviationApply) {
    SupportCase c("Cust", 2, 5000, 1300);
    c.record.fields.SetCheck("PayerSecFamCheck", 1);
    c.record.globals.PayerOtherBands.homeUnder12 = 1;
    c.record.results.support.DeviationApplied = 1;
    c.record.results.support.LimitsApplied = 1;
    const SupportResults& r = c.Run();
    EXPECT_EQ(r.PayerLimitMark, "NA");
    EXPECT_EQ(r.ChildSupportTransfer, r.PayerStandardObligation);
}

TEST(SupportPhase, SecondFamilyMethodCutsTheParentsIncome) {
    SupportCase c("Cust", 1, 3000, 3000);
    c.record.options.otherFamilyMethod = OtherFamilyMethod::IncomeMethod;
    c.record.fields.SetCheck("PayerSecFamCheck", 1);
    c.record.globals.PayerOtherBands.homeUnder12 = 3;  // 20 % of his net income set aside
    const SupportResults& r = c.Run();
    EXPECT_GT(r.PayerDeviation, 0);
    EXPECT_LT(r.ClaimDeviation, 0);  // the Claimant's share of the smaller pie grows
    EXPECT_EQ(r.DeviationButton, "Show Deviation");
}

TEST(SupportPhase, NonNumericReserveFallsBackToTheDefault) {
    SupportCase c("Cust", 1, 3000, 3000);
    c.record.fields.SetText("NeedLimit", "lots");
    c.Run();
    EXPECT_EQ(c.record.fields.Text("NeedLimit"), "$ 1519");
    EXPECT_EQ(c.record.globals.SelfSupportReserve, 1519);
}

}  // namespace
}  // namespace tovaris
