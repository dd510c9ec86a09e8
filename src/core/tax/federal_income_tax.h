#pragma once

#include <optional>
#include <string>

namespace tovaris::tax {

// One federal return's figures for the year: a party's own, or the sums of the party's and the
// new spouse's on a joint return.
struct ReturnIncome {
    // Income after the adjustments to gross income and the business income deduction, before
    // the standard or itemized deduction; it includes the preferential income.
    float incomeForTax = 0;
    float preferentialIncome = 0;  // long-term capital gains
    float itemizedDeductions = 0;
    bool age65OrOver = false;
    std::string filingStatus;  // "Single", "Head", "MarriedSep" or "MFJ"
    float netInvestmentIncome = 0;
    // 2023 law: the net investment income tax threshold is met by the modified AGI (IRC
    // 1411(a)(1), Form 8960 line 13), not by the income after the business income deduction.
    std::optional<float> modifiedAgi{};
    // 2023 law: ordinary taxable income below 100000 is taxed as the Tax Table taxes it.
    bool taxTable = false;
};

// 2023 federal income tax before credits: ordinary brackets, the 0/15/20 % rates on long-term
// gains and the net investment income tax. Whole dollars, never negative.
float FederalIncomeTax(const ReturnIncome& income);

}  // namespace tovaris::tax
