#pragma once

#include <string>
#include <vector>

#include "case/case_record.h"
#include "common/display_row.h"

namespace tovaris {

// Everything the child support results panel shows after a calculation, in the order it is
// drawn. The results screen lays it out in its two columns; the child support report and the
// headless program print the same rows.
struct SupportDisplay {
    std::string claimHead;  // "Claimant (custodial)"
    std::string otherHead;
    DisplayRows claimIncome;  // " Gross Income" ... " 45% Of Net Income"
    DisplayRows otherIncome;
    DisplayRows caseFacts;
    DisplayRows obligations;
    std::string transfer;  // TransferSentence
    std::vector<std::string> method;
    std::vector<std::string> perChild;
    std::vector<std::string> tableNotes;
    std::vector<std::string> limitReasons;  // see LimitReasons
    std::vector<std::string> taxNotes;      // see tax::TaxRulesNotes
};

SupportDisplay BuildSupportDisplay(const CaseRecord& record);

// Why the limits button is live: the limitation texts the calculation wrote, while a limitation
// is flagged (shown or not); none otherwise.
std::vector<std::string> LimitReasons(const CaseRecord& record);

// The two column heads for the case's custody type.
std::pair<std::string, std::string> ColumnHeads(const CaseRecord& record);

// " Income/Month": the party's adjusted net income with the child support received (+) or paid
// (-), less the care and health expenses the party pays.
double HouseholdIncomeMonthly(const CaseRecord& record, bool claimant);

// One party's income lines: yearly from the gross income down to " Pre Adj Income", then
// monthly.
DisplayRows IncomeRows(const CaseRecord& record, bool claimant);

DisplayRows CaseFactRows(const CaseRecord& record);

// Both parents' basic, expense and net obligations, with the limitation note while the limits
// are shown.
DisplayRows ObligationRows(const CaseRecord& record);

// The tier panel: support by number of children, largest family first, then its note.
std::vector<std::string> TierLines(const CaseRecord& record);

// The caption of the result frame while the tier panel is shown.
std::string TierCaption(const CaseRecord& record);

}  // namespace tovaris
