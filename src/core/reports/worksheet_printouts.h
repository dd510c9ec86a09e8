#pragma once

#include "case/case_record.h"
#include "reports/document.h"
#include "reports/report_header.h"

namespace tovaris::reports {

// The five worksheet pages, followed in a split case by the residential split attachment, from
// the worksheet as it stands (a split case's caller runs the attachment's calculation first).
void ComposeWorksheets(Document& document, const CaseRecord& record, const ReportContext& context);

// The residential split attachment alone.
void ComposeSplitAttachment(Document& document, const CaseRecord& record,
                            const ReportContext& context);

// The "WorkSheet Synopsis" from the worksheet as its calculation left it.
void ComposeSynopsis(Document& document, const CaseRecord& record, const ReportContext& context);

// The "Child Support Order Summary Report" from the extra page's entries.
void ComposeOrderSummary(Document& document, const CaseRecord& record,
                         const ReportContext& context);

}  // namespace tovaris::reports
