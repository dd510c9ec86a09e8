#pragma once

namespace tovaris::maintenance {

// The share of the gap to the target that the award closes, falling from 1 as the income
// differential after payroll tax (DifferentialAfterPayroll) grows; never below 0.48.
double DiffRate(double differential);

}  // namespace tovaris::maintenance
