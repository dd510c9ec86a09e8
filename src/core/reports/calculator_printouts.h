#pragma once

#include <string>

#include "case/case_record.h"
#include "common/display_row.h"
#include "reports/document.h"
#include "reports/report_header.h"

namespace tovaris::reports {

// What a bonus calculator shows after its run: its title ("ALIMONY BONUS CALCULATOR"), the
// yearly bonus and the result lines, the percentage line among them.
struct BonusSummaryInput {
    std::string source;  // the screen the calculator belongs to
    std::string title;
    double yearlyBonus = 0;
    DisplayRows lines;
};

// The bonus calculators' one-page summary.
void ComposeBonusSummary(Document& document, const CaseRecord& record,
                         const BonusSummaryInput& input, const ReportContext& context);

// The parenting-time printout "Parenting Time": nights by child, averages by family size and
// the two shared-schedule factors, for the `children` rows the screen shows.
void ComposeParentingTimePrintout(Document& document, const CaseRecord& record, int children,
                                  const ReportContext& context);

}  // namespace tovaris::reports
