#pragma once

#include <string>
#include <vector>

#include "common/display_row.h"
#include "reports/document.h"
#include "reports/report_header.h"

namespace tovaris::reports {

// One frame of a calculator window as printed: its caption and its lines. A line with a value
// is a label/value pair; a line without one (a question, a note) is text wrapped to the page.
struct SummarySection {
    std::string heading;
    DisplayRows rows;
    int columns = 1;  // long lists (a year-by-year projection) run down this many columns
};

// What an auxiliary calculator prints: its inputs and results as the window shows them.
struct CalculatorSummary {
    std::string source;  // the window printed from
    std::string title;
    std::vector<SummarySection> sections;
};

// The calculators' one-page summary: the title and the preparer lines, then each section.
void ComposeCalculatorSummary(Document& document, const CalculatorSummary& summary,
                              const ReportContext& context);

}  // namespace tovaris::reports
