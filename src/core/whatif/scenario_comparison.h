#pragma once

#include <string>
#include <vector>

#include "case/case_record.h"
#include "whatif/scenarios.h"

namespace tovaris::whatif {

// One line of "Compare Scenarios": a figure of every scenario, and whether it differs from
// "Current" (the first).
struct ComparisonRow {
    std::string label;
    std::vector<std::string> values;
    std::vector<bool> differs;
};

struct Comparison {
    std::vector<std::string> names;
    std::vector<std::string> notes;  // per scenario: why a command stopped, or empty
    std::vector<ComparisonRow> rows;
};

// Runs every scenario on a copy of the case: the child support command with the entries as
// typed (maintenance as the transfer typed), and the maintenance command for the award and term
// it would suggest. The case itself is not changed.
Comparison CompareScenarios(const CaseRecord& record, const std::vector<Scenario>& all);

}  // namespace tovaris::whatif
