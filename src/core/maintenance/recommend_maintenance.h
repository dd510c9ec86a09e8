#pragma once

#include "case/case_record.h"

namespace tovaris {

// The case score of record.results.maintenance (score and verdict comment) from the read-in's
// case facts. A new score discards an award typed on the maintenance screen (AwardOverride
// "N").
void ComputeCaseScore(CaseRecord& record);

// The maintenance recommendation over the current case score, in this order (amounts yearly,
// arithmetic in double, results stored as single):
//   - the status line is reset;
//   - both parties' taxes without maintenance; the award the case score and the adjusted
//     incomes call for (SuggestAward: target share, gross-ups, differential rate, weak-case
//     reduction, floors and ceilings); a weak case left with almost nothing gets the "unlikely"
//     comment;
//   - the term sentences, on the award before it is rounded to whole dollars per month;
//   - SuggestedAward in whole months, kept as SuggestedAwardSaved unless an override or an
//     unallocated transfer is in force; taxed to the payee, a typed award replaces it and the
//     status line says so;
//   - SettleAward: the taxes, child support and net incomes with the award in place, and for
//     an award taxed to the payer its after-tax size;
//   - UnallocatedMode back to "N".
// Throws tax::ArithmeticError when a tax run overflows; the case is then half recalculated and
// the caller reports the error.
void RecommendMaintenance(CaseRecord& record);

}  // namespace tovaris
