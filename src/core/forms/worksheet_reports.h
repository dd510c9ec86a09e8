#pragma once

#include <string>
#include <vector>

namespace tovaris {

struct CaseRecord;

namespace forms {

// One printed line of the synopsis or the order summary: a caption and up to two figures, the
// Column 1 parent's ("Parent 1") and the Column 2 parent's; a figure of both parents stands in
// the first.
struct ReportLine {
    std::string label;
    std::string column1;
    std::string column2;

    bool operator==(const ReportLine&) const = default;
};

// The worksheet's children with their ages as the header prints them: "Ann (6), Ben (9)".
std::string WorksheetChildrenText(const CaseRecord& record);

// The lines of the "WorkSheet Synopsis" from the worksheet as it stands; the caller runs the
// synopsis calculation first.
std::vector<ReportLine> SynopsisLines(const CaseRecord& record);

// The lines of the "Child Support Order Summary Report" from the extra page and the header.
std::vector<ReportLine> OrderSummaryLines(const CaseRecord& record);

}  // namespace forms
}  // namespace tovaris
