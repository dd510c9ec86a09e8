#include "support/shared_schedule.h"

#include <array>

namespace tovaris::support {
namespace {

constexpr std::array<std::string_view, 3> kCaptions = {
    "Use Sum Of Days Method",
    "Use Sum Of Days With 1.5 Times The Basic CS Obligation",
    "Use Sum Of Days Squared Method",
};

}  // namespace

std::string_view MenuCaption(SharedMethod method) {
    return kCaptions[static_cast<int>(method)];
}

float SharedBasicShare(SharedMethod method, float basicShare) {
    return method == SharedMethod::SumDaysColorado
               ? static_cast<float>(kColoradoFactor * basicShare)
               : basicShare;
}

float SharedTransfer(SharedMethod method, float claimObligation, float payerObligation,
                     float claimNights, float payerNights) {
    // Each parent owes his obligation for the time the children spend with the other parent.
    double claimWeight = claimNights;
    double payerWeight = payerNights;
    if (method == SharedMethod::SquaredDays) {
        claimWeight *= claimWeight;
        payerWeight *= payerWeight;
    }
    const double weights = claimWeight + payerWeight;
    if (weights == 0) {
        return 0;
    }
    return static_cast<float>((payerObligation * claimWeight - claimObligation * payerWeight) /
                              weights);
}

}  // namespace tovaris::support
