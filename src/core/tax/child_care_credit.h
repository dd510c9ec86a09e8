#pragma once

#include <cstdint>

namespace tovaris::tax {

// 2023 credit for child and dependent care: the yearly expense up to 3000 for one child or 6000
// for two or more, times a rate that falls from 35 % to 20 % with the AGI. Whole dollars.
float ChildCareCredit(float agi, float yearlyExpense, int16_t dayCareChildren);

}  // namespace tovaris::tax
