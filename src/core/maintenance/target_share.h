#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace tovaris::maintenance {

// The residential facts that set the Claimant's target share of combined income.
struct CustodyFacts {
    std::string_view CustodyType;  // "Cust", "NonCust", "Shared", "Split", "NoMinors"
    int16_t NumMinors = 0;
    int16_t ClaimChildrenSplit = 0;  // "Split": children living with each party
    int16_t PayerChildrenSplit = 0;
    float ClaimSharedTime = 0;  // "Shared": the Claimant's share of residential time, 0-1
};

// Where the shared-time rules of the target share change, as the Claimant's share of time:
// below the first the Other Party's side, from the last on the Claimant's.
inline constexpr std::array<double, 6> kSharedTimeBandEdges{0.35, 0.45, 0.48, 0.52, 0.55, 0.65};

// The share of the two parties' combined adjusted income the Claimant should end up with.
double TargetShare(const CustodyFacts& custody);

}  // namespace tovaris::maintenance
