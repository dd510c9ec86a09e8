#include <gtest/gtest.h>

#include "common/display_scale.h"

namespace tovaris {
namespace {

TEST(DisplayScale, MonAdjOutsideItsRangeCountsAsOne) {
    struct Case {
        const char* stored;
        double factor;
    };
    const Case cases[] = {{"1", 1},   {".5", 0.5}, {"0.75", 0.75}, {".3", 1},
                          {"1.5", 1}, {"0.49", 1}, {"", 1},        {"big", 1}};
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(MonAdjFactor(c.stored), c.factor) << c.stored;
    }
}

TEST(DisplayScale, ScalesAgainstTheDesignedScreen) {
    struct Case {
        DisplayMetrics metrics;
        const char* monAdj;
        double screen;
        double vertical;
        double font;
    };
    const Case cases[] = {
        {{800, 600, 15, 15}, "1", 1, 1, 1},
        {{800, 600, 15, 15}, ".8", 0.8, 0.8, 0.8},
        {{1600, 900, 15, 15}, "1", 2, 1.5, 1.5},
        {{1920, 1080, 12, 12}, ".5", 1.92 / 2, 1.44 / 2, 1.44 / 2},
    };
    for (const Case& c : cases) {
        DisplayScale s = ComputeDisplayScale(c.metrics, c.monAdj);
        EXPECT_DOUBLE_EQ(s.screenScale, c.screen);
        EXPECT_DOUBLE_EQ(s.verticalScale, c.vertical);
        EXPECT_DOUBLE_EQ(s.fontScale, c.font);
    }
}

TEST(DisplayScale, RefusesSixFortyByFourEightyWithLargeFonts) {
    EXPECT_TRUE(IsUnsupportedDisplay(ComputeDisplayScale({640, 480, 12, 12}, "1")));
    EXPECT_FALSE(IsUnsupportedDisplay(ComputeDisplayScale({640, 480, 15, 15}, "1")));
    EXPECT_FALSE(IsUnsupportedDisplay(ComputeDisplayScale({800, 600, 15, 15}, "1")));
}

}  // namespace
}  // namespace tovaris
