#pragma once

#include "case/case_record.h"
#include "maintenance/maintenance_taxes.h"

namespace tovaris::maintenance {

struct AwardSuggestion {
    double TargetShare = 0;
    double DiffRate = 0;
    double Award = 0;       // yearly, after the floors and ceilings, not yet in whole months
    bool Unlikely = false;  // a weak case left with less than 250 a year
};

// The yearly award the case score and both parties' incomes call for, from the taxes estimated
// without maintenance (noAward) and the case score of record.results.maintenance.
AwardSuggestion SuggestAward(const CaseRecord& record, const TaxFigures& noAward);

}  // namespace tovaris::maintenance
