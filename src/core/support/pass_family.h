#pragma once

#include <cstdint>

#include "case/case_record.h"

namespace tovaris::support {

struct Households {
    int16_t claim = 0;  // household 1: the children living with the Claimant
    int16_t payer = 0;  // household 2: those living with the Other Party
};

// How the k youngest children of a split case live. The last pass takes the case's split counts;
// an earlier one the per-child choices of its children (element 0 the youngest) when every one
// is made, else as many children with the Claimant as his count allows and the rest with the
// Other Party.
Households SplitHouseholds(const CaseRecord& record, int16_t k);

}  // namespace tovaris::support
