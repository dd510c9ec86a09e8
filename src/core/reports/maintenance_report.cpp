#include "reports/maintenance_report.h"

#include <array>

#include "common/format.h"
#include "maintenance/maintenance_rows.h"
#include "reports/report_layout.h"

namespace tovaris::reports {

namespace {

constexpr float kPresentValueSize = 8;

constexpr std::array<Relabel, 4> kCaseDataRelabels{{
    {"       - Split Custody -", "    - Split Custody -"},
    {"       - Shared Custody -", "    - Shared Custody - "},
    {" Claimant's Children =", " Claimant's Children"},
    {" Other's Children =", " Other's Children"},
}};

// The screen's sentence ends "No Maintenance Is Recommended." with a period; the report's not.
std::string AwardLine(const maintenance::MaintenanceDisplay& display) {
    std::string line = display.awardSentence;
    if (line == " No Maintenance Is Recommended.") {
        line.pop_back();
    }
    return line;
}

void WriteRows(Document& document, const DisplayRows& rows) {
    for (const DisplayRow& row : rows) {
        document.WriteLine(row.label);
    }
}

void WritePresentValue(Document& document, const maintenance::MaintenanceResults& m) {
    WriteHeading(document, "Present Value");
    if (!m.HasPresentValue || m.PresentValue < 0) {
        document.WriteLine("No Present Value Calculation");
        return;
    }
    const ReportFont body = document.font();
    document.SetFont(body.name, kPresentValueSize);
    document.WriteLine("");
    document.WriteLine("Duration In Years = " + FormatSingle(m.PVDuration, "##0.0#"));
    document.WriteLine("Tax Rate = " + FormatSingle(m.PVTaxRate, "##0.0#%"));
    document.WriteLine("Discount Rate = " + FormatSingle(m.PVDiscountRate, "##0.0#%"));
    document.WriteLine("Present Value = " + FormatSingle(m.PresentValue, "$##,###,##0"));
    document.SetFont(body.name, body.size);
}

}  // namespace

void PrintMaintenanceReport(Document& document, const CaseRecord& record,
                            const ReportContext& context) {
    StartCaseReport(document, "Spousal Maintenance Report For:  ", record, context);
    const maintenance::MaintenanceDisplay display = maintenance::MaintenanceDisplayOf(record);
    WriteHeading(document, "Case Score Summary");
    document.WriteLine("The Case Score on a Scale of 0 to 100 is: " + display.caseScore);
    document.WriteLine("");
    WriteRows(document, display.comment);
    document.WriteLine("");
    WriteHeading(document, "Spousal Maintenance Term Recommendations");
    WriteRows(document, display.terms);
    document.WriteLine("");
    WriteHeading(document, "Suggested Spousal Maintenance Award");
    document.WriteLine(AwardLine(display));
    document.WriteLine("");
    WriteHeading(document, "Case Data");
    WritePairs(document, Relabelled(display.caseData, kCaseDataRelabels));
    document.WriteLine("");
    const PartyHeadings headings = ReportPartyHeadings(record.globals.CustodyType);
    WriteColumns(document, headings.claim, headings.other, display.claimColumn,
                 display.payerColumn);
    document.WriteLine("");
    if (!display.taxRulesNotice.empty()) {
        document.WriteLine(display.taxRulesNotice);
        document.WriteLine("");
    }
    WritePresentValue(document, record.results.maintenance);
}

void ComposeMaintenanceReport(Document& document, const CaseRecord& record,
                              const ReportContext& context) {
    OpenCaseReport(document, kSourceMaintenance);
    PrintMaintenanceReport(document, record, context);
    document.ClosePreviewDocument();
}

}  // namespace tovaris::reports
