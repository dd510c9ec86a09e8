#pragma once

#include <string>
#include <vector>

#include "case/case_fields.h"
#include "case/case_record.h"

namespace tovaris {

// The parenting-time table holds one row per child, row 0 the oldest; the case file keeps seven.
inline constexpr int kParentingRows = 7;
// The screen shows a row for each minor, at most five.
inline constexpr int kParentingRowsShown = 5;

// The Claimant's overnights per year with the child of `row`: the table's nights, or the Express
// Entry shared-custody nights when the row is empty (0 when neither is a number).
float ClaimNightsOfChild(const CaseFields& fields, int row);

// The Claimant's nights for the first `children` rows, oldest first.
std::vector<float> ClaimNightsOldestFirst(const CaseFields& fields, int children);

// The row captions for a family of `children`: "Only Child", or "Oldest Child" down to
// "Youngest Child"; with more children than rows the first reads "Oldest Child(ren)".
std::vector<std::string> ParentingRowLabels(int children);

// The caption of the average nights of a family of k children: "1 Child", "2 Children", and
// "5 or More Children" for the last row when the case has more minors than rows.
std::string FamilySizeCaption(int k, int minors);

// After a case is read: each row's Other Party's nights and both shares follow its Claimant's
// nights again.
void RestoreParentingRows(CaseRecord& record);

}  // namespace tovaris
