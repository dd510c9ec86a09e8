#pragma once

#include <cstdint>
#include <string_view>

namespace tovaris::maintenance {

// The award before floors and ceilings, per year: the gap between the Claimant's target share
// of the combined adjusted income and the Claimant's own, scaled by the case score and the
// differential rate. Negative when the Claimant already has more than the target.
double RawAward(std::string_view custodyType, float caseScore, int16_t numMinors, double diffRate,
                double targetShare, double claimAdjusted, double payerAdjusted);

}  // namespace tovaris::maintenance
