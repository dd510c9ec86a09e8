#pragma once

#include <array>

#include "forms/form_layout.h"
#include "forms/worksheet_form.h"

namespace tovaris {

struct CaseRecord;
class Interaction;

namespace forms {

inline constexpr int kSplitChildren = 5;

// The page "Attachment for Residential Split Adjustment", printed after the worksheets in split
// cases. Its figures stand in the slots "=A/0" ... "=G/1" (line and column), the children in
// "=child<k>" and their amounts in "=child<k>/<column>".
const FormPage& SplitAttachmentPage();

// Which column's parent each worksheet child lives with, by the Express Entry screen's
// per-child split choices: 0 (Column 1), 1 (Column 2) or -1 (no choice made).
std::array<int, kSplitChildren> SplitChildColumns(const CaseRecord& record);

// A split case prints the attachment after the worksheets.
bool PrintsSplitAttachment(const CaseRecord& record);

// The worksheet calculation the attachment needs before it prints (its per-child amounts), run
// for a split case only. False when an entry check stopped it.
bool CalculateForSplitAttachment(CaseRecord& record, Interaction& interaction);

// Adds the attachment's figures to `values` from the worksheet as the last calculation left
// it: A = line 9, B = the line 5 amounts of the children with that parent, C = A - B (0 when B
// is higher), D = line 14, E = C + D, F = line 16d, G = E - F.
void AddSplitAttachmentValues(const CaseRecord& record, WorksheetFormValues& values);

}  // namespace forms
}  // namespace tovaris
