#pragma once

namespace tovaris {

// The outcome of the child support calculation, filled by its passes.
struct SupportResults {
    float ChildSupportTransfer = 0;  // monthly; positive: the Other Party pays the Claimant
};

}  // namespace tovaris
