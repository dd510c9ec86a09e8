#pragma once

#include "tax/business_income.h"

namespace tovaris::tax {

// Qualified business income under the 2023 law is the profit less the deductions attributable
// to the business: the deductible half of the self-employment tax, the self-employed health
// insurance deduction and the self-employed retirement contributions (Treas. Reg.
// 1.199A-3(b)(1)(vi); Form 8995 instructions, line 1). They are shared over the proprietorships
// in proportion to their part of the self-employment income; a proprietorship without profit
// bears none.
BusinessIncomeEntries LessAttributableDeductions(BusinessIncomeEntries entries,
                                                 double selfEmploymentIncome,
                                                 double attributableDeductions);

}  // namespace tovaris::tax
