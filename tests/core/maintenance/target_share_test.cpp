#include <gtest/gtest.h>

#include "maintenance/target_share.h"

namespace tovaris::maintenance {
namespace {

TEST(TargetShare, ByMinorsWithOneSide) {
    struct Case {
        const char* custody;
        int16_t minors;
        double share;
    } const cases[] = {
        {"NoMinors", 0, 0.5}, {"Cust", 1, 0.55},    {"Cust", 3, 0.64},    {"Cust", 5, 0.66},
        {"Cust", 6, 0.66},    {"NonCust", 1, 0.45}, {"NonCust", 4, 0.35}, {"NonCust", 5, 0.34},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TargetShare({.CustodyType = c.custody, .NumMinors = c.minors}), c.share)
            << c.custody << " with " << c.minors << " minors";
    }
}

TEST(TargetShare, SplitRatiosComparedExactly) {
    // The split table row by row; 1 of 3 and 2 of 6 are the same double 1/3.
    struct Case {
        int16_t claim;
        int16_t payer;
        double share;
    } const cases[] = {
        {1, 5, 0.36}, {1, 4, 0.36}, {2, 7, 0.37}, {1, 3, 0.38}, {3, 7, 0.4}, {1, 2, 0.45},
        {2, 4, 0.45}, {3, 5, 0.46}, {2, 3, 0.47}, {4, 5, 0.48}, {1, 1, 0.5}, {5, 4, 0.52},
        {3, 2, 0.53}, {5, 3, 0.54}, {2, 1, 0.55}, {4, 2, 0.55}, {5, 2, 0.6}, {3, 1, 0.62},
        {7, 2, 0.63}, {4, 1, 0.64}, {5, 0, 0.64},
    };
    for (const Case& c : cases) {
        const CustodyFacts facts{.CustodyType = "Split",
                                 .NumMinors = static_cast<int16_t>(c.claim + c.payer),
                                 .ClaimChildrenSplit = c.claim,
                                 .PayerChildrenSplit = c.payer};
        EXPECT_EQ(TargetShare(facts), c.share) << c.claim << " of " << c.claim + c.payer;
    }
}

TEST(TargetShare, SharedTimeRulesAndClamp) {
    // Shares worked from the shared-time rules; a time typed on a bound belongs to the band
    // the bound is written into (0.35 and 0.45 open their bands, 0.48 ... 0.65 close theirs).
    struct Case {
        float time;
        int16_t minors;
        double share;
    } const cases[] = {
        {0.4f, 2, 0.45},  // requirements example: 0.48 - 0.02 - 0.01
        {0.3f, 1, 0.45},
        {0.3f, 4, 0.36},
        {0.35f, 1, 0.46},
        {0.45f, 2, 0.48},
        {0.48f, 3, 0.48},
        {0.5f, 3, 0.5},
        {0.52f, 3, 0.5},
        {0.55f, 1, 0.52},
        {0.6f, 2, 0.55},
        {0.65f, 1, 0.54},
        {0.65f, 5, 0.62},
        {0.7f, 1, 0.55},
        {0.7f, 5, 0.64},
        {0.35f, 7, 0.36},  // 0.48 - 0.12 -
                           // 0.02 = 0.34,
                           // raised to the
                           // floor
        {0.65f, 7, 0.64},  // 0.52 + 0.12 + 0.02 = 0.66, lowered to the ceiling
    };
    for (const Case& c : cases) {
        const CustodyFacts facts{
            .CustodyType = "Shared", .NumMinors = c.minors, .ClaimSharedTime = c.time};
        EXPECT_NEAR(TargetShare(facts), c.share, 1e-12)
            << "time " << c.time << " with " << c.minors << " minors";
    }
}

}  // namespace
}  // namespace tovaris::maintenance
