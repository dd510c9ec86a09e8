#include <gtest/gtest.h>

#include <vector>

#include "support/parenting_time.h"

namespace tovaris::support {
namespace {

struct AverageCase {
    std::vector<float> claimNightsOldestFirst;
    int16_t k;
    float claim;
    float payer;
};

// The family of k children is the k youngest; a larger k takes every child listed.
TEST(AvgNightsForFamily, AveragesTheYoungestChildren) {
    const std::vector<float> five = {100, 150, 200, 250, 300};
    const AverageCase cases[] = {
        {five, 1, 300, 65},  // the youngest alone
        {five, 2, 275, 90},  // (250 + 300) / 2
        {five, 3, 250, 115},
        {five, 4, 225, 140},
        {five, 5, 200, 165},  // all five
        {five, 6, 200, 165},  // "5 or More Children"
        {{146, 219}, 1, 219, 146},
        {{146, 219}, 2, 182.5f, 182.5f},
        {{146, 219}, 4, 182.5f, 182.5f},
        {{200, 201, 201}, 3, 200.666667f, 164.333333f},
        {{}, 1, 0, 365},  // no overnights entered
    };
    for (const AverageCase& c : cases) {
        const AverageNights avg = AvgNightsForFamily(c.claimNightsOldestFirst, c.k);
        EXPECT_FLOAT_EQ(avg.claim, c.claim)
            << "k " << c.k << " of " << c.claimNightsOldestFirst.size() << " children";
        EXPECT_FLOAT_EQ(avg.payer, c.payer)
            << "k " << c.k << " of " << c.claimNightsOldestFirst.size() << " children";
    }
}

TEST(AvgNightsByFamilySize, FillsEveryFamilySize) {
    const std::vector<float> three = {120, 180, 240};
    const auto bySize = AvgNightsByFamilySize(three);
    const float expected[kAveragedFamilySizes] = {240, 210, 180, 180, 180, 180};
    for (int k = 1; k <= kAveragedFamilySizes; ++k) {
        EXPECT_FLOAT_EQ(bySize[k - 1].claim, expected[k - 1]) << "family of " << k;
        EXPECT_FLOAT_EQ(bySize[k - 1].payer, 365 - expected[k - 1]) << "family of " << k;
    }
}

TEST(ParentingTimeFactors, SumOfDaysAndSquared) {
    EXPECT_FLOAT_EQ(SumOfDaysFactor(146), 0.4f);     // 146 / 365
    EXPECT_FLOAT_EQ(SumOfDaysFactor(182.5f), 0.5f);  // 182.5 / 365
    EXPECT_FLOAT_EQ(SquaredDaysFactor(146, 219), 21316.0f / 69277.0f);
    EXPECT_FLOAT_EQ(SquaredDaysFactor(219, 146), 47961.0f / 69277.0f);
    EXPECT_FLOAT_EQ(SquaredDaysFactor(0, 0), 0);
}

}  // namespace
}  // namespace tovaris::support
