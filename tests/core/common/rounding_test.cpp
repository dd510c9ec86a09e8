#include <gtest/gtest.h>

#include "common/rounding.h"

namespace tovaris {
namespace {

TEST(RoundDollars, HalvesGoAwayFromZero) {
    struct Case {
        double in;
        double out;
    };
    const Case cases[] = {{2.5, 3},       {-2.5, -3},  {2.49, 2},  {-2.49, -2},      {0, 0},
                          {1234.5, 1235}, {0.4999, 0}, {-0.5, -1}, {99999.5, 100000}};
    for (const Case& c : cases) {
        EXPECT_EQ(RoundDollars(c.in), c.out) << "RoundDollars(" << c.in << ")";
    }
}

TEST(RoundHalfEven, HalvesGoToEven) {
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(3.5), 4);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(2.51), 3);
}

}  // namespace
}  // namespace tovaris
