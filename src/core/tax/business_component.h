#pragma once

#include <string_view>

namespace tovaris::tax {

// The business income deduction is 20 % of qualified business income and REIT distributions,
// and at most 20 % of taxable income less long-term gains.
inline constexpr double kBusinessDeductionRate = 0.20;

// One business's part of the 2023 business income deduction. Above the lower threshold
// (182100; 364200 on a joint return) the wage and asset limit phases in, and a service trade's
// deduction phases out, over the next 50000 (100000 on a joint return). Never negative.
float BusinessComponent(float taxableIncome, float qualifiedIncome, float w2Wages,
                        float depreciableAssets, std::string_view filingStatus, bool serviceTrade);

}  // namespace tovaris::tax
