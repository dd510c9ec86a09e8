#pragma once

#include <functional>

#include "common/interaction.h"

namespace tovaris {

// Shown when an amount overflows a calculation; the case is left as it was entered.
inline constexpr const char* kCalculationErrorTitle = "Calculation Error";
inline constexpr const char* kCalculationErrorMessage =
    "The Calculation Could Not Be Completed Because An Amount Is Too Large. Please Check The "
    "Income And Expense Entries.";

// Runs a calculation for a command; an overflow is reported with the calculation error message
// and gives false.
bool RunReportingOverflow(Interaction& interaction, const std::function<void()>& calculation);

}  // namespace tovaris
