#pragma once

#include <limits>
#include <span>

namespace tovaris::maintenance {

inline constexpr double kNoLimit = std::numeric_limits<double>::infinity();

// One piece of a piecewise-linear scale. A piece takes every x that no earlier piece took and
// that lies below `upper` (or on it, when `includesUpper`); its value is
// base + (x - origin) * slope, so a flat piece needs only `base`.
struct Piece {
    double upper;
    bool includesUpper;
    double base;
    double origin = 0;
    double slope = 0;
};

// The value of the first piece that takes x; the last piece takes whatever is left.
double EvaluatePieces(std::span<const Piece> pieces, double x);

}  // namespace tovaris::maintenance
