#pragma once

#include <functional>
#include <string>

#include "case/express_read_in.h"
#include "tax/calculation_error.h"

namespace tovaris {

// The Express Entry "Child Support" button: the read-in with its questions, both income screens
// and the parenting-time table brought up to date, then the calculation. `afterReadIn` runs
// between the read-in and the calculation (the headless program takes its snapshot there).
ReadInResult RunChildSupportCommand(CaseRecord& record, Interaction& interaction,
                                    const std::function<void()>& afterReadIn = {});

// What the Express Entry calculation buttons share after their read-in: the question about
// gross incomes without income screen entries (WarnNoIncomeEntries), `afterReadIn`, then,
// unless the read-in stopped, both income screens and the parenting-time table brought up to
// date and the calculation. An overflow ends the command as a stop with the calculation error.
ReadInResult CalculateAfterReadIn(CaseRecord& record, Interaction& interaction, ReadInResult readIn,
                                  const std::function<void()>& afterReadIn,
                                  const std::function<void()>& calculation);

// Runs the child support calculation for a command of a shown screen; an overflow is reported
// with the calculation error message and gives false.
bool RecalculateChildSupport(CaseRecord& record, Interaction& interaction);

// Said instead of a transfer when the case has no minor children: no pass runs.
inline constexpr const char* kNoMinorsSentence =
    "There Are No Minor Children In This Case, So There Is No Child Support.";

// The deviation the paying parent's transfer carries, when it is applied: " Minus A Whole Family
// Deviation Of $120", or why it does not apply.
std::string DeviationPhrase(const CaseRecord& record);

// The results' transfer sentence: "Child Support Is $1,094 Per Month. Paid By Other Parent. ",
// with the deviation when it is applied.
std::string TransferSentence(const CaseRecord& record);

}  // namespace tovaris
