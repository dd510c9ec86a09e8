#pragma once

#include "support/support_pass.h"

namespace tovaris::support {

// Each parent's deviation for his children from other relationships in this pass (0 where his
// method does not run), by the whole family or the second family method, and the deviation
// button. Runs after the limited shares are in place and before the shared Colorado factor.
void ComputeDeviations(const CaseRecord& record, const Pass& pass, SupportResults& r);

// Second family method: the part of a parent's net income set aside for the other children
// living in his household.
double HouseholdAllowanceRate(int childrenAtHome);

}  // namespace tovaris::support
