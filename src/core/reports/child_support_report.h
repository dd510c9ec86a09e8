#pragma once

#include "case/case_record.h"
#include "reports/document.h"
#include "reports/report_header.h"

namespace tovaris::reports {

// The child support report of the results screen, written between the document's opening and
// closing: header, party columns, case facts, the standard calculation, the transfer with its
// notes and, with more than one minor, the support by number of children.
void PrintChildSupportReport(Document& document, const CaseRecord& record,
                             const ReportContext& context);

// The whole document as the results screen's print command makes it.
void ComposeChildSupportReport(Document& document, const CaseRecord& record,
                               const ReportContext& context);

}  // namespace tovaris::reports
