#include "maintenance/weak_case.h"

#include <algorithm>

namespace tovaris::maintenance {
namespace {

constexpr double kWeakScore = 42;
constexpr double kShortfallScale = 1250000;
// Minor children soften the reduction.
constexpr double kShortfallWeightNoMinors = 0.35;
constexpr double kShortfallWeightMinors = 0.2;
constexpr double kUnlikelyBelow = 250;

}  // namespace

WeakCaseResult ReduceWeakCase(double award, float caseScore, float claimGrossYearly,
                              float payerGrossYearly, int16_t numMinors) {
    if (caseScore >= kWeakScore) {
        return {award, false};
    }
    const double incomeDiff = double{payerGrossYearly} - claimGrossYearly;
    const double expected = kShortfallScale / caseScore;
    if (expected > incomeDiff) {
        const double weight = numMinors < 1 ? kShortfallWeightNoMinors : kShortfallWeightMinors;
        award = std::max(award - (expected - incomeDiff) * weight, 0.0);
    }
    return {award, award < kUnlikelyBelow};
}

}  // namespace tovaris::maintenance
