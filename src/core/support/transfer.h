#pragma once

#include <string>

#include "support/support_pass.h"

namespace tovaris::support {

// True when a parent's limitation keeps his deviation out of the transfer: his mark is "NA"
// while the limits are applied.
bool DeviationBlocked(const SupportResults& r, const std::string& limitMark);

// The deviation that reduces a parent's standard obligation: his deviation while the deviation
// is applied and not blocked, else 0.
double DeviationInForce(const SupportResults& r, float deviation, const std::string& limitMark);

// The monthly transfer of the pass by its residential schedule, from the standard obligations
// less the deviations in force. Positive when the Other Party pays the Claimant; not rounded.
float Transfer(const Pass& pass, const SupportResults& r);

}  // namespace tovaris::support
