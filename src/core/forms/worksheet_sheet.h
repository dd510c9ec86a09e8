#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "forms/worksheet_lines.h"

namespace tovaris {

struct CaseRecord;
class CaseFields;

namespace forms {

// Column index (0 = Column 1, 1 = Column 2) of the Claimant: Column 2 unless FParentOption is
// chosen on the Express Entry screen. The Other Party stands in the other column.
int ClaimantColumnIndex(const CaseRecord& record);

// A column's figure of a line: the sum of its boxes, each read as an amount entry is read
// (text that is no number counts 0).
double LineFigure(const CaseFields& fields, const WorksheetLine& line, int column);
double LineFigure(const CaseFields& fields, std::string_view id, int column);

// Writes a computed figure into the line's one box of the column in the line's format;
// nullopt leaves the box blank.
void SetLineFigure(CaseFields& fields, const WorksheetLine& line, int column,
                   std::optional<double> value);

// Whether a figure was typed on a line the user fills in (the header, the texts and the computed
// lines aside): a worksheet with entries prints as it stands.
bool HasWorksheetEntries(const CaseRecord& record);

// The text fields of the worksheet's lines and notes, line by line, Column 1 before Column 2.
std::vector<std::string_view> WorksheetLineFields();

}  // namespace forms
}  // namespace tovaris
