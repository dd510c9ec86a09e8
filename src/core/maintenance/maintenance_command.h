#pragma once

#include <functional>

#include "case/express_read_in.h"
#include "tax/calculation_error.h"

namespace tovaris {

// The Express Entry "Maintenance" button: the maintenance read-in, both income screens and the
// parenting-time table brought up to date, the child support the award starts from when
// maintenance feeds child support, then the case score and the recommendation. `afterReadIn`
// runs between the read-in and the calculation (the headless program takes its snapshot there).
// An overflow is reported with the calculation error message and ends the command as a stop.
ReadInResult RunMaintenanceCommand(CaseRecord& record, Interaction& interaction,
                                   const std::function<void()>& afterReadIn = {});

inline constexpr const char* kApplyDeviationTitle = "Apply Deviation";
inline constexpr const char* kApplyDeviationQuestion =
    "Do You Wish To Apply A Deviation For The Children From Other Relationships When Calculating "
    "The Maintenance Recommendation?";

// The child support a recommendation starts from when maintenance feeds child support: the
// calculation without maintenance. Does nothing otherwise. Throws tax::ArithmeticError.
void CalculateStartingChildSupport(CaseRecord& record);

}  // namespace tovaris
