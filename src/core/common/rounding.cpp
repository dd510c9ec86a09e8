#include "common/rounding.h"

#include <cmath>

namespace tovaris {

double RoundDollars(double x) {
    return x >= 0 ? std::floor(x + 0.5) : -std::floor(-x + 0.5);
}

double RoundHalfEven(double x) {
    return std::nearbyint(x);  // default FE_TONEAREST is half to even
}

}  // namespace tovaris
