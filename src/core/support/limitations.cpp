#include "support/limitations.h"

#include <string>

namespace tovaris::support {

namespace {

constexpr float kMinimumPerChild = 50;
constexpr float kCombinedFloor = 1000;

constexpr const char* kCombinedBelowFloor =
    "Parent's Combined Net Income Is Less Than $1000. Minimum Basic Obligation is $50/Child.";

// The texts of one parent's limitations.
struct ParentTexts {
    const char* belowReserve;
    const char* limitedToNet;
    const char* limitedToNetSecond;  // the second household of dual worksheets
    const char* belowReserveAfterShare;
};

constexpr ParentTexts kClaimTexts = {
    "Claimant's Net Income Is Below The Self-Support Reserve. Minimum Is $50/Child",
    "Claimant's Basic Obligation Is Limited To Claimant's Net Income Minus The Self-Support "
    "Reserve.",
    "Claimant's Basic Obligation Is Limited To The Claimant's Net Income Minus The Self-Support "
    "Reserve.",
    "Claimant's Basic Obligation Gives Net Income Below The Self-Support Reserve. Minimum Is "
    "$50/Child."};

constexpr ParentTexts kPayerTexts = {
    "Other Parent's Net Income Is Below The Self-Support Reserve. Minimum Is $50/Child",
    "Other Parent's Basic Obligation Is Limited To Other's Net Income Minus The Self-Support "
    "Reserve.",
    "Other Parent's Basic Obligation Is Limited To The Other's Net Income Minus The Self-Support "
    "Reserve.",
    "Other Parent's Basic Obligation Gives Net Income Below The Self-Support Reserve. Minimum Is "
    "$50/Child."};

// One parent's view of the results: the fields the limitations write for him.
struct ParentLimits {
    float net;
    const float& basicShare;
    const float& basicShare2;
    float& limitedShare;
    float& limitedShare2;
    std::string& text;
    std::string& mark;
    const ParentTexts& texts;
};

// The caption says what a click does, so applied limits read "Hide Limits".
void Flag(SupportResults& r) {
    r.LimitsButton = r.LimitsApplied == 1 ? "Hide Limits" : "Show Limits";
    r.LimitsButtonEnabled = true;
}

bool BothSwitchesOn(const SupportResults& r) {
    return r.DeviationApplied == 1 && r.LimitsApplied == 1;
}

void LimitBelowReserve(SupportResults& r, const Pass& pass, ParentLimits& p) {
    if (p.net >= pass.reserve) {
        return;
    }
    Flag(r);
    p.limitedShare = kMinimumPerChild * pass.MinimumChildren(1);
    if (pass.DualWorksheets()) {
        p.limitedShare2 = kMinimumPerChild * pass.MinimumChildren(2);
    }
    p.text = p.texts.belowReserve;
    if (BothSwitchesOn(r)) {
        p.mark = "NA";
    }
}

// A basic share may not take the parent below the reserve, nor the limited share below the
// $50 minimum; household 2 is the second worksheet of a split case.
void LimitToNetAboveReserve(SupportResults& r, const Pass& pass, ParentLimits& p, int household) {
    const float& share = household == 1 ? p.basicShare : p.basicShare2;
    float& limited = household == 1 ? p.limitedShare : p.limitedShare2;
    double available = double(p.net) - pass.reserve;
    if (available >= share) {
        return;
    }
    Flag(r);
    limited = static_cast<float>(available);
    p.text = household == 1 ? p.texts.limitedToNet : p.texts.limitedToNetSecond;
    float minimum = kMinimumPerChild * pass.MinimumChildren(household);
    if (available < minimum) {
        p.text = p.texts.belowReserveAfterShare;
        limited = minimum;
    }
    if (BothSwitchesOn(r)) {
        p.mark = "NA";
    }
}

}  // namespace

void ApplyLimitations(const Pass& pass, SupportResults& r) {
    r.LimitsButton = "No Limitations";
    r.LimitsButtonEnabled = false;
    r.ClaimLimitText.clear();
    r.PayerLimitText.clear();
    r.ClaimLimitMark.clear();
    r.PayerLimitMark.clear();
    r.ClaimLimitedShare = r.ClaimBasicShare;
    r.PayerLimitedShare = r.PayerBasicShare;
    r.ClaimLimitedShare2 = r.ClaimBasicShare2;
    r.PayerLimitedShare2 = r.PayerBasicShare2;

    // Below the table's first row only the $50 minimum stands, and the reserve is not tested.
    if (r.CombinedNet < kCombinedFloor) {
        Flag(r);
        r.ClaimLimitedShare = r.PayerLimitedShare = kMinimumPerChild * pass.MinimumChildren(1);
        if (pass.DualWorksheets()) {
            r.ClaimLimitedShare2 = r.PayerLimitedShare2 =
                kMinimumPerChild * pass.MinimumChildren(2);
        }
        r.ClaimLimitText = kCombinedBelowFloor;
        if (BothSwitchesOn(r)) {
            r.ClaimLimitMark = r.PayerLimitMark = "NA";
        }
        return;
    }
    ParentLimits claim{pass.claimNet,       r.ClaimBasicShare,    r.ClaimBasicShare2,
                       r.ClaimLimitedShare, r.ClaimLimitedShare2, r.ClaimLimitText,
                       r.ClaimLimitMark,    kClaimTexts};
    ParentLimits payer{pass.payerNet,       r.PayerBasicShare,    r.PayerBasicShare2,
                       r.PayerLimitedShare, r.PayerLimitedShare2, r.PayerLimitText,
                       r.PayerLimitMark,    kPayerTexts};
    // The order matters: a parent's later rule overwrites his earlier one.
    LimitBelowReserve(r, pass, claim);
    LimitBelowReserve(r, pass, payer);
    LimitToNetAboveReserve(r, pass, claim, 1);
    LimitToNetAboveReserve(r, pass, payer, 1);
    if (pass.DualWorksheets()) {
        LimitToNetAboveReserve(r, pass, claim, 2);
        LimitToNetAboveReserve(r, pass, payer, 2);
    }
}

}  // namespace tovaris::support
