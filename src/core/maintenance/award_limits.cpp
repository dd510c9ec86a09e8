#include "maintenance/award_limits.h"

#include <algorithm>

#include "common/rounding.h"

namespace tovaris::maintenance {
namespace {

constexpr double kSmallestAward = 250;

double DropSmallAward(double award) {
    return award < kSmallestAward ? 0 : award;
}

double DropVeryWeakCase(double award, float caseScore, double incomeDiff) {
    return caseScore < 19 && incomeDiff < 70000 ? 0 : award;
}

double ReduceForClaimantIncome(double award, float claimGrossYearly) {
    if (award <= 0 || claimGrossYearly <= 80000) {
        return award;
    }
    const double cut = std::min((claimGrossYearly - 70000.0) * 0.02 / 20000, 0.9);
    return award * (1 - cut);
}

// A payer whose gross is a loss pays nothing rather than a negative award.
double CapAtHalfPayerGross(double award, float payerGrossYearly) {
    return std::min(award, std::max(payerGrossYearly / 2.0, 0.0));
}

}  // namespace

double ApplyAwardLimits(double award, float caseScore, float claimGrossYearly,
                        float payerGrossYearly) {
    const double incomeDiff = double{payerGrossYearly} - claimGrossYearly;
    award = DropSmallAward(award);
    award = DropVeryWeakCase(award, caseScore, incomeDiff);
    award = ReduceForClaimantIncome(award, claimGrossYearly);
    return CapAtHalfPayerGross(award, payerGrossYearly);
}

float RoundToWholeMonths(double award) {
    return static_cast<float>(RoundHalfEven(award / 12) * 12);
}

}  // namespace tovaris::maintenance
