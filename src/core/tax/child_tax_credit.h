#pragma once

#include <cstdint>
#include <string_view>

namespace tovaris::tax {

// 2023 child tax credit: 2000 per child, less 50 for each 1000 (or part of 1000) of AGI above
// 200000 (400000 on a joint return). Whole dollars, never negative.
float ChildTaxCredit(float agi, std::string_view filingStatus, int16_t taxCreditChildren);

}  // namespace tovaris::tax
