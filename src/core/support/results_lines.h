#pragma once

#include <string>
#include <vector>

#include "case/case_record.h"

namespace tovaris {

// Lines of the child support results that the results screen and the report share, each as the
// program shows it.

// For shared and split cases the line naming the method and, for shared cases, the line with
// its factors: " Shared: Simple Sum Of Days Formula.", "(.400 Of $900) Minus (.600 Of $400) Is
// The Net Transfer. ". None for the other custody types.
std::vector<std::string> MethodLines(const CaseRecord& record);

// " Child #1: $795 /Month" for each child priced; dual worksheets list each household under
// "     -Claimant's Family-" and "     -Other Parent's Family-".
std::vector<std::string> PerChildLines(const CaseRecord& record);

// What the economic table says about the combined income and the extrapolation used.
std::vector<std::string> TableNotes(const CaseRecord& record);

}  // namespace tovaris
