#include "support/split_schedule.h"

#include <array>

#include "common/rounding.h"

namespace tovaris::support {
namespace {

constexpr std::array<std::string_view, 2> kCaptions = {
    "Use \"Arvey\" Method",
    "Use Dual Worksheet Method",
};

float RoundedShare(float obligation, float share) {
    return static_cast<float>(RoundDollars(static_cast<double>(obligation) * share));
}

double HalfNetExpense(float expenseShare, float paid) {
    return (static_cast<double>(expenseShare) - paid) / 2;
}

}  // namespace

std::string_view MenuCaption(SplitMethod method) {
    return kCaptions[static_cast<int>(method)];
}

float ArveyTransfer(float claimObligation, float payerObligation, float claimSplitCount,
                    float payerSplitCount, int16_t childCount) {
    const double k = childCount;
    return static_cast<float>(claimSplitCount / k * payerObligation -
                              payerSplitCount / k * claimObligation);
}

DualWorksheetShares DualWorksheetBasicShares(int16_t claimHouseholdChildren,
                                             int16_t payerHouseholdChildren, float combinedNet,
                                             float claimShare, float payerShare,
                                             int16_t extrapolate, ExtrapolationMethod method) {
    DualWorksheetShares s;
    s.household1 = LookupBasicObligation(claimHouseholdChildren, combinedNet, extrapolate, method);
    s.household2 = LookupBasicObligation(payerHouseholdChildren, combinedNet, extrapolate, method);
    s.claimBasicShare = RoundedShare(s.household1.total, claimShare);
    s.payerBasicShare = RoundedShare(s.household1.total, payerShare);
    s.claimBasicShare2 = RoundedShare(s.household2.total, claimShare);
    s.payerBasicShare2 = RoundedShare(s.household2.total, payerShare);
    return s;
}

DualWorksheetResult DualWorksheets(const DualWorksheetInputs& in) {
    DualWorksheetResult r;
    r.claimExpenseShare = static_cast<float>(static_cast<double>(in.claimShare) * in.totalExpenses);
    r.payerExpenseShare = static_cast<float>(static_cast<double>(in.payerShare) * in.totalExpenses);
    r.claimStandardObligation = static_cast<float>(
        HalfNetExpense(r.claimExpenseShare, in.careHealthPaidClaim) + in.claimBasicShare2);
    r.payerStandardObligation = static_cast<float>(
        HalfNetExpense(r.payerExpenseShare, in.careHealthPaidPayer) + in.payerBasicShare);
    r.splitNet = static_cast<float>(static_cast<double>(r.payerStandardObligation) -
                                    r.claimStandardObligation);
    return r;
}

}  // namespace tovaris::support
