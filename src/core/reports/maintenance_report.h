#pragma once

#include "case/case_record.h"
#include "reports/document.h"
#include "reports/report_header.h"

namespace tovaris::reports {

// The spousal maintenance report of the maintenance screen, written between the document's
// opening and closing: header, case score, term, award, case data, the party columns and the
// present value.
void PrintMaintenanceReport(Document& document, const CaseRecord& record,
                            const ReportContext& context);

// The whole document as the maintenance screen's print command makes it.
void ComposeMaintenanceReport(Document& document, const CaseRecord& record,
                              const ReportContext& context);

}  // namespace tovaris::reports
