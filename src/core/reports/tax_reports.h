#pragma once

#include "case/case_record.h"
#include "reports/document.h"
#include "reports/report_header.h"

namespace tovaris::reports {

// "Print Income Popups": every income, adjustment and deduction entry of both parties' income
// screens as yearly amounts, and for each party filing jointly a page with the new spouse's.
void ComposeIncomeReport(Document& document, const CaseRecord& record,
                         const ReportContext& context);

// The "TAX CREDITS" window's page "Federal Tax Credits": both parties' credit breakdowns.
void ComposeCreditsPage(Document& document, const CaseRecord& record, const ReportContext& context);

}  // namespace tovaris::reports
