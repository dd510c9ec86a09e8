#include <gtest/gtest.h>

#include "maintenance/adjusted_income.h"
#include "maintenance/gross_up.h"
#include "maintenance/net_income.h"
#include "maintenance/taxed_to_payer.h"

namespace tovaris::maintenance {
namespace {

TEST(GrossUp, AverageAndMarginalFactors) {
    // F = 10,000 on G = 50,000 with AGI 40,000: 1 / 0.8 and 1.2 / (1 - 12,000 / 50,000).
    const GrossUpFactors g = ComputeGrossUp(10000, 50000, 40000);
    EXPECT_DOUBLE_EQ(g.Average, 1.25);
    EXPECT_DOUBLE_EQ(g.Marginal, 1.2 / 0.76);
    EXPECT_DOUBLE_EQ(UntaxedGrossUp(g, 1000, 2000, 1000), 1000);
    // No income: the guard keeps both factors finite.
    const GrossUpFactors none = ComputeGrossUp(0, 0 + kPayerGrossGuard, 0);
    EXPECT_DOUBLE_EQ(none.Average, 1);
    EXPECT_DOUBLE_EQ(none.Marginal, 1.2);
}

// A Claimant with 30,000 gross, 500 a month day care (600 credit) and 100 a month health care
// at g1 = 1.2; an Other Party with 100,000 gross and 100 a month day care at g1 = 1.5;
// child support 1,000 a month. Worked by hand from the adjusted income formulas.
struct AdjustedCase {
    const char* custody;
    double claimant;
    double payer;
};

TEST(ComputeAdjustedIncomes, ChildSupportFollowsTheChildren) {
    const PartyIncomeFacts claim{.GrossYearly = 30000,
                                 .MarginalGrossUp = 1.2,
                                 .FicaSe = 2295,
                                 .DayCareMonthly = 500,
                                 .ChildCareCredit = 600,
                                 .HealthCareMonthly = 100};
    const PartyIncomeFacts payer{
        .GrossYearly = 100000, .MarginalGrossUp = 1.5, .FicaSe = 7650, .DayCareMonthly = 100};
    const AdjustedCase cases[] = {
        // 30,000 - 2,295 - 1.2 x 5,400 - 1.2 x 1,200 + 1.2 x 12,000; 100,000 - 7,650 - 1,800
        // - 1.5 x 12,000.
        {"Cust", 34185, 72550},
        {"Shared", 34185, 72550},
        {"NonCust", 5385, 108550},
        // No support, and the Claimant's day care and both health care figures drop out; the
        // credit and the Other Party's day care stay.
        {"NoMinors", 28425, 90550},
    };
    for (const AdjustedCase& c : cases) {
        const AdjustedIncomes r = ComputeAdjustedIncomes(c.custody, claim, payer, 1000);
        EXPECT_NEAR(r.Claimant, c.claimant, 1e-9) << c.custody;
        EXPECT_NEAR(r.Payer, c.payer, 1e-9) << c.custody;
    }
    EXPECT_DOUBLE_EQ(DifferentialAfterPayroll(claim, payer), 92350 - 27705);
}

TEST(ComputeNetIncomes, AwardAndSupportMoveBetweenParties) {
    const PartyNetFacts claim{.GrossYearly = 30000,
                              .CareAndHealthPaid = CareAndHealthPaidYearly(400, 100, 0),
                              .FicaSe = 2295,
                              .FederalTax = 1000,
                              .FederalCredits = 2000};
    const PartyNetFacts payer{.GrossYearly = 100000,
                              .PriorPaid = PriorPaid(3000, 1000, 1000),
                              .FicaSe = 7650,
                              .StateTax = 0,
                              .FederalTax = 12000};
    // Before transfers: 22,705 and 75,350; award 12,000 a year, support 500 a month.
    const struct {
        const char* custody;
        double claimant;
        double payer;
    } cases[] = {
        {"Cust", 40705, 57350},
        {"Split", 40705, 57350},
        {"NonCust", 28705, 69350},
        {"NoMinors", 34705, 63350},
    };
    for (const auto& c : cases) {
        const NetIncomes n = ComputeNetIncomes(c.custody, claim, payer, 12000, 500);
        EXPECT_DOUBLE_EQ(n.ClaimNetYearly, c.claimant) << c.custody;
        EXPECT_DOUBLE_EQ(n.PayerNetYearly, c.payer) << c.custody;
    }
}

TEST(RoundChildSupport, HalvesGoUp) {
    EXPECT_EQ(RoundChildSupport(412.5), 413);
    EXPECT_EQ(RoundChildSupport(412.49), 412);
    EXPECT_EQ(RoundChildSupport(-2.5), -2);
}

TEST(PayerTaxedAward, KeepsTheClaimantsNetShare) {
    // With the taxable award the Claimant had 40 % of 100,000; without any award the parties
    // net 30,000 and 80,000, so 0.4 x 110,000 - 30,000 = 14,000 restores the share.
    const double share = ClaimantNetShare(40000, 60000);
    EXPECT_NEAR(share, 0.4, 1e-9);
    EXPECT_NEAR(PayerTaxedAward(share, 30000, 80000), 14000, 1e-3);
    EXPECT_EQ(PayerTaxedAward(share, 60000, 50000), 0);
}

}  // namespace
}  // namespace tovaris::maintenance
