#pragma once

#include <cstdint>

#include "tax/federal_credits.h"

namespace tovaris::tax {

// What the credits are limited by. On a joint return the wages and self-employment income are
// the couple's.
struct CombineCreditsInputs {
    float wages = 0;  // wages subject to FICA
    float selfEmploymentIncome = 0;
    int16_t taxCreditChildren = 0;
    float federalTax = 0;  // before credits
    float payrollTax = 0;
    float halfSelfEmploymentTax = 0;
    float otherCredits = 0;  // other nonrefundable credits entered for the party
};

// Limits the nonrefundable credits to the federal tax, turns the unused child tax credit into
// the additional child tax credit and adds everything up. Reads the child care, child tax and
// earned income credits of `credits` and returns them with the child care credit reduced to the
// tax and the additional credit and total filled in (neither rounded).
FederalCredits CombineCredits(const CombineCreditsInputs& inputs, FederalCredits credits);

}  // namespace tovaris::tax
