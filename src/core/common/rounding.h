#pragma once

namespace tovaris {

// Whole dollars, halves away from zero: 2.5 -> 3, -2.5 -> -3, 2.49 -> 2.
double RoundDollars(double x);

// Banker's rounding to whole units, as the maintenance award and score use.
double RoundHalfEven(double x);

}  // namespace tovaris
