#pragma once

#include <ctime>
#include <string>

#include "case/case_record.h"
#include "case/preferences.h"
#include "reports/document.h"

namespace tovaris::reports {

// What a printed document takes from outside the case: the preparer preferences and the date.
struct ReportContext {
    PreparerSettings preparer;
    std::string date;  // "12/06/2026"
};

// The date as the reports print it, month first.
std::string ReportDate(std::time_t when);

inline constexpr const char* kCaseNameTitle = "Case Name:  ";

// The standard header: the title with the case name (left out when the name is empty or a
// single blank), then the preparer, office and date lines whose switches are on, then a blank
// line.
void WriteReportHeader(Document& document, const std::string& title, const std::string& caseName,
                       const ReportContext& context);

// A case report's page set-up: margins 720, 720, 700 and 360 twips.
void OpenCaseReport(Document& document, const std::string& source);

// The common start of the case reports: body alignment and font, the first line at 600 twips,
// an empty paragraph and the header.
void StartCaseReport(Document& document, const std::string& title, const CaseRecord& record,
                     const ReportContext& context);

}  // namespace tovaris::reports
