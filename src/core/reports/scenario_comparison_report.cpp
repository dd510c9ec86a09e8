#include "reports/scenario_comparison_report.h"

#include "reports/report_layout.h"
#include "reports/text_metrics.h"

namespace tovaris::reports {
namespace {

constexpr const char* kDifferenceMark = " *";
constexpr const char* kDifferenceNote = "* Differs From Current.";

std::vector<std::vector<std::string>> TableOf(const whatif::Comparison& comparison) {
    std::vector<std::vector<std::string>> rows;
    rows.push_back({""});
    rows.back().insert(rows.back().end(), comparison.names.begin(), comparison.names.end());
    for (const whatif::ComparisonRow& row : comparison.rows) {
        rows.push_back({row.label});
        for (size_t c = 0; c < row.values.size(); ++c) {
            rows.back().push_back(row.values[c] + (row.differs[c] ? kDifferenceMark : ""));
        }
    }
    return rows;
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
