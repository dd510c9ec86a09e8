#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "case/case_options.h"

namespace tovaris::support {

// How support is priced for a combined net income above the top of the economic table. The
// user picks one of the three menu items; the Express Entry, results and worksheet menus keep
// the same item checked.
enum class ExtrapolationMethod {
    Dont,    // price at the $12,000 row
    Curve,   // regression over the table's $11,000-$12,000 rows
    Linear,  // regression over the table's $9,000-$12,000 rows
};

// The menu caption of each item, as the menus show it.
std::string_view MenuCaption(ExtrapolationMethod method);

// The method of the case's extrapolation menu choice.
ExtrapolationMethod ExtrapolationOf(Extrapolation choice);

// The case's ExtrapolateFlag for a checked item: 1 for Curve or Linear, 0 for Dont.
int16_t ExtrapolateFlagFor(ExtrapolationMethod method);

// The extrapolated per-child amount for a family size column (1..5) and a combined income, or
// nullopt when the method does not extrapolate. Callers test the income against the table top.
std::optional<float> ExtrapolatedPerChild(ExtrapolationMethod method, int column,
                                          float combinedNet);

}  // namespace tovaris::support
