#include <gtest/gtest.h>

#include "maintenance/award_sentence.h"
#include "maintenance/status_text.h"
#include "maintenance/tax_treatment.h"

namespace tovaris::maintenance {
namespace {

TEST(StatusLine, ByTaxTreatmentAndOverride) {
    EXPECT_EQ(StatusLine(kTaxedToPayee, false),
              "Calculation Shown Has Maintenance Taxed To Payee ");
    EXPECT_EQ(StatusLine(kTaxedToPayee, true),
              "Calculation Shown Has Maintenance Taxed To Payee. The Suggested Maintenance "
              "Award Has Been Modified.");
    EXPECT_EQ(StatusLine(kTaxedToPayer, false),
              "Calculation Shown Has Maintenance Taxed To Payer ");
    EXPECT_EQ(StatusLine(kTaxedToPayer, true),
              "Calculation Shown Has Maintenance Taxed To Payer. The Suggested Maintenance "
              "Award Has Been Modified.");
    EXPECT_EQ(StatusLine(kBetweenPayerPasses, false), " ");
}

TEST(AwardSentence, TentativeBelowTwentyFive) {
    EXPECT_EQ(AwardSentence(0, 60), " No Maintenance Is Recommended.");
    EXPECT_EQ(AwardSentence(12000, 24.99f),
              " If Maintenance Is Awarded, $12,000 Per Year  Or  $1,000 Per Month Is Suggested.");
    EXPECT_EQ(AwardSentence(252, 25),
              " Recommended Maintenance Is $252 Per Year  Or  $21 Per Month.");
}

}  // namespace
}  // namespace tovaris::maintenance
