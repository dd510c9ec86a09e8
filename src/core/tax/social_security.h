#pragma once

#include <string_view>

namespace tovaris::tax {

// The part of a year's Social Security benefits that stays out of federal taxable income
// (benefits minus the taxable part). `otherIncome` is the return's income besides the
// benefits; `adjustments` are the adjustments to gross income, half self-employment tax
// included.
float NontaxableSocialSecurity(float benefits, float otherIncome, std::string_view filingStatus,
                               float adjustments);

}  // namespace tovaris::tax
