#pragma once

#include <cstdint>

#include "support/basic_obligation.h"

namespace tovaris::forms {

// What the last worksheet calculation found besides its lines: the children it priced and the
// economic table's per-child amounts, which the synopsis and the split attachment print.
struct WorksheetResults {
    int16_t children = 0;
    support::PerChildSupport perChild{};
    bool extrapolated = false;
};

}  // namespace tovaris::forms
