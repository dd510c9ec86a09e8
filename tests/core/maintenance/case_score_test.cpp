#include <gtest/gtest.h>

#include "maintenance/case_score.h"

namespace tovaris::maintenance {
namespace {

// Expected points are the scoring formulas worked by hand at and beside each breakpoint.
struct PointCase {
    float in;
    double points;
};

TEST(CaseScoreParts, MarriageBreakpoints) {
    const PointCase cases[] = {
        {4, 0},     {5, 0},         {7, 3.29},   {10, 8.225}, {10.5, 8.9775}, {19.99f, 24.5885496},
        {20, 24.5}, {20.5, 25.025}, {29, 33.95}, {30, 35},    {45, 35},
    };
    for (const PointCase& c : cases) {
        EXPECT_NEAR(MarriagePoints(c.in), c.points, 1e-6) << "years " << c.in;
    }
}

TEST(CaseScoreParts, AgeBreakpoints) {
    const PointCase cases[] = {{25, 0}, {30, 0}, {32.5, 0.5}, {35, 1},  {40, 2.5},
                               {45, 4}, {50, 6}, {59.5, 9.8}, {60, 10}, {80, 10}};
    for (const PointCase& c : cases) {
        EXPECT_NEAR(AgePoints(c.in), c.points, 1e-9) << "age " << c.in;
    }
}

// 17.8 years and 32.7 years of age are the decimals typed, not their nearest singles.
TEST(CaseScoreParts, YearsAndAgeCountAsTyped) {
    EXPECT_DOUBLE_EQ(MarriagePoints(17.8f), (23.3 + (17.8 - 10) * 4.7) * 0.35);
    EXPECT_DOUBLE_EQ(AgePoints(32.7f), 0 + (32.7 - 30) * 0.2);
}

TEST(CaseScoreParts, ChildrenBornDuringMarriage) {
    const double expected[] = {-5, 5, 7.5, 10, 12.5, 15, 15, 15};
    for (int16_t n = 0; n < 8; ++n) {
        EXPECT_EQ(ChildrenPoints(n), expected[n]) << n << " children";
    }
}

TEST(CaseScoreParts, IncomeDifferentialAmount) {
    // 19,999 and 20,000 are the requirements' edge examples.
    const PointCase cases[] = {{-5000, 0},
                               {19999, 0},
                               {20000, 500},
                               {20001, 500.2393939},
                               {193353, 41999.6507467},
                               {193354, 42000},
                               {500000, 42000}};
    for (const PointCase& c : cases) {
        EXPECT_NEAR(IncomeDiffAmount(c.in), c.points, 1e-6) << "differential " << c.in;
    }
}

TEST(CaseScoreParts, IncomePoints) {
    struct Case {
        float claimGross;
        float incomeDiff;
        double points;
    } const cases[] = {
        {0, 100000, 30},  // no income, Other Party earns 100,000: all 30 points
        {0, 0, 30},       // X = 0 exactly
        {21000, 0, 14.99999999988},
        {41999, 0, 0.00071428571428},
        {42000, -10000, 0},
        {20000, 60000, 22.9112542855},  // X = 20,000 - 10,075.756
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(IncomePoints(c.claimGross, c.incomeDiff), c.points, 1e-9)
            << "gross " << c.claimGross << " differential " << c.incomeDiff;
    }
}

TEST(CaseScoreParts, CaregivingCountsOnlyWithChildren) {
    EXPECT_EQ(CaregiverPoints(0, 3), 0);
    EXPECT_EQ(CaregiverPoints(2, 1), 0);
    EXPECT_EQ(CaregiverPoints(2, 2), -1);
    EXPECT_EQ(CaregiverPoints(2, 3), -15);
    EXPECT_EQ(CaregiverPoints(2, 0), 0);
    EXPECT_EQ(CaregiverPoints(2, 4), 0);
}

TEST(ComputeCaseScore, WeakCaseClampsToOne) {
    // Requirements example: the parts sum to -5.
    const CaseScoreResult r = ComputeCaseScore({.YearsMarried = 5,
                                                .ClaimantAge = 30,
                                                .ClaimantEdSkill = 0,
                                                .NumChildren = 0,
                                                .CaregiverCode = 3,
                                                .ClaimGrossYearly = 50000,
                                                .PayerGrossYearly = 40000});
    EXPECT_EQ(r.CaseScore, 1.0f);
    EXPECT_EQ(r.Parts.Children, -5);
    EXPECT_EQ(r.Parts.Caregiving, 0);
    EXPECT_EQ(r.IncomeDiff, -10000);
    EXPECT_EQ(r.CaseComment, " This Represents A Very Weak Claim For Maintenance.");
}

TEST(ComputeCaseScore, StrongCaseClampsToHundred) {
    // 35 + 10 + 15 + 15 + 30 = 105.
    const CaseScoreResult r = ComputeCaseScore({.YearsMarried = 35,
                                                .ClaimantAge = 65,
                                                .ClaimantEdSkill = 15,
                                                .NumChildren = 5,
                                                .CaregiverCode = 1,
                                                .ClaimGrossYearly = 0,
                                                .PayerGrossYearly = 200000});
    EXPECT_EQ(r.CaseScore, 100.0f);
    EXPECT_EQ(r.CaseComment, " Permanent Maintenance Is Justified.");
}

TEST(ComputeCaseScore, TwentyYearMarriageWithChildren) {
    // 24.5 + 4 + 7.5 + 10 + 22.911 (income) + 0 (Claimant cared for the children) = 68.911.
    const CaseScoreResult r = ComputeCaseScore({.YearsMarried = 20,
                                                .ClaimantAge = 45,
                                                .ClaimantEdSkill = 10,
                                                .NumChildren = 2,
                                                .CaregiverCode = 1,
                                                .ClaimGrossYearly = 20000,
                                                .PayerGrossYearly = 80000});
    EXPECT_FLOAT_EQ(r.CaseScore, 68.91f);
    EXPECT_EQ(r.CaseComment,
              " This Is A Very Good Case For Long Term Maintenance.\r\n"
              " Certain Cases Where The Marriage Exceeds 20 Years And Children Were Born,\r\n"
              " Deserve Review For A Permanent Maintenance Award.");
}

TEST(ComputeCaseScore, RoundsHalvesToEven) {
    // One child (5 points) plus an education score that puts the sum exactly on a half cent.
    CaseScoreInputs in{.YearsMarried = 5,
                       .ClaimantAge = 30,
                       .ClaimantEdSkill = 45.125f,
                       .NumChildren = 1,
                       .CaregiverCode = 1,
                       .ClaimGrossYearly = 42000,
                       .PayerGrossYearly = 0};
    EXPECT_FLOAT_EQ(ComputeCaseScore(in).CaseScore, 50.12f);
    in.ClaimantEdSkill = 45.375f;
    EXPECT_FLOAT_EQ(ComputeCaseScore(in).CaseScore, 50.38f);
}

}  // namespace
}  // namespace tovaris::maintenance
