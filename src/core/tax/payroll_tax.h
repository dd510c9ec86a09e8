#pragma once

#include <string_view>

namespace tovaris::tax {

struct PayrollTaxResult {
    float payrollTax = 0;  // FICA, self-employment and additional Medicare tax, whole dollars
    float halfSelfEmploymentTax = 0;  // not rounded
    // The self-employment income the tax was computed on: a loss counts as 0, and the caller
    // stores this back in place of the entered amount.
    float selfEmploymentIncome = 0;
    double selfEmploymentBase = 0;  // net earnings from self-employment that bore the tax
    double beforeAdditional = 0;    // FICA and self-employment tax, not rounded
    double additionalMedicare = 0;  // not rounded
};

// Where the 2023 law's rules depart from the schedule's.
struct PayrollTaxRules {
    // No self-employment tax on net earnings under 400 (IRC 1402(b)(2), Schedule SE line 4c).
    bool selfEmploymentFloor = false;
    // The additional Medicare tax is left out, for a joint return to figure it on the couple.
    bool additionalMedicare = true;
};

// 2023 payroll tax of one person. `wages` are the wages subject to FICA; a negative amount of
// either income counts as 0.
PayrollTaxResult PayrollTax(std::string_view filingStatus, float wages, float selfEmploymentIncome,
                            PayrollTaxRules rules = {});

// The 0.9 % additional Medicare tax on wages and self-employment earnings above the status's
// threshold (Form 8959: the threshold is first used by the wages, the rest by the earnings).
double AdditionalMedicareTax(std::string_view filingStatus, double wages,
                             double selfEmploymentBase);

}  // namespace tovaris::tax
