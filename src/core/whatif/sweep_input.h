#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "case/case_record.h"

namespace tovaris::whatif {

// The entries a what-if sweep can vary, each typed where the user would type it.
enum class SweepInput { ClaimIncome, OtherIncome, ClaimNights, Maintenance, ClaimChildren };

struct SweepInputInfo {
    SweepInput input;
    std::string_view name;     // as the headless program spells it
    std::string_view caption;  // as the chart window offers it
    double precision;          // how closely a threshold is narrowed down
    std::string_view valueFormat;
};

std::span<const SweepInputInfo> SweepInputs();
const SweepInputInfo& InfoOf(SweepInput input);
std::optional<SweepInput> SweepInputNamed(std::string_view name);

// Types the value into the case's entries: a gross monthly income (on the income screen's wages
// when the screen is in use), the Claimant's overnights per year for every child, the monthly
// maintenance transfer, or the Claimant's children claimed under 17.
void TypeSweepInput(CaseRecord& record, SweepInput input, double value);

// The input's value as the last command's read-in left it in the case.
double SweepInputValue(const CaseRecord& record, SweepInput input);

}  // namespace tovaris::whatif
