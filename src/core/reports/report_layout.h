#pragma once

#include <span>
#include <string>
#include <vector>

#include "common/display_row.h"
#include "reports/document.h"

namespace tovaris::reports {

// Starts a new page unless `lines` more lines of the current font fit on this one, so that a
// short section is not split between pages.
void KeepTogether(Document& document, size_t lines);

// A section heading in bold, followed by the section in the body font.
void WriteHeading(Document& document, const std::string& heading);

void WriteLines(Document& document, const std::vector<std::string>& lines);

// Label/value pairs: each value placed `gap` twips after the measured width of the widest label.
void WritePairs(Document& document, const DisplayRows& rows, double left = 0, double gap = 0);

// Two parties' figure columns side by side under their headings, each value right-aligned in
// a column after that side's widest label.
void WriteColumns(Document& document, const std::string& leftHeading,
                  const std::string& rightHeading, const DisplayRows& left,
                  const DisplayRows& right);

// A table: each column starts after the widest text of the column before it; the first row is
// the headings, in bold.
void WriteTable(Document& document, const std::vector<std::vector<std::string>>& rows);

// A report's own wording for a row the screens label differently; an empty `report` drops the
// row.
struct Relabel {
    const char* screen;
    const char* report;
};

DisplayRows Relabelled(DisplayRows rows, std::span<const Relabel> table);

// Party headings of the case reports: "Claimant (custodial)" / "Other Parent (non-custodial)".
struct PartyHeadings {
    std::string claim;
    std::string other;
};
PartyHeadings ReportPartyHeadings(const std::string& custodyType);

}  // namespace tovaris::reports
