#include <gtest/gtest.h>

#include <limits>

#include "common/format.h"

namespace tovaris {
namespace {

// Expected texts follow the BASIC Format rules the screens and reports were designed with.
struct FormatCase {
    double value;
    const char* pattern;
    const char* expected;
};

TEST(Format, MoneyPatterns) {
    const FormatCase cases[] = {
        {1234.5, "$ ###,##0", "$ 1,235"},
        {0, "$ ###,##0", "$ 0"},
        {-1234.4, "$ ###,##0", "-$ 1,234"},
        {1234567, "$##,###,##0", "$1,234,567"},
        {999.5, "$##,###,##0", "$1,000"},
        {1234567890, "$###,###,##0", "$1,234,567,890"},  // more digits than placeholders
        {250, "-$##,###,##0", "-$250"},                  // the pattern writes the sign
        {-250, "-$##,###,##0", "-$250"},                 // ... and no second one is added
        {1234.5, "$ ###,###.#0", "$ 1,234.50"},
        {0.5, "$ ###,###.#0", "$ .50"},
        {999.995, "$ ###,###.#0", "$ 1,000.00"},
        {1519, "$###,###", "$1,519"},
        {0, "$###,###", "$"},  // '#' places show nothing for zero
        {12, "$###,###", "$12"},
    };
    for (const FormatCase& c : cases) {
        EXPECT_EQ(Format(c.value, c.pattern), c.expected) << c.value << " as " << c.pattern;
    }
}

TEST(Format, SharesNightsScoresAndPercents) {
    const FormatCase cases[] = {
        {0.4567, ".##0", ".457"},    {1, ".##0", "1.000"},        {0, ".##0", ".000"},
        {0.548, ".##0", ".548"},     {165, "###.0", "165.0"},     {0, "###.0", ".0"},
        {182.55, "###.0", "182.6"},  {12.345, "##0.00", "12.35"}, {0, "##0.00", "0.00"},
        {5, "#0.0", "5.0"},          {0.125, "##.0%", "12.5%"},   {1, "##.0%", "100.0%"},
        {0.0725, "##.#0%", "7.25%"}, {0.004, "##.0%", ".4%"},     {0.5, "#.###", ".5"},
        {2, "#.###", "2."},          {1.23456, "#.###", "1.235"}, {3, "#0", "3"},
    };
    for (const FormatCase& c : cases) {
        EXPECT_EQ(Format(c.value, c.pattern), c.expected) << c.value << " as " << c.pattern;
    }
}

TEST(Format, NoNumberShowsNothing) {
    for (double value :
         {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
          std::numeric_limits<double>::quiet_NaN()}) {
        EXPECT_EQ(Format(value, "##,##0.#0"), "");
        EXPECT_EQ(FormatSingle(static_cast<float>(value), "$ ###,##0"), "");
    }
}

TEST(Format, RoundsHalfAwayFromZeroWithoutSignForZero) {
    const FormatCase cases[] = {
        {2.5, "#0", "3"},         {-2.5, "#0", "-3"},        {-0.4, "#0", "0"},
        {0.005, "0.00", "0.01"},  {-0.005, "0.00", "-0.01"}, {-0.004, "0.00", "0.00"},
        {1.005, "0.00", "1.01"},  // decimal digits of the value, not its binary expansion
        {9.9999, "#0.0", "10.0"},
    };
    for (const FormatCase& c : cases) {
        EXPECT_EQ(Format(c.value, c.pattern), c.expected) << c.value << " as " << c.pattern;
    }
}

TEST(Format, SinglePrecisionAmountsFormatAsTyped) {
    struct SingleCase {
        float value;
        const char* pattern;
        const char* expected;
    };
    const SingleCase cases[] = {
        {1234.565f, "$ ###,###.#0", "$ 1,234.57"},
        {150000.55f, "$ ###,###.#0", "$ 150,000.55"},
        {12345678.0f, "$ ###,###.#0", "$ 12,345,678.00"},
        {-150000.55f, "$ ###,###.#0", "-$ 150,000.55"},
        {999999.99f, "$ ###,##0", "$ 1,000,000"},
        {0.1f, "0.0000000000", "0.1000000000"},
        {1519.0f, "$ ###,##0", "$ 1,519"},
        {0.0725f, "##.#0%", "7.25%"},
        {0.45f, ".##0", ".450"},
    };
    for (const SingleCase& c : cases) {
        EXPECT_EQ(FormatSingle(c.value, c.pattern), c.expected) << c.value << " as " << c.pattern;
    }
    EXPECT_EQ(Format(static_cast<double>(1234.565f), "$ ###,###.#0"), "$ 1,234.56");
}

}  // namespace
}  // namespace tovaris
