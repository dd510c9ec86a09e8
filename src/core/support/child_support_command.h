#pragma once

#include <functional>
#include <string>

#include "case/express_read_in.h"

namespace tovaris {

// The Express Entry "Child Support" button: the read-in with its questions, both income screens
// and the parenting-time table brought up to date, then the calculation. `afterReadIn` runs
// between the read-in and the calculation (the headless program takes its snapshot there).
ReadInResult RunChildSupportCommand(CaseRecord& record, Interaction& interaction,
                                    const std::function<void()>& afterReadIn = {});

// Shown when an amount overflows the calculation; the case is left as it was entered.
inline constexpr const char* kCalculationErrorTitle = "Calculation Error";
inline constexpr const char* kCalculationErrorMessage =
    "The Calculation Could Not Be Completed Because An Amount Is Too Large. Please Check The "
    "Income And Expense Entries.";

// Runs the child support calculation for a command of a shown screen; an overflow is reported
// with the calculation error message and gives false.
bool RecalculateChildSupport(CaseRecord& record, Interaction& interaction);

// The results' transfer sentence: "Child Support Is $1,094 Per Month. Paid By Other Parent. ",
// with the deviation when it is applied.
std::string TransferSentence(const CaseRecord& record);

}  // namespace tovaris
