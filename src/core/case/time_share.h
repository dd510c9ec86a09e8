#pragma once

#include <optional>

#include "case/case_record.h"
#include "common/interaction.h"

namespace tovaris {

// The four time-share fields of shared possession: the Claimant's share of time as a decimal
// (PercentOfTimeValue), the Claimant's nights per year (ClaimDays), and the Other Party's
// (PayerPerCent, PayerDays).
// Half the year: a child counts as residing with a parent for the care credit above it, and at
// it only with the parent of the greater income.
inline constexpr float kHalfYearNights = 182.5f;

enum class TimeShareField { ClaimShare, ClaimNights, PayerShare, PayerNights };

// After each keystroke in one of the four the other three are recomputed (nights add up to
// 365, shares to 1, share = nights / 365) and written as shares ".##0" and nights "###.0". An
// entry that is not a number counts as 0. A Claimant's share outside 0 to 1 is refused and
// emptied; "" and "." are left alone as the start of a typed share. With a row, the same four
// fields of that row of the parenting-time table ("ClaimDays(2)", ...) are kept in step.
void OnTimeShareChanged(CaseRecord& record, Interaction& interaction, TimeShareField changed,
                        std::optional<int> row = std::nullopt);

// Writes the other three fields of a parenting-time row from its Claimant's nights, as the
// table shows them after a case is opened. A row without nights is left empty.
void RestoreTimeShareRow(CaseFields& fields, int row);

}  // namespace tovaris
