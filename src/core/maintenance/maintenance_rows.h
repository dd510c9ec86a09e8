#pragma once

#include <string>

#include "case/case_record.h"
#include "case/income_fields.h"
#include "common/display_row.h"

namespace tovaris::maintenance {

// The results text of the maintenance screen as rows: the screen lays them out in its areas,
// the maintenance report prints them and the headless program reports them.
struct MaintenanceDisplay {
    std::string caseScore;  // "##0.00"
    DisplayRows comment;    // one row per line of the verdict comment
    DisplayRows terms;      // TermLine1, and TermLine2 when there is one
    std::string awardSentence;
    std::string status;
    DisplayRows caseData;
    std::string claimHeading;
    std::string payerHeading;
    DisplayRows claimColumn;
    DisplayRows payerColumn;
    std::string taxRulesNotice;  // see tax::FederalTaxRulesNotice; empty by default
};

MaintenanceDisplay MaintenanceDisplayOf(const CaseRecord& record);

// The case facts the recommendation rests on: marriage, age, skills, children, custody,
// filing statuses, caregiving.
DisplayRows CaseDataRows(const CaseRecord& record);

// The two column headings, by custody from the Claimant's point of view.
struct ColumnHeadings {
    std::string claim;
    std::string payer;
};
ColumnHeadings ColumnHeadingsOf(const std::string& custodyType);

// One party's yearly figures with the award in place, from gross to net income.
DisplayRows PartyColumnRows(const CaseRecord& record, IncomeParty party);

}  // namespace tovaris::maintenance
