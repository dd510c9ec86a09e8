#pragma once

#include <cstdint>
#include <string_view>

namespace tovaris::tax {

// 2023 earned income credit. `earnedIncome` is wages subject to FICA plus self-employment
// income; `earnedCreditChildren` counts 3 for three or more. Nothing for a married person filing
// separately or with more than 11000 of investment income. Not rounded.
float EarnedIncomeCredit(float agi, float earnedIncome, float investmentIncome,
                         float halfSelfEmploymentTax, std::string_view filingStatus,
                         int16_t earnedCreditChildren);

}  // namespace tovaris::tax
