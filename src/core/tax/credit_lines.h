#pragma once

#include <string>
#include <vector>

#include "case/case_record.h"
#include "case/income_fields.h"

namespace tovaris::tax {

// The party's federal credits as the credits pop-up shows them after a calculation: a heading
// ("Claimant - Tax Credits" / "Other Parent - Tax Credits") and the lines in their order, each
// label with its amount formatted "$##,###,##0".
struct CreditLines {
    std::string heading;
    std::vector<std::string> lines;
    // Under the 2023 law: the notice, then the figures the law's rules changed (see
    // LawDifferenceLines). Empty under the schedule's rules.
    std::vector<std::string> ruleNotes;
};

CreditLines PartyCreditLines(const CaseRecord& record, IncomeParty party);

}  // namespace tovaris::tax
