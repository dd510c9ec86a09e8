#pragma once

#include "case/case_record.h"
#include "reports/document.h"
#include "reports/report_header.h"
#include "whatif/scenario_comparison.h"

namespace tovaris::reports {

// "Compare Scenarios" on one page: the scenarios' figures side by side, each figure that
// differs from "Current" marked with an asterisk, and why a scenario could not be calculated.
void ComposeScenarioComparison(Document& document, const CaseRecord& record,
                               const whatif::Comparison& comparison, const ReportContext& context);

}  // namespace tovaris::reports
