#include <gtest/gtest.h>

#include "support_case.h"

namespace tovaris {
namespace {

using testing::SupportCase;

constexpr const char* kCombinedBelowTable =
    "Parent's Combined Net Income Is Less Than $1000. Minimum Basic Obligation is $50/Child.";
constexpr const char* kClaimLimited =
    "Claimant's Basic Obligation Is Limited To Claimant's Net Income Minus The Self-Support "
    "Reserve.";
constexpr const char* kClaimMinimum =
    "Claimant's Basic Obligation Gives Net Income Below The Self-Support Reserve. Minimum Is "
    "$50/Child.";
constexpr const char* kPayerLimited =
    "Other Parent's Basic Obligation Is Limited To Other's Net Income Minus The Self-Support "
    "Reserve.";
constexpr const char* kPayerMinimum =
    "Other Parent's Basic Obligation Gives Net Income Below The Self-Support Reserve. Minimum Is "
    "$50/Child.";
constexpr const char* kClaimLimitedSecond =
    "Claimant's Basic Obligation Is Limited To The Claimant's Net Income Minus The Self-Support "
    "Reserve.";

struct LimitRow {
    const char* why;  // where the expected figures come from
    const char* custody;
    float claimNet;
    float payerNet;
    int16_t limits;
    int16_t deviation;
    float claimLimited;
    float payerLimited;
    const char* claimText;
    const char* payerText;
    const char* claimMark;
    const char* payerMark;
    const char* button;
};

// Two children, reserve $1,519; the expected shares are worked by hand from the economic
// table: $6,000 combined prices two children at 795 each (1590), $7,000 at 875 (1750), $3,600
// at 599 (1198) and anything under $1,050 at the $1,000 row, 167 (334).
const LimitRow kLimitRows[] = {
    {"shares 636 and 954, both well inside net - reserve (881, 2081)", "Cust", 2400, 3600, 0, 0,
     636, 954, "", "", "", "", "No Limitations"},
    {"combined 999: both shares become 50 x 2, only the Claimant's text is written", "Cust", 400,
     599, 0, 0, 100, 100, kCombinedBelowTable, "", "", "", "Show Limits"},
    {"the same with limits and deviation applied: both deviations are marked", "Cust", 400, 599, 1,
     1, 100, 100, kCombinedBelowTable, "", "NA", "NA", "Hide Limits"},
    {"Claimant's share 1590 x 0.3 = 477 against 1800 - 1519 = 281", "NonCust", 1800, 4200, 0, 0,
     281, 1113, kClaimLimited, "", "", "", "Show Limits"},
    {"Claimant's 1560 - 1519 = 41 is under 50 x 2: the minimum 100 stands", "NonCust", 1560, 4440,
     0, 0, 100, 1177, kClaimMinimum, "", "", "", "Show Limits"},
    {"Other Party's share 1590 x 0.3 = 477 against 1800 - 1519 = 281", "Cust", 4200, 1800, 0, 0,
     1113, 281, "", kPayerLimited, "", "", "Show Limits"},
    {"Other Party below the reserve: his reserve message gives way to the minimum", "Cust", 5800,
     1200, 0, 0, 1450, 100, "", kPayerMinimum, "", "", "Show Limits"},
    {"both parents at 1800 with 599 each: both limited to 281", "Cust", 1800, 1800, 0, 0, 281, 281,
     kClaimLimited, kPayerLimited, "", "", "Show Limits"},
    {"limits and deviation applied: the limited parent's deviation is marked", "Cust", 4200, 1800,
     1, 1, 1113, 281, "", kPayerLimited, "", "NA", "Hide Limits"},
    {"limits applied alone marks nothing", "Cust", 4200, 1800, 1, 0, 1113, 281, "", kPayerLimited,
     "", "", "Hide Limits"},
    {"deviation applied alone marks nothing", "Cust", 4200, 1800, 0, 1, 1113, 281, "",
     kPayerLimited, "", "", "Show Limits"},
};

TEST(Limitations, EachRuleWritesItsLimitTextAndMark) {
    for (const LimitRow& row : kLimitRows) {
        SCOPED_TRACE(row.why);
        SupportCase c(row.custody, 2, row.claimNet, row.payerNet);
        const SupportResults& r = c.Switches(row.limits, row.deviation).Run();
        EXPECT_FLOAT_EQ(r.ClaimLimitedShare, row.claimLimited);
        EXPECT_FLOAT_EQ(r.PayerLimitedShare, row.payerLimited);
        EXPECT_EQ(r.ClaimLimitText, row.claimText);
        EXPECT_EQ(r.PayerLimitText, row.payerText);
        EXPECT_EQ(r.ClaimLimitMark, row.claimMark);
        EXPECT_EQ(r.PayerLimitMark, row.payerMark);
        EXPECT_EQ(r.LimitsButton, row.button);
        EXPECT_EQ(r.LimitsButtonEnabled, std::string(row.button) != "No Limitations");
    }
}

// The worked figure of the limitations: a Claimant at 1,200 with a basic share of 300 (two
// children at $7,000 combined, 1750 x 1200/7000). The reserve message is written first, then
// net - reserve = -319 is below both the share and 50 x 2, which overwrites it.
TEST(Limitations, TheMinimumOverwritesTheReserveMessage) {
    SupportCase c("NonCust", 2, 1200, 5800);
    const SupportResults& r = c.Run();
    EXPECT_EQ(r.CombinedNet, 7000);
    EXPECT_EQ(r.ClaimBasicShare, 300);
    EXPECT_EQ(r.ClaimLimitText, kClaimMinimum);
    EXPECT_EQ(r.ClaimLimitedShare, 100);
    EXPECT_EQ(r.PayerLimitText, "");
    EXPECT_EQ(r.PayerLimitedShare, 1450);
}

// Combined 999 with two children: the minimum of the combined-income rule is final, and the
// reserve tests (which both parents would fail) are not made.
TEST(Limitations, CombinedIncomeBelowTheTableSkipsTheReserveTests) {
    SupportCase c("Cust", 2, 400, 599);
    const SupportResults& r = c.Run();
    EXPECT_EQ(r.BasicObligation, 334);
    EXPECT_EQ(r.ClaimBasicShare, 134);  // 334 x 400/999 = 133.7
    EXPECT_EQ(r.PayerBasicShare, 200);  // 334 x 599/999 = 200.3
    EXPECT_EQ(r.ClaimLimitedShare, 100);
    EXPECT_EQ(r.PayerLimitedShare, 100);
    EXPECT_EQ(r.ClaimLimitText, kCombinedBelowTable);
    EXPECT_EQ(r.PayerLimitText, "");
}

// With the limits not applied the messages and the button still appear, but the transfer keeps
// the unlimited share; applied, the limited share replaces it.
TEST(Limitations, OnlyAppliedLimitsChangeTheTransfer) {
    SupportCase shown("NonCust", 2, 1200, 5800);
    const SupportResults& unlimited = shown.Run();
    EXPECT_EQ(unlimited.LimitsButton, "Show Limits");
    EXPECT_TRUE(unlimited.LimitsButtonEnabled);
    EXPECT_EQ(unlimited.ClaimLimitText, kClaimMinimum);
    EXPECT_EQ(unlimited.ClaimBasicShare, 300);
    EXPECT_EQ(unlimited.ChildSupportTransfer, -300);

    SupportCase applied("NonCust", 2, 1200, 5800);
    const SupportResults& limited = applied.Switches(1, 0).Run();
    EXPECT_EQ(limited.ClaimBasicShare, 100);
    EXPECT_EQ(limited.ChildSupportTransfer, -100);
    EXPECT_EQ(limited.LimitsAppliedAtCalc, 1);
}

// Dual worksheets, three children, two with the Claimant and one with the Other Party, at
// $6,000 combined: household 1 prices at 1590, household 2 at 1048 (one child).
struct DualLimitRow {
    const char* why;
    float claimNet;
    float payerNet;
    float claimLimited;
    float claimLimited2;
    float payerLimited;
    float payerLimited2;
    const char* claimText;
};

const DualLimitRow kDualLimitRows[] = {
    {"Claimant 0.3: 477 and 314 against 281; the second worksheet's text is written last", 1800,
     4200, 281, 281, 1113, 734, kClaimLimitedSecond},
    {"Claimant at 41 above the reserve: 50 x 2 on his first worksheet, 50 x 1 on his second", 1560,
     4440, 100, 50, 1177, 776, kClaimMinimum},
    {"combined 900: 50 per child of each household for both parents", 400, 500, 100, 50, 100, 50,
     kCombinedBelowTable},
};

TEST(Limitations, DualWorksheetsLimitBothWorksheetsWithEachHouseholdsMinimum) {
    for (const DualLimitRow& row : kDualLimitRows) {
        SCOPED_TRACE(row.why);
        SupportCase c("Split", 3, row.claimNet, row.payerNet);
        const SupportResults& r = c.Split(SplitMethod::DualWS, 2, 1).Run();
        EXPECT_FLOAT_EQ(r.ClaimLimitedShare, row.claimLimited);
        EXPECT_FLOAT_EQ(r.ClaimLimitedShare2, row.claimLimited2);
        EXPECT_FLOAT_EQ(r.PayerLimitedShare, row.payerLimited);
        EXPECT_FLOAT_EQ(r.PayerLimitedShare2, row.payerLimited2);
        EXPECT_EQ(r.ClaimLimitText, row.claimText);
    }
}

TEST(Limitations, DualWorksheetsReplaceAllFourSharesWhenApplied) {
    // Unlimited: 1113 (the Other Party for household 1) - 314 (the Claimant for household 2).
    SupportCase shown("Split", 3, 1800, 4200);
    EXPECT_EQ(shown.Split(SplitMethod::DualWS, 2, 1).Run().ChildSupportTransfer, 799);
    // Applied: the Claimant's 314 becomes 281.
    SupportCase applied("Split", 3, 1800, 4200);
    const SupportResults& r = applied.Split(SplitMethod::DualWS, 2, 1).Switches(1, 0).Run();
    EXPECT_EQ(r.ClaimBasicShare, 281);
    EXPECT_EQ(r.ClaimBasicShare2, 281);
    EXPECT_EQ(r.ChildSupportTransfer, 1113 - 281);
}

TEST(Limitations, ArveyKeepsOneFamilysMinimum) {
    // Three children priced as one family at combined 900: 50 x 3 for each parent.
    SupportCase c("Split", 3, 400, 500);
    const SupportResults& r = c.Split(SplitMethod::Arvey, 2, 1).Run();
    EXPECT_EQ(r.ClaimLimitedShare, 150);
    EXPECT_EQ(r.PayerLimitedShare, 150);
    EXPECT_EQ(r.ClaimLimitedShare2, 0);
}

}  // namespace
}  // namespace tovaris
