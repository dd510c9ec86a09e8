#include "maintenance/raw_award.h"

namespace tovaris::maintenance {

double RawAward(std::string_view custodyType, float caseScore, int16_t numMinors, double diffRate,
                double targetShare, double claimAdjusted, double payerAdjusted) {
    // A Claimant whose children live with the Other Party loses 3 score points per minor.
    const double points = custodyType == "NonCust" ? caseScore - 3.0 * numMinors : caseScore;
    const double gap = targetShare * (claimAdjusted + payerAdjusted) - claimAdjusted;
    return points / 100 * diffRate * gap;
}

}  // namespace tovaris::maintenance
