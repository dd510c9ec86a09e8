#pragma once

namespace tovaris::tax {

// A party's federal credits for the year (a joint return's before the party's share is taken),
// as the net-income phase keeps them and the credits page prints them.
struct FederalCredits {
    float childCare = 0;
    float childTax = 0;
    float earnedIncome = 0;
    float additionalChildTax = 0;  // the refundable part of the child tax credit
    float total = 0;
};

}  // namespace tovaris::tax
