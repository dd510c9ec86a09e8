#pragma once

#include <string_view>

namespace tovaris::support {

// How a shared residential schedule weights each parent's standard obligation by the
// children's overnights with each parent ("Shared Calculation Default" menu).
enum class SharedMethod {
    SumDays,          // weights by overnights
    SumDaysColorado,  // the same, with 1.5 times each basic share
    SquaredDays,      // weights by squared overnights, favouring the parent with more time
};

std::string_view MenuCaption(SharedMethod method);

// The basic share that enters a parent's standard obligation: 1.5 times the limited basic share
// under SumDaysColorado (the cost of keeping two homes), unchanged otherwise. Expense shares
// are never multiplied.
inline constexpr double kColoradoFactor = 1.5;
float SharedBasicShare(SharedMethod method, float basicShare);

// The monthly transfer, positive when the Other Party pays the Claimant, from each parent's
// standard obligation (net of any deviation the caller applies) and each parent's average
// overnights per year with the children. Not rounded. With no overnights at all there is
// nothing to weight by, and the transfer is 0.
float SharedTransfer(SharedMethod method, float claimObligation, float payerObligation,
                     float claimNights, float payerNights);

}  // namespace tovaris::support
