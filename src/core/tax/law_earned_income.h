#pragma once

#include "tax/party_tax_inputs.h"

namespace tovaris::tax {

// Wages as the credits' earned income counts them under the 2023 law: W-2 box 1 and
// S-corporation wages. Elective deferrals (the income only subject to FICA) are not included in
// gross income, so they are not earned income (IRC 32(c)(2)(A)(i)).
double LawCreditWages(const ColumnIncome& column);

// One person's earned income for the credits under the 2023 law: those wages plus net earnings
// from self-employment, where a business loss counts (Pub. 596, Worksheet B; Form 2441 line 18),
// less the deductible half of the self-employment tax.
double LawEarnedIncome(const ColumnIncome& column, double halfSelfEmploymentTax);

}  // namespace tovaris::tax
