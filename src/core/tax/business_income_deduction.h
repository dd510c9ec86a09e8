#pragma once

#include <string>

#include "tax/business_income.h"

namespace tovaris::tax {

struct BusinessDeductionInputs {
    float agi = 0;  // the return's; on a joint return the couple's
    float itemizedDeductions = 0;
    bool age65OrOver = false;
    std::string filingStatus;
    float longTermGains = 0;  // the new spouse's included on a joint return
    BusinessIncomeEntries party{};
    BusinessIncomeEntries newSpouse{};  // counted only on a joint return ("MFJ")
};

// The 2023 deduction for qualified business income, in yearly dollars, never negative. Losses
// of businesses A to D (and of the new spouse's on a joint return) are shared out over the
// businesses with income in proportion to their income.
float BusinessIncomeDeduction(const BusinessDeductionInputs& inputs);

}  // namespace tovaris::tax
