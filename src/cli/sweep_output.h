#pragma once

#include <nlohmann/json.hpp>
#include <ostream>

#include "whatif/sweep.h"

namespace tovaris::cli {

// The `sweep` command's JSON: the request, the case as it stands (`current`), the points and the
// thresholds.
nlohmann::ordered_json SweepJson(const whatif::Sweep& sweep);

// The same series as CSV: a header line, one line per point (a stopped point has empty figures
// and its message), then one "# threshold" line per threshold.
void WriteSweepCsv(const whatif::Sweep& sweep, std::ostream& out);

}  // namespace tovaris::cli
