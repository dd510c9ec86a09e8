#include <gtest/gtest.h>

#include "report_case.h"
#include "reports/child_support_report.h"
#include "reports/document_text.h"
#include "reports/maintenance_report.h"

namespace tovaris {
namespace {

using reports::Document;
using reports::FixedTextMetrics;
using testing::CalculatedExample;

std::string ChildSupportText(const CaseRecord& record, const reports::ReportContext& context) {
    FixedTextMetrics metrics;
    Document document(metrics);
    reports::ComposeChildSupportReport(document, record, context);
    EXPECT_TRUE(document.closed());
    EXPECT_EQ(document.source(), reports::kSourceSupportResults);
    return reports::DocumentText(document);
}

std::string MaintenanceText(const CaseRecord& record, const reports::ReportContext& context) {
    FixedTextMetrics metrics;
    Document document(metrics);
    reports::ComposeMaintenanceReport(document, record, context);
    EXPECT_TRUE(document.closed());
    EXPECT_EQ(document.source(), reports::kSourceMaintenance);
    return reports::DocumentText(document);
}

TEST(CaseReports, ChildSupportReportsMatchTheirGoldenText) {
    for (const char* name : testing::kExampleNames) {
        const CaseRecord record = CalculatedExample(name, false);
        testing::ExpectGolden(ChildSupportText(record, testing::PreparerContext()),
                              std::string("childsupport_") + name + ".txt");
    }
}

TEST(CaseReports, MaintenanceReportsMatchTheirGoldenText) {
    for (const char* name : testing::kExampleNames) {
        const CaseRecord record = CalculatedExample(name, true);
        testing::ExpectGolden(MaintenanceText(record, testing::PreparerContext()),
                              std::string("maintenance_") + name + ".txt");
    }
}

// No case name, no header switches: the report goes from the empty paragraph straight to the
// blank line and the body.
TEST(CaseReports, NamelessCaseWithAllSwitchesOffStartsWithTheBody) {
    CaseRecord record = CalculatedExample("Custodial", false);
    record.fields.SetText("ClaimantName", " ");
    const reports::ReportContext context{{"Pat", "Office", false, false, false}, "12/06/2026"};
    const std::string text = ChildSupportText(record, context);
    EXPECT_EQ(text.find("Report For"), std::string::npos);
    EXPECT_EQ(text.find("Prepared By"), std::string::npos);
    // 600 twips, the empty paragraph and the blank line of 288 twips each.
    EXPECT_NE(text.find("y 1176 x 0 Tahoma 12 b | Case Data\n"), std::string::npos) << text;
}

TEST(CaseReports, MaintenanceReportShowsAComputedPresentValueInSmallType) {
    CaseRecord record = CalculatedExample("Custodial", true);
    EXPECT_NE(MaintenanceText(record, testing::PreparerContext())
                  .find("| No Present Value Calculation\n"),
              std::string::npos);
    maintenance::MaintenanceResults& m = record.results.maintenance;
    m.HasPresentValue = true;
    m.PVDuration = 5;
    m.PVTaxRate = 0.25f;
    m.PVDiscountRate = 0.05f;
    m.PresentValue = 123456.4f;
    const std::string text = MaintenanceText(record, testing::PreparerContext());
    EXPECT_EQ(text.find("No Present Value Calculation"), std::string::npos);
    for (const char* line :
         {"Tahoma 8 | Duration In Years = 5.0\n", "Tahoma 8 | Tax Rate = 25.0%\n",
          "Tahoma 8 | Discount Rate = 5.0%\n", "Tahoma 8 | Present Value = $123,456\n"}) {
        EXPECT_NE(text.find(line), std::string::npos) << line;
    }
}

TEST(CaseReports, NoMinorsCaseHasNoChildSupportRows) {
    const CaseRecord record = CalculatedExample("NoMinorsMaintenance", false);
    const std::string text = ChildSupportText(record, testing::PreparerContext());
    EXPECT_NE(text.find("| Claimant (no minors)\n"), std::string::npos) << text;
    EXPECT_NE(text.find("| Other Party (no minors)\n"), std::string::npos);
    for (const char* absent : {"Child Support/Month", "Care & Health Paid", "Child Support Is"}) {
        EXPECT_EQ(text.find(absent), std::string::npos) << absent;
    }
}

}  // namespace
}  // namespace tovaris
