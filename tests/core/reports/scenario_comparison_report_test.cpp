#include <gtest/gtest.h>

#include "report_case.h"
#include "reports/document_text.h"
#include "reports/scenario_comparison_report.h"

namespace tovaris {
namespace {

using reports::Document;
using reports::FixedTextMetrics;

// A comparison as the engine leaves it: figures in a table, each one that differs from
// "Current" marked, and the term sentences after the table, where they cannot push the columns
// off the page.
TEST(ScenarioComparisonReport, MarksDifferencesAndPrintsSentencesAfterTheTable) {
    const CaseRecord record = testing::CalculatedExample("Custodial", false);
    whatif::Comparison comparison;
    comparison.names = {"Current", "Option B"};
    comparison.notes = {"", "Please Enter The Years Of Marriage."};
    comparison.rows = {
        {"Child Support/Month", {"$1,898", "$1,395"}, {false, true}},
        {"Suggested Maintenance Term",
         {" Three Years Of Maintenance Should Be Awarded.", ""},
         {false, true}},
    };
    FixedTextMetrics metrics;
    Document document(metrics);
    reports::ComposeScenarioComparison(document, record, comparison, testing::PreparerContext());
    EXPECT_EQ(document.pages().size(), 1u);
    const std::string text = reports::DocumentText(document);
    const char* expected[] = {
        "| Scenario Comparison\n",
        "| $1,395 *\n",
        "| Suggested Maintenance Term\n",
        "| Current:  Three Years Of Maintenance Should Be Awarded.\n",
        "| * Differs From Current.\n",
        "| Option B Was Not Calculated: Please Enter The Years Of Marriage.\n"};
    size_t at = 0;
    for (const char* line : expected) {
        const size_t found = text.find(line, at);
        EXPECT_NE(found, std::string::npos) << line << "\n" << text;
        at = found == std::string::npos ? at : found;
    }
}

}  // namespace
}  // namespace tovaris
