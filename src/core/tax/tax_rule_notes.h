#pragma once

#include <string>
#include <vector>

#include "case/case_options.h"
#include "case/case_record.h"
#include "case/income_fields.h"

namespace tovaris::tax {

// The line every results screen and report that prints taxes carries for the option: "Federal
// taxes computed under 2023 federal tax law." under the law's rules, nothing (empty) under the
// schedule's.
std::string FederalTaxRulesNotice(FederalTaxRules rules);

// Under the 2023 law, one line for each of the party's tax figures the law's rules changed from
// the schedule's, in the order of the credits page, e.g. "EITC: 1,667.54 under 2023 law; 719.83
// under schedule rules". Both come from the tax steps run again on copies of the case, with
// the monthly maintenance of the last calculation. Empty under the schedule's rules, before a
// child support calculation, or when nothing changed.
std::vector<std::string> LawDifferenceLines(const CaseRecord& record, IncomeParty party);

// What a results screen or report prints about the rules: the notice, then both parties'
// difference lines, each after " Claimant - " or " Other Party - ". Empty under the schedule's
// rules.
std::vector<std::string> TaxRulesNotes(const CaseRecord& record);

}  // namespace tovaris::tax
