#pragma once

#include "case/case_record.h"
#include "reports/document.h"
#include "reports/report_header.h"

namespace tovaris::reports {

// The financial declaration as the five pages of the court form, in the declaration's print
// font and size.
void ComposeDeclaration(Document& document, const CaseRecord& record, const ReportContext& context);

}  // namespace tovaris::reports
