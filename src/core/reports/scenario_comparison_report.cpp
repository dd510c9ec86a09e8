#include "reports/scenario_comparison_report.h"

#include <algorithm>

#include "reports/report_layout.h"
#include "reports/text_metrics.h"

namespace tovaris::reports {
namespace {

constexpr const char* kDifferenceMark = " *";
constexpr const char* kDifferenceNote = "* Differs From Current.";

// A sentence would push the columns after it off the page; such rows follow the table.
constexpr size_t kLongestFigure = 24;

bool IsSentence(const whatif::ComparisonRow& row) {
    return std::any_of(row.values.begin(), row.values.end(),
                       [](const std::string& value) { return value.size() > kLongestFigure; });
}

std::string Marked(const whatif::ComparisonRow& row, size_t c) {
    return row.values[c] + (row.differs[c] ? kDifferenceMark : "");
}

std::vector<std::vector<std::string>> TableOf(const whatif::Comparison& comparison) {
    std::vector<std::vector<std::string>> rows;
    rows.push_back({""});
    rows.back().insert(rows.back().end(), comparison.names.begin(), comparison.names.end());
    for (const whatif::ComparisonRow& row : comparison.rows) {
        if (IsSentence(row)) {
            continue;
        }
        rows.push_back({row.label});
        for (size_t c = 0; c < row.values.size(); ++c) {
            rows.back().push_back(Marked(row, c));
        }
    }
    return rows;
}

void WriteSentences(Document& document, const whatif::Comparison& comparison) {
    for (const whatif::ComparisonRow& row : comparison.rows) {
        if (!IsSentence(row)) {
            continue;
        }
        document.WriteLine("");
        WriteHeading(document, row.label);
        for (size_t c = 0; c < row.values.size(); ++c) {
            document.WriteLine(comparison.names[c] + ": " + Marked(row, c));
        }
    }
}

}  // namespace

void ComposeScenarioComparison(Document& document, const CaseRecord& record,
                               const whatif::Comparison& comparison, const ReportContext& context) {
    OpenCaseReport(document, "Scenarios");
    document.SetFont(kReportFontName, 9);
    WriteReportHeader(document, kCaseNameTitle, record.fields.Text("ClaimantName"), context);
    WriteHeading(document, "Scenario Comparison");
    document.WriteLine("");
    WriteTable(document, TableOf(comparison));
    WriteSentences(document, comparison);
    document.WriteLine("");
    document.WriteLine(kDifferenceNote);
    for (size_t c = 0; c < comparison.notes.size(); ++c) {
        if (!comparison.notes[c].empty()) {
            document.WriteLine(comparison.names[c] + " Was Not Calculated: " + comparison.notes[c]);
        }
    }
    document.ClosePreviewDocument();
}

}  // namespace tovaris::reports
