#pragma once

namespace tovaris::maintenance {

// A single-precision entry as the decimal number it was typed as (0.45f -> 0.45, not
// 0.449999988). Bounds such as a 45 % share of time or 17.8 years are written in decimal, so a
// value typed exactly on a bound must fall on it rather than just below it.
double AsTyped(float value);

}  // namespace tovaris::maintenance
