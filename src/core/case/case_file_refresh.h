#pragma once

#include <span>

#include "case/case_record.h"

namespace tovaris {

// One step of the refresh that follows reading a case file.
struct CaseFileRefreshStep {
    const char* name;
    void (*run)(CaseRecord& record);
};

// The refresh steps in the order LoadData runs them: the business income screens, the income
// detail screens' totals, the business income screens once more. A subsystem whose screen
// derives values from the fields read adds its step to this list (the parenting time table
// restores its derived values last).
std::span<const CaseFileRefreshStep> CaseFileRefreshSteps();

}  // namespace tovaris
