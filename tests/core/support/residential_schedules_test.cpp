#include <gtest/gtest.h>

#include "support_case.h"

namespace tovaris {
namespace {

using testing::SupportCase;

// One child at $8,300 combined (1299 in the table), the Claimant earning a quarter: basic
// shares 324.75 -> 325 and 974.25 -> 974; expenses of 302 (1 paid by the Claimant, 301 by the
// Other Party) share as 75.5 -> 76 and 226.5 -> 227. So the standard obligations are the
// worked figure of the shared formulas, Oc = 325 + 76 - 1 = 400 and Op = 974 + 227 - 301 = 900,
// with 146 nights with the Claimant and 219 with the Other Party.
SupportCase WorkedSharedCase(SharedMethod method) {
    SupportCase c("Shared", 1, 2075, 6225);
    c.record.options.sharedMethod = method;
    c.globals().ClaimHealthCareMo = 1;
    c.globals().PayerHealthCareMo = 301;
    c.record.fields.SetText("ClaimDays(0)", "146");
    return c;
}

struct SharedRow {
    SharedMethod method;
    const char* why;
    float claimBasicShare;
    float payerBasicShare;
    float claimObligation;
    float payerObligation;
    float transfer;
};

const SharedRow kSharedRows[] = {
    {SharedMethod::SumDays, "(900 x 146 - 400 x 219) / 365 = 120", 325, 974, 400, 900, 120},
    {SharedMethod::SquaredDays, "(900 x 21316 - 400 x 47961) / (21316 + 47961) = 0", 325, 974, 400,
     900, 0},
    {SharedMethod::SumDaysColorado,
     "basic shares 487.5 and 1461, expense shares unchanged: "
     "(1387 x 146 - 562.5 x 219) / 365 = 217.3",
     487.5f, 1461, 562.5f, 1387, 217.3f},
};

TEST(SharedSchedule, EachMethodInsideAFullPass) {
    for (const SharedRow& row : kSharedRows) {
        SCOPED_TRACE(row.why);
        SupportCase c = WorkedSharedCase(row.method);
        const SupportResults& r = c.Run();
        EXPECT_EQ(r.CombinedNet, 8300);
        EXPECT_EQ(r.BasicObligation, 1299);
        EXPECT_EQ(r.ClaimBasicShare, row.claimBasicShare);
        EXPECT_EQ(r.PayerBasicShare, row.payerBasicShare);
        EXPECT_EQ(r.ClaimExpenseShare, 76);
        EXPECT_EQ(r.PayerExpenseShare, 227);
        EXPECT_EQ(r.ClaimStandardObligation, row.claimObligation);
        EXPECT_EQ(r.PayerStandardObligation, row.payerObligation);
        EXPECT_EQ(r.ClaimTimeFactor, 146);
        EXPECT_EQ(r.PayerTimeFactor, 219);
        EXPECT_NEAR(r.ChildSupportTransfer, row.transfer, 0.001);
    }
}

// Three minors, oldest first: 100 nights, 150 nights, and an empty row that takes the Express
// Entry shared-custody nights (200). The family of k children is the k youngest.
TEST(SharedSchedule, EachPassWeighsTheNightsOfItsFamily) {
    SupportCase c("Shared", 3, 2400, 3600);
    c.record.fields.SetText("ClaimDays(0)", "100");
    c.record.fields.SetText("ClaimDays(1)", "150");
    c.record.fields.SetText("ClaimDays", "200");
    const SupportResults& r = c.Run();
    EXPECT_EQ(r.Tiers[1].claimNights, 200);  // the youngest alone
    EXPECT_EQ(r.Tiers[2].claimNights, 175);  // (150 + 200) / 2
    EXPECT_EQ(r.Tiers[3].claimNights, 150);  // (100 + 150 + 200) / 3
    EXPECT_EQ(r.Tiers[3].payerNights, 215);
    EXPECT_EQ(r.ClaimTimeFactor, 150);
    EXPECT_EQ(r.PayerTimeFactor, 215);
    // Three children at $6,000: 637 each, 1911; shares 764 and 1147, no expenses:
    // (1147 x 150 - 764 x 215) / 365.
    EXPECT_NEAR(r.ChildSupportTransfer, (1147.0 * 150 - 764.0 * 215) / 365, 0.001);
    // One child, 1048: 419 and 629 at 200 and 165 nights.
    EXPECT_NEAR(r.TierTransfer[1], (629.0 * 200 - 419.0 * 165) / 365, 0.001);
}

// Arvey: three children at $6,000 priced as one family (637 each, 1911), shares 764 and 1147;
// two children live with the Claimant, one with the Other Party.
TEST(SplitSchedule, ArveyWeighsEachObligationByTheOtherParentsChildren) {
    SupportCase c("Split", 3, 2400, 3600);
    const SupportResults& r = c.Split(SplitMethod::Arvey, 2, 1).Run();
    EXPECT_EQ(r.BasicObligation, 1911);
    EXPECT_EQ(r.BasicObligation2, 0);
    EXPECT_EQ(r.ClaimStandardObligation, 764);
    EXPECT_EQ(r.PayerStandardObligation, 1147);
    // 2/3 x 1147 - 1/3 x 764 = 510
    EXPECT_NEAR(r.ChildSupportTransfer, 510, 0.001);
}

struct HouseholdRow {
    const char* why;
    bool choices;  // the per-child split choices are made (youngest first: C, O, C)
    int16_t claim[4];
    int16_t payer[4];
    float tier1;
    float tier2;
};

// The earlier passes of the Arvey case above. One child (1048): 419 and 629; two children
// (1590): 636 and 954.
const HouseholdRow kHouseholdRows[] = {
    {"the choices of the k youngest", true, {0, 1, 1, 2}, {0, 0, 1, 1}, 629, (954 - 636) / 2.0f},
    {"no choices: the Claimant's count first", false, {0, 1, 2, 2}, {0, 0, 0, 1}, 629, 954},
};

TEST(SplitSchedule, EarlierPassesTakeTheirOwnHouseholds) {
    for (const HouseholdRow& row : kHouseholdRows) {
        SCOPED_TRACE(row.why);
        SupportCase c("Split", 3, 2400, 3600);
        c.Split(SplitMethod::Arvey, 2, 1);
        if (row.choices) {
            c.record.fields.Select("ClaimChild(0)");
            c.record.fields.Select("OtherChild(1)");
            c.record.fields.Select("ClaimChild(2)");
        }
        const SupportResults& r = c.Run();
        for (int k = 1; k <= 3; ++k) {
            EXPECT_EQ(r.Tiers[k].claimChildren, row.claim[k]) << k;
            EXPECT_EQ(r.Tiers[k].payerChildren, row.payer[k]) << k;
        }
        EXPECT_NEAR(r.TierTransfer[1], row.tier1, 0.001);
        EXPECT_NEAR(r.TierTransfer[2], row.tier2, 0.001);
    }
}

// Dual worksheets at $6,000 with the Claimant earning 0.4: household 1 (two children) 1590,
// shares 636 and 954; household 2 (one child) 1048, shares 419 and 629. Expenses of 400, 300
// paid by the Claimant and 100 by the Other Party, shared as 160 and 240 without rounding.
TEST(SplitSchedule, DualWorksheetsNetTheTwoWorksheets) {
    SupportCase c("Split", 3, 2400, 3600);
    c.globals().DayCareClaim = 300;
    c.globals().PayerHealthCareMo = 100;
    const SupportResults& r = c.Split(SplitMethod::DualWS, 2, 1).Run();
    EXPECT_EQ(r.BasicObligation, 1590);
    EXPECT_EQ(r.PerChildSupport[1], 795);
    EXPECT_EQ(r.PerChildSupport[2], 0);
    EXPECT_EQ(r.BasicObligation2, 1048);
    EXPECT_EQ(r.PerChildSupport2[0], 1048);
    EXPECT_EQ(r.ClaimBasicShare2, 419);
    EXPECT_EQ(r.PayerBasicShare, 954);
    EXPECT_FLOAT_EQ(r.ClaimExpenseShare, 160);
    EXPECT_FLOAT_EQ(r.PayerExpenseShare, 240);
    EXPECT_FLOAT_EQ(r.ClaimStandardObligation, 349);   // (160 - 300) / 2 + 419
    EXPECT_FLOAT_EQ(r.PayerStandardObligation, 1024);  // (240 - 100) / 2 + 954
    EXPECT_FLOAT_EQ(r.SplitNet, 675);
    EXPECT_FLOAT_EQ(r.ChildSupportTransfer, 675);
    EXPECT_EQ(r.Tiers[3].basicObligation, 1590 + 1048);
}

// All three children with the Claimant: household 2 costs nothing and the transfer is the Other
// Party's basic share (1911 x 0.6 = 1147) plus half the expense difference (70 - -70).
TEST(SplitSchedule, DualWorksheetsWithOneHousehold) {
    SupportCase c("Split", 3, 2400, 3600);
    c.globals().DayCareClaim = 300;
    c.globals().PayerHealthCareMo = 100;
    const SupportResults& r = c.Split(SplitMethod::DualWS, 3, 0).Run();
    EXPECT_EQ(r.BasicObligation2, 0);
    EXPECT_EQ(r.ClaimBasicShare2, 0);
    EXPECT_FLOAT_EQ(r.ChildSupportTransfer, 1147 + 140);
}

}  // namespace
}  // namespace tovaris
