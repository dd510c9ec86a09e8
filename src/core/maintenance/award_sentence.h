#pragma once

#include <string>

namespace tovaris::maintenance {

// The award sentence of the maintenance screen and report, from the suggested award per year
// (SuggestedAwardSaved, so a typed award does not change it) and the case score.
std::string AwardSentence(float suggestedAwardSaved, float caseScore);

}  // namespace tovaris::maintenance
