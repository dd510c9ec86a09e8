#include <gtest/gtest.h>

#include "case/income_entries.h"
#include "support/other_children.h"
#include "support_case.h"

namespace tovaris {
namespace {

using testing::SupportCase;

void GiveOtherChildren(SupportCase& c, IncomeParty party, const OtherChildrenBands& bands) {
    bool claimant = party == IncomeParty::Claimant;
    c.record.fields.SetCheck(claimant ? "ClaimSecFamCheck" : "PayerSecFamCheck", 1);
    (claimant ? c.globals().ClaimOtherBands : c.globals().PayerOtherBands) = bands;
}

constexpr OtherChildrenBands kOneAtHome = {.homeUnder12 = 1};
constexpr OtherChildrenBands kThreeAtHome = {.homeUnder12 = 2, .home12Plus = 1};

// The worked figure of the whole family method: two children of the case at $6,000 combined
// price at 795 each (1590); with the Other Party's third child the family prices at 637 per
// child, so the case's children hold 1274 and his deviation is (1590 - 1274) x 0.6 = 189.6.
TEST(WholeFamilyMethod, WorkedFigure) {
    SupportCase c("Cust", 2, 2400, 3600);
    GiveOtherChildren(c, IncomeParty::Other, kOneAtHome);
    const SupportResults& shown = c.Run();
    EXPECT_EQ(shown.OtherChildrenSum, 1274);
    EXPECT_NEAR(shown.PayerDeviation, 189.6, 0.001);
    EXPECT_EQ(shown.ClaimDeviation, 0);
    EXPECT_EQ(shown.DeviationButton, "Show Deviation");
    EXPECT_TRUE(shown.DeviationButtonEnabled);
    EXPECT_EQ(shown.ChildSupportTransfer, 954);  // not applied yet

    const SupportResults& applied = c.Switches(0, 1).Run();
    EXPECT_NEAR(applied.ChildSupportTransfer, 954 - 189.6, 0.001);
}

// Every band counts, in the household or not: one child at home under 12 and one elsewhere of
// 12 or over make a family of four, 534 per child at $6,000: (1590 - 1068) x 0.6.
TEST(WholeFamilyMethod, AllOtherChildrenJoinTheFamily) {
    SupportCase c("Cust", 2, 2400, 3600);
    GiveOtherChildren(c, IncomeParty::Other, {.homeUnder12 = 1, .away12Plus = 1});
    const SupportResults& r = c.Run();
    EXPECT_EQ(r.OtherChildrenSum, 1068);
    EXPECT_NEAR(r.PayerDeviation, 313.2, 0.001);
}

struct EligibilityRow {
    const char* custody;
    SplitMethod split;
    bool claimChecked;
    bool payerChecked;
    bool claimDeviation;  // a deviation is computed for that parent
    bool payerDeviation;
};

// A parent's whole family deviation is computed where he pays for the case's children: the
// Other Party in "Cust", the Claimant in "NonCust", both in shared and split cases.
const EligibilityRow kEligibilityRows[] = {
    {"Cust", SplitMethod::Arvey, true, false, false, false},
    {"Cust", SplitMethod::Arvey, true, true, false, true},
    {"NonCust", SplitMethod::Arvey, true, true, true, false},
    {"NonCust", SplitMethod::Arvey, false, true, false, false},
    {"Shared", SplitMethod::Arvey, true, true, true, true},
    {"Split", SplitMethod::Arvey, true, true, true, true},
    {"Split", SplitMethod::DualWS, true, true, true, true},
    {"Shared", SplitMethod::Arvey, false, false, false, false},
};

TEST(WholeFamilyMethod, RunsForTheParentWhoPays) {
    for (const EligibilityRow& row : kEligibilityRows) {
        SCOPED_TRACE(::testing::Message() << row.custody << " split " << int(row.split)
                                          << " checks " << row.claimChecked << row.payerChecked);
        SupportCase c(row.custody, 3, 2400, 3600);
        c.Split(row.split, 2, 1);
        if (row.claimChecked) {
            GiveOtherChildren(c, IncomeParty::Claimant, kOneAtHome);
        }
        if (row.payerChecked) {
            GiveOtherChildren(c, IncomeParty::Other, kOneAtHome);
        }
        const SupportResults& r = c.Run();
        EXPECT_EQ(r.ClaimDeviation > 0, row.claimDeviation);
        EXPECT_EQ(r.PayerDeviation > 0, row.payerDeviation);
        EXPECT_EQ(r.ClaimDeviationComputed, row.claimDeviation);
        EXPECT_EQ(r.PayerDeviationComputed, row.payerDeviation);
        bool any = row.claimDeviation || row.payerDeviation;
        EXPECT_EQ(r.DeviationButton, any ? "Show Deviation" : "No 2nd Families");
        EXPECT_EQ(r.DeviationButtonEnabled, any);
    }
}

// Dual worksheets (two children with the Claimant, one with the Other Party, $6,000): the Other
// Party's family is household 1 and his other child, 3 x 637 against 1590: (1590 - 1274) x 0.6
// = 189.6; the Claimant's is household 2 and his other child, 2 x 795 against 1048:
// (1048 - 795) x 0.4 = 101.2. Applied: (954 - 189.6) - (419 - 101.2).
TEST(WholeFamilyMethod, DualWorksheetsPriceEachParentWithTheHouseholdHePaysFor) {
    SupportCase c("Split", 3, 2400, 3600);
    c.Split(SplitMethod::DualWS, 2, 1).Switches(0, 1);
    GiveOtherChildren(c, IncomeParty::Claimant, kOneAtHome);
    GiveOtherChildren(c, IncomeParty::Other, kOneAtHome);
    const SupportResults& r = c.Run();
    EXPECT_NEAR(r.PayerDeviation, 189.6, 0.001);
    EXPECT_NEAR(r.ClaimDeviation, 101.2, 0.001);
    EXPECT_NEAR(r.ChildSupportTransfer, (954 - 189.6) - (419 - 101.2), 0.001);
    EXPECT_EQ(r.SplitNet, 954 - 419);  // the worksheets' own net, before the deviation
}

TEST(SecondFamilyMethod, HouseholdAllowanceByChildrenAtHome) {
    const double rates[] = {0, 0.10, 0.15, 0.20, 0.225, 0.25, 0.25};
    for (int children = 0; children < 7; ++children) {
        EXPECT_EQ(support::HouseholdAllowanceRate(children), rates[children]) << children;
    }
}

// The worked case of the second family method: one child at $6,000 (1048), shares 524 each;
// three other children live with the Other Party, so 20 % of his 3,000 is set aside. At 5,400
// adjusted one child prices at 999, shared 3000/5400 and 2400/5400: the Claimant's deviation
// is 524 - 555 = -31, the Other Party's 524 - 444 = 80.
TEST(SecondFamilyMethod, WorkedFigure) {
    SupportCase c("Cust", 1, 3000, 3000);
    c.record.options.otherFamilyMethod = OtherFamilyMethod::IncomeMethod;
    GiveOtherChildren(c, IncomeParty::Other, kThreeAtHome);
    const SupportResults& shown = c.Run();
    EXPECT_NEAR(shown.ClaimDeviation, -31, 0.001);
    EXPECT_NEAR(shown.PayerDeviation, 80, 0.001);
    EXPECT_EQ(shown.DeviationButton, "Show Deviation");
    EXPECT_EQ(shown.ChildSupportTransfer, 524);

    // "Cust": only the Other Party's obligation is reduced.
    EXPECT_NEAR(c.Switches(0, 1).Run().ChildSupportTransfer, 444, 0.001);
}

struct SupportPaidRow {
    const char* why;
    OtherChildrenBands bands;
    float payerDeviation;
};

// The Other Party pays 2,400 a year for his other child. Elsewhere: 3000 - 200 = 2800, combined
// 5800 prices one child at 1036, 524 - 1036 x 2800/5800. At home the support does not count and
// the 10 % allowance does: 2700, combined 5700 at 1030, 524 - 1030 x 2700/5700.
const SupportPaidRow kSupportPaidRows[] = {
    {"the child lives elsewhere", {.awayUnder12 = 1}, 524 - 1036 * 2800 / 5800.0f},
    {"the child lives with him", {.homeUnder12 = 1}, 524 - 1030 * 2700 / 5700.0f},
};

TEST(SecondFamilyMethod, SupportPaidCountsOnlyForChildrenElsewhere) {
    for (const SupportPaidRow& row : kSupportPaidRows) {
        SCOPED_TRACE(row.why);
        SupportCase c("Cust", 1, 3000, 3000);
        c.record.options.otherFamilyMethod = OtherFamilyMethod::IncomeMethod;
        GiveOtherChildren(c, IncomeParty::Other, row.bands);
        c.record.income.Of(IncomeParty::Other)
            .deductions[static_cast<int>(IncomeDeduction::OtherSupport)]
            .value = 2400;
        EXPECT_NEAR(c.Run().PayerDeviation, row.payerDeviation, 0.001);
    }
}

// With the 1.5 times method the deviations come from the unmultiplied shares (524, as in the
// worked case), while the standard obligations carry 786.
TEST(SecondFamilyMethod, SharedColoradoTakesTheUnmultipliedShare) {
    SupportCase c("Shared", 1, 3000, 3000);
    c.record.options.otherFamilyMethod = OtherFamilyMethod::IncomeMethod;
    c.record.options.sharedMethod = SharedMethod::SumDaysColorado;
    GiveOtherChildren(c, IncomeParty::Other, kThreeAtHome);
    const SupportResults& r = c.Run();
    EXPECT_EQ(r.PayerBasicShare, 786);
    EXPECT_NEAR(r.ClaimDeviation, -31, 0.001);
    EXPECT_NEAR(r.PayerDeviation, 80, 0.001);
}

// Dual worksheets at $6,000, shares 0.5: household 1 (two children) 1590, 795 each parent;
// household 2 (one child) 1048, 524 each. Adjusted to 5400: 1518 and 999. The Claimant against
// household 2: 524 - 999 x 3000/5400 = -31; the Other Party against household 1:
// 795 - 1518 x 2400/5400 = 120.33.
TEST(SecondFamilyMethod, DualWorksheetsPairEachParentWithHisWorksheet) {
    SupportCase c("Split", 3, 3000, 3000);
    c.record.options.otherFamilyMethod = OtherFamilyMethod::IncomeMethod;
    c.Split(SplitMethod::DualWS, 2, 1);
    GiveOtherChildren(c, IncomeParty::Other, kThreeAtHome);
    const SupportResults& r = c.Run();
    EXPECT_NEAR(r.ClaimDeviation, -31, 0.001);
    EXPECT_NEAR(r.PayerDeviation, 795 - 1518 * 2400 / 5400.0, 0.001);
}

struct BlockRow {
    const char* why;
    int16_t limits;
    float payerBasicShare;
    const char* payerMark;
    double transfer;
};

// Shared, sum of days, 146 and 219 nights; one child at $4,700 (916), the Claimant earning
// 3000/4700: shares 585 and 331; the Other Party's 1700 - 1519 = 181 limits him. Each parent
// has one other child: a family of two prices at 697, so the deviations are 219 x 0.6383 =
// 139.79 and 219 x 0.3617 = 79.21.
const BlockRow kBlockRows[] = {
    {"limits applied: the Other Party keeps his full obligation, the Claimant's deviation stays", 1,
     181, "NA", (181 * 146 - (585 - 139.787234) * 219) / 365},
    {"limits not applied: both deviations reduce their obligations", 0, 331, "",
     ((331 - 79.212766) * 146 - (585 - 139.787234) * 219) / 365},
};

TEST(Deviation, ALimitedParentsDeviationIsBlocked) {
    for (const BlockRow& row : kBlockRows) {
        SCOPED_TRACE(row.why);
        SupportCase c("Shared", 1, 3000, 1700);
        c.record.fields.SetText("ClaimDays", "146");
        GiveOtherChildren(c, IncomeParty::Claimant, kOneAtHome);
        GiveOtherChildren(c, IncomeParty::Other, kOneAtHome);
        const SupportResults& r = c.Switches(row.limits, 1).Run();
        EXPECT_EQ(r.PayerBasicShare, row.payerBasicShare);
        EXPECT_EQ(r.PayerLimitMark, row.payerMark);
        EXPECT_EQ(r.ClaimLimitMark, "");
        EXPECT_NEAR(r.ClaimDeviation, 139.787234, 0.001);
        EXPECT_NEAR(r.PayerDeviation, 79.212766, 0.001);
        EXPECT_NEAR(r.ChildSupportTransfer, row.transfer, 0.001);
    }
}

// A parent blocked in "NonCust": the Claimant's limitation (1800 - 1519 = 281 against 477)
// keeps his whole family deviation out, and the transfer is his limited share.
TEST(Deviation, BlockedInEveryTransferFormula) {
    SupportCase c("NonCust", 2, 1800, 4200);
    GiveOtherChildren(c, IncomeParty::Claimant, kOneAtHome);
    const SupportResults& r = c.Switches(1, 1).Run();
    EXPECT_EQ(r.ClaimLimitMark, "NA");
    EXPECT_GT(r.ClaimDeviation, 0);
    EXPECT_EQ(r.ChildSupportTransfer, -281);
}

}  // namespace
}  // namespace tovaris
