#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "case/case_record.h"
#include "reports/document.h"
#include "reports/report_header.h"

namespace tovaris::cli {

// Draws report documents: the headless program's PDF writer on Qt's offscreen platform, or
// nothing at all in the tests, which then see the text runs only.
class ReportRenderer {
  public:
    virtual ~ReportRenderer() = default;
    virtual const reports::TextMetrics& metrics() const = 0;
    // Writes the file whole or not at all; returns the one-line reason of a failure.
    virtual std::string WritePdf(const reports::Document& document,
                                 const std::string& path) const = 0;
};

// "report KIND ... -o FILE.pdf" or "... --text": which report and where it goes.
struct ReportRequest {
    std::string kind;  // "childsupport", "maintenance", "worksheets", "split-attachment",
                       // "synopsis", "order-summary", "income" or "credits"
    std::string pdfPath;
    bool text = false;
    reports::ReportContext context;
};

// Takes the report's own arguments out of a "report" command line, leaving the command that
// calculates what the report prints ("childsupport CASE.QCF [options]"; "worksheet" for the
// worksheet reports, "tax" for the tax reports). Sets `error` and gives nullopt for a bad line.
std::optional<ReportRequest> TakeReportArguments(std::vector<std::string>& args,
                                                 std::string& error);

// Whether the report prints the worksheet.
bool IsWorksheetReport(const std::string& kind);

// Composes the report on the calculated case and writes it as asked.
int WriteReport(const ReportRequest& request, const CaseRecord& record,
                const ReportRenderer* renderer, std::ostream& out, std::ostream& err);

}  // namespace tovaris::cli
