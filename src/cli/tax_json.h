#pragma once

#include <nlohmann/json.hpp>

#include "case/case_record.h"
#include "tax/tax_results.h"

namespace tovaris::cli {

// The `tax` part of the output: both parties' outcome of the net-income phase.
nlohmann::ordered_json TaxJson(const TaxResults& tax, bool claimJoint, bool payerJoint);

// Under the 2023 law's rules: `TaxRules` "law", `Notice`, and per party `LawDifferences` (the
// figures the law changed from the schedule's rules). Nothing under the schedule's rules.
void AddTaxRulesNotes(nlohmann::ordered_json& tax, const CaseRecord& record);

}  // namespace tovaris::cli
