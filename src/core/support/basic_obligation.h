#pragma once

#include <array>
#include <cstdint>

#include "support/extrapolation.h"

namespace tovaris::support {

// Monthly support for child positions 1..10 (index 0 is position 1); positions beyond the
// family are 0.
inline constexpr int kPerChildPositions = 10;
using PerChildSupport = std::array<float, kPerChildPositions>;

struct BasicObligationLookup {
    PerChildSupport perChild{};
    float total = 0;            // the family's basic support obligation per month
    bool extrapolated = false;  // priced above the table by Curve or Linear
};

// The basic support obligation of a family of childCount children at a combined monthly net
// income. extrapolate is the case's ExtrapolateFlag: only 1 lets `method` price an income
// above $12,000; otherwise such an income prices at the $12,000 row.
BasicObligationLookup LookupBasicObligation(int16_t childCount, float combinedNet,
                                            int16_t extrapolate, ExtrapolationMethod method);

}  // namespace tovaris::support
