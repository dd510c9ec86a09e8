#include "maintenance/diff_rate.h"

#include <algorithm>
#include <array>

#include "maintenance/piecewise.h"

namespace tovaris::maintenance {
namespace {

constexpr std::array<Piece, 8> kRates{{
    {20000, true, 1},
    {25000, true, 0.98},
    {30000, true, 0.96},
    {35000, true, 0.94},
    {40000, true, 0.92},
    {90000, true, 0.91},
    {290000, true, 0.91, 90000, -0.212 / 200000},
    {kNoLimit, false, 0.698, 290000, -0.01 / 25000},
}};

constexpr double kMinRate = 0.48;

}  // namespace

double DiffRate(double differential) {
    return std::max(EvaluatePieces(kRates, differential), kMinRate);
}

}  // namespace tovaris::maintenance
