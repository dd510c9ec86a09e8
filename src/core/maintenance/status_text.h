#pragma once

#include <cstdint>
#include <string_view>

namespace tovaris::maintenance {

// The CalcStatusText after a recommendation: how the award was taxed and whether the user's
// typed award replaced the suggestion. A single blank when there is nothing to say.
std::string_view StatusLine(int16_t taxTreatment, bool awardOverride);

}  // namespace tovaris::maintenance
