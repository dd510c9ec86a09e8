#pragma once

#include <string_view>

namespace tovaris::tax {

struct PayrollTaxResult {
    float payrollTax = 0;  // FICA, self-employment and additional Medicare tax, whole dollars
    float halfSelfEmploymentTax = 0;  // not rounded
    // The self-employment income the tax was computed on: a loss counts as 0, and the caller
    // stores this back in place of the entered amount.
    float selfEmploymentIncome = 0;
};

// 2023 payroll tax of one person. `wages` are the wages subject to FICA; a negative amount of
// either income counts as 0.
PayrollTaxResult PayrollTax(std::string_view filingStatus, float wages, float selfEmploymentIncome);

}  // namespace tovaris::tax
