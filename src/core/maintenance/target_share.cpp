#include "maintenance/target_share.h"

#include <algorithm>
#include <array>
#include <span>

#include "maintenance/as_typed.h"
#include "maintenance/piecewise.h"

namespace tovaris::maintenance {
namespace {

// Without children the parties share equally; so does any arrangement with no minor left.
constexpr double kEqualShare = 0.5;

// By number of minors, 1 to 5 or more: the children living with the Claimant raise the
// share, living with the Other Party lower it.
constexpr std::array<double, 5> kCustodialShares{0.55, 0.6, 0.64, 0.65, 0.66};
constexpr std::array<double, 5> kNonCustodialShares{0.45, 0.4, 0.36, 0.35, 0.34};
// Mostly-one-side shared time goes no further than three children would.
constexpr std::array<double, 3> kMostlyClaimantShares{0.55, 0.6, 0.64};
constexpr std::array<double, 3> kMostlyOtherShares{0.45, 0.4, 0.36};

constexpr double kMinShare = 0.36;
constexpr double kMaxShare = 0.64;

double ByMinors(std::span<const double> shares, int numMinors) {
    return shares[std::min<size_t>(numMinors, shares.size()) - 1];
}

enum class RatioTest { AtMost, Below, Equal, AtLeast };

struct SplitRow {
    RatioTest test;
    double ratio;
    double share;
};

// r = Claimant's children / all children. Rows are tried in order, and the equalities are
// exact on purpose: a ratio that is exactly 1/4, 1/3, 2/5 ... gets a row of its own.
constexpr std::array<SplitRow, 17> kSplitRows{{
    {RatioTest::AtMost, 0.2, 0.36},
    {RatioTest::Below, 0.25, 0.37},
    {RatioTest::Equal, 0.25, 0.38},
    {RatioTest::Below, 1.0 / 3, 0.4},
    {RatioTest::Equal, 1.0 / 3, 0.45},
    {RatioTest::Below, 0.4, 0.46},
    {RatioTest::Equal, 0.4, 0.47},
    {RatioTest::Below, 0.5, 0.48},
    {RatioTest::Equal, 0.5, 0.5},
    {RatioTest::Below, 0.6, 0.52},
    {RatioTest::Equal, 0.6, 0.53},
    {RatioTest::Below, 2.0 / 3, 0.54},
    {RatioTest::Equal, 2.0 / 3, 0.55},
    {RatioTest::Below, 0.75, 0.6},
    {RatioTest::Equal, 0.75, 0.62},
    {RatioTest::Below, 0.8, 0.63},
    {RatioTest::AtLeast, 0.8, 0.64},
}};

bool Passes(const SplitRow& row, double r) {
    switch (row.test) {
        case RatioTest::AtMost:
            return r <= row.ratio;
        case RatioTest::Below:
            return r < row.ratio;
        case RatioTest::Equal:
            return r == row.ratio;
        case RatioTest::AtLeast:
            return r >= row.ratio;
    }
    return false;
}

double SplitShare(int claimChildren, int payerChildren) {
    const int children = claimChildren + payerChildren;
    if (children <= 0) {
        return kEqualShare;
    }
    const double r = static_cast<double>(claimChildren) / children;
    for (const SplitRow& row : kSplitRows) {
        if (Passes(row, r)) {
            return row.share;
        }
    }
    return kEqualShare;  // not reached: the rows cover every ratio
}

// Shared time: far from even, the share is that of the side the children mostly live with;
// near even it follows the time on a gentle slope (a fifth of the time's distance) and leans
// two points further for each child beyond the first.
double SharedShare(double t, int m) {
    const double lean = (m - 1) * 0.02;
    const auto& edge = kSharedTimeBandEdges;
    const std::array<Piece, 7> scale{{
        {edge[0], false, ByMinors(kMostlyOtherShares, m)},
        {edge[1], false, 0.48 - lean, edge[1], 1.0 / 5},
        {edge[2], true, 0.48},
        {edge[3], true, 0.5},
        {edge[4], true, 0.52},
        {edge[5], true, 0.52 + lean, edge[4], 1.0 / 5},
        {kNoLimit, false, ByMinors(kMostlyClaimantShares, m)},
    }};
    return std::clamp(EvaluatePieces(scale, t), kMinShare, kMaxShare);
}

}  // namespace

double TargetShare(const CustodyFacts& c) {
    if (c.CustodyType == "Split") {
        return SplitShare(c.ClaimChildrenSplit, c.PayerChildrenSplit);
    }
    if (c.CustodyType == "NoMinors" || c.NumMinors < 1) {
        return kEqualShare;
    }
    if (c.CustodyType == "Cust") {
        return ByMinors(kCustodialShares, c.NumMinors);
    }
    if (c.CustodyType == "NonCust") {
        return ByMinors(kNonCustodialShares, c.NumMinors);
    }
    if (c.CustodyType == "Shared") {
        return SharedShare(AsTyped(c.ClaimSharedTime), c.NumMinors);
    }
    return kEqualShare;
}

}  // namespace tovaris::maintenance
