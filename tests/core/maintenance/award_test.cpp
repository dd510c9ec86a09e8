#include <gtest/gtest.h>

#include "maintenance/award_limits.h"
#include "maintenance/diff_rate.h"
#include "maintenance/raw_award.h"
#include "maintenance/weak_case.h"

namespace tovaris::maintenance {
namespace {

TEST(DiffRate, TableRowsAndFloor) {
    // Rows of the differential rate table; beyond 835,000 the falling line goes under 0.48.
    struct Case {
        double diff;
        double rate;
    } const cases[] = {
        {-10000, 1},     {20000, 1},      {20000.01, 0.98}, {25000, 0.98},   {30000, 0.96},
        {35000, 0.94},   {40000, 0.92},   {40001, 0.91},    {90000, 0.91},   {190000, 0.804},
        {290000, 0.698}, {315000, 0.688}, {835000, 0.48},   {2000000, 0.48},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(DiffRate(c.diff), c.rate, 1e-12) << "differential " << c.diff;
    }
}

TEST(RawAward, ScalesTheGapToTheTarget) {
    // 0.5 x 1 x (0.5 x 100,000 - 20,000) = 15,000; NonCust takes 3 points per minor off 50.
    EXPECT_DOUBLE_EQ(RawAward("Cust", 50, 2, 1, 0.5, 20000, 80000), 15000);
    EXPECT_DOUBLE_EQ(RawAward("NonCust", 50, 2, 1, 0.5, 20000, 80000), 13200);
    EXPECT_DOUBLE_EQ(RawAward("NoMinors", 50, 0, 0.9, 0.5, 60000, 40000), -4500);
}

TEST(ReduceWeakCase, ShortfallBelowTheExpectedDifferential) {
    struct Case {
        double award;
        float score;
        float claimGross;
        float payerGross;
        int16_t minors;
        double reduced;
        bool unlikely;
    } const cases[] = {
        // 1,250,000 / 40 = 31,250 exceeds the 30,000 differential by 1,250.
        {10000, 40, 30000, 60000, 0, 10000 - 1250 * 0.35, false},
        {10000, 40, 30000, 60000, 1, 10000 - 1250 * 0.2, false},
        {10000, 42, 30000, 30000, 0, 10000, false},  // not a weak case
        {10000, 20, 50000, 50000, 0, 0, true},       // reduced below 0
        {200, 30, 0, 100000, 0, 200, true},          // no shortfall, but under 250
        {250, 30, 0, 100000, 0, 250, false},
    };
    for (const Case& c : cases) {
        const WeakCaseResult r =
            ReduceWeakCase(c.award, c.score, c.claimGross, c.payerGross, c.minors);
        EXPECT_DOUBLE_EQ(r.Award, c.reduced) << "award " << c.award << " score " << c.score;
        EXPECT_EQ(r.Unlikely, c.unlikely) << "award " << c.award << " score " << c.score;
    }
}

TEST(ApplyAwardLimits, FloorsAndCeilingsInOrder) {
    struct Case {
        double award;
        float score;
        float claimGross;
        float payerGross;
        double limited;
    } const cases[] = {
        {249, 50, 0, 100000, 0},
        {250, 50, 0, 100000, 250},
        {10000, 18, 0, 69999, 0},  // very weak case, small differential
        {10000, 18, 0, 70000, 10000},
        {10000, 50, 80000, 400000, 10000},    // the cut starts above 80,000
        {10000, 50, 180000, 400000, 8900},    // requirements example: 11 % cut
        {10000, 50, 1000000, 2000000, 1000},  // cut held at 90 %
        {30000, 50, 0, 50000, 25000},         // half the Other Party's gross
        {30000, 50, 90000, 40000, 20000},     // 2 % cut, then the cap (not 19,600)
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(ApplyAwardLimits(c.award, c.score, c.claimGross, c.payerGross), c.limited, 1e-9)
            << "award " << c.award << " score " << c.score << " gross " << c.claimGross << "/"
            << c.payerGross;
    }
}

TEST(RoundToWholeMonths, HalvesToEven) {
    EXPECT_EQ(RoundToWholeMonths(250), 252);  // 20.83 a month -> 21
    EXPECT_EQ(RoundToWholeMonths(246), 240);  // 20.5 -> 20
    EXPECT_EQ(RoundToWholeMonths(258), 264);  // 21.5 -> 22
    EXPECT_EQ(RoundToWholeMonths(0), 0);
}

}  // namespace
}  // namespace tovaris::maintenance
