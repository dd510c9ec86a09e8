#pragma once

#include <string_view>

namespace tovaris::maintenance {

// The verdict comment for a clamped, not yet rounded case score and the income differential
// (Other Party's gross minus the Claimant's, per year).
std::string_view CaseCommentFor(double score, double incomeDiff);

}  // namespace tovaris::maintenance
