#pragma once

#include "support/support_pass.h"

namespace tovaris::support {

// The low-income limitations of one pass, each later rule overwriting what an earlier one wrote
// for the same parent: the limited shares, the texts, the "NA" marks and the limits button.
// Reads the basic shares, the combined income and both switches from `r`.
void ApplyLimitations(const Pass& pass, SupportResults& r);

}  // namespace tovaris::support
