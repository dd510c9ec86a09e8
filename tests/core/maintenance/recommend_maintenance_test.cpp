#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/maintenance/maintenance_case.h"
#include "maintenance/award_limits.h"
#include "maintenance/recommend_maintenance.h"
#include "maintenance/tax_treatment.h"

namespace tovaris {
namespace {

using maintenance::MaintenanceResults;
using testing::ExampleCase;
using testing::MaintenanceOn;

constexpr const char* kNoMinors = "NoMinorsMaintenance.QCF";
constexpr const char* kCustodial = "Custodial.QCF";

TEST(ComputeCaseScore, ScoresTheReadInAndDropsATypedAward) {
    CaseRecord record;
    CaseGlobals& g = record.globals;
    // 5 years, age 30, no children, no skills points, a Claimant out-earning the Other Party.
    g.YearsMarried = 5;
    g.ClaimantAge = 30;
    g.ClaimGrossYearly = 50000;
    g.PayerGrossYearly = 40000;
    g.AwardOverride = "Y";
    ComputeCaseScore(record);
    EXPECT_FLOAT_EQ(record.results.maintenance.CaseScore, 1);
    EXPECT_EQ(record.results.maintenance.CaseComment,
              " This Represents A Very Weak Claim For Maintenance.");
    EXPECT_EQ(g.AwardOverride, "N");
}

TEST(RecommendMaintenance, StrongCaseTaxedToPayee) {
    const CaseRecord record = MaintenanceOn(kNoMinors);
    const MaintenanceResults& m = record.results.maintenance;
    EXPECT_FLOAT_EQ(m.CaseScore, 76.05f);
    EXPECT_DOUBLE_EQ(m.TargetShare, 0.5);
    EXPECT_FLOAT_EQ(m.SuggestedAward, 41016);
    EXPECT_FLOAT_EQ(m.SuggestedAwardSaved, 41016);
    EXPECT_EQ(std::fmod(m.SuggestedAward, 12.0f), 0);
    EXPECT_EQ(m.TermLine1, " Permanent Maintenance Could Be Considered.");
    EXPECT_EQ(m.TermLine2, " Maintenance Should Continue For 11.0 Years.");
    EXPECT_EQ(m.CalcStatusText, "Calculation Shown Has Maintenance Taxed To Payee ");
    EXPECT_EQ(record.globals.TaxTreatment, maintenance::kTaxedToPayee);
    EXPECT_FLOAT_EQ(m.Claim.Maintenance, 41016);
    EXPECT_FLOAT_EQ(m.Payer.Maintenance, -41016);
}

// Taxed to the payer, the award is paid from after-tax income and sized to leave the Claimant
// the share of combined net income that the taxable award gave.
TEST(RecommendMaintenance, TaxedToPayerKeepsTheClaimantsShareOfNetIncome) {
    const CaseRecord payee = MaintenanceOn(kNoMinors, MaintTaxedTo::Payee);
    const CaseRecord payer = MaintenanceOn(kNoMinors, MaintTaxedTo::Payer);
    auto claimantShare = [](const MaintenanceResults& m) {
        return m.ClaimNetYearly / (double{m.ClaimNetYearly} + m.PayerNetYearly);
    };
    const MaintenanceResults& m = payer.results.maintenance;
    EXPECT_NEAR(claimantShare(m), claimantShare(payee.results.maintenance), 1e-6);
    EXPECT_LT(m.SuggestedAward, payee.results.maintenance.SuggestedAward);
    EXPECT_FLOAT_EQ(m.SuggestedAwardSaved, m.SuggestedAward);
    EXPECT_EQ(m.CalcStatusText, "Calculation Shown Has Maintenance Taxed To Payer ");
    EXPECT_EQ(payer.globals.TaxTreatment, maintenance::kTaxedToPayer);
    EXPECT_EQ(payer.options.maintTaxedTo, MaintTaxedTo::Payer);
}

TEST(RecommendMaintenance, TaxedToPayerLeavesTheTaxesWithoutTheAward) {
    CaseRecord record = MaintenanceOn(kNoMinors, MaintTaxedTo::Payer);
    const MaintenanceResults withAward = record.results.maintenance;
    record.results.maintenance.CaseScore = 1;  // no award at all
    RecommendMaintenance(record);
    const MaintenanceResults& without = record.results.maintenance;
    EXPECT_FLOAT_EQ(without.SuggestedAward, 0);
    EXPECT_FLOAT_EQ(withAward.Claim.FederalTax, without.Claim.FederalTax);
    EXPECT_FLOAT_EQ(withAward.Payer.FederalTax, without.Payer.FederalTax);
}

TEST(RecommendMaintenance, ScoreBelowNineteenWithModestDifferentialGivesNoAward) {
    CaseRecord record = MaintenanceOn(kCustodial);
    ASSERT_LT(record.globals.PayerGrossYearly - record.globals.ClaimGrossYearly, 70000);
    record.results.maintenance.CaseScore = 18;
    RecommendMaintenance(record);
    const MaintenanceResults& m = record.results.maintenance;
    EXPECT_FLOAT_EQ(m.SuggestedAward, 0);
    EXPECT_FLOAT_EQ(m.SuggestedAwardSaved, 0);
    EXPECT_EQ(m.TermLine1, " Barring Unusual Circumstances, This Case Does Not Justify An Award");
    EXPECT_EQ(m.TermLine2, "");
    EXPECT_EQ(m.CaseComment,
              " This Is An Unlikely Maintenance Case,\r\n"
              " Barring Some Unusual Or Compelling Circumstance.");
}

// A Claimant paying a large prior maintenance has a negative adjusted income; the award stops
// at half the Other Party's gross, in whole dollars a month.
TEST(RecommendMaintenance, NeverMoreThanHalfThePayersGross) {
    CaseRecord record = ExampleCase(kNoMinors);
    record.fields.SetText("ClaimPriorMaintPaid2", "400000");
    ScriptedInteraction interaction;
    ASSERT_FALSE(RunMaintenanceCommand(record, interaction).stopped);
    const MaintenanceResults& m = record.results.maintenance;
    const float half = record.globals.PayerGrossYearly / 2;
    EXPECT_FLOAT_EQ(m.SuggestedAward, maintenance::RoundToWholeMonths(half));
    EXPECT_LE(m.SuggestedAward, half);
    EXPECT_FLOAT_EQ(m.PriorPaidClaim, 400000);
    EXPECT_FLOAT_EQ(m.Claim.PriorMaintPaid, 400000);
}

TEST(RecommendMaintenance, MaintenanceFeedsChildSupportInWholeDollars) {
    const CaseRecord record = MaintenanceOn(kCustodial);
    const MaintenanceResults& m = record.results.maintenance;
    ASSERT_GT(m.SuggestedAward, 0);
    EXPECT_FLOAT_EQ(record.globals.MaintForChildSupport, m.SuggestedAward / 12);
    EXPECT_FLOAT_EQ(m.MaintForChildSupport, m.SuggestedAward / 12);
    EXPECT_FLOAT_EQ(record.results.tax.MonthlyMaintenance, m.SuggestedAward / 12);
    EXPECT_EQ(record.globals.ChildSupportMonthly, std::floor(record.globals.ChildSupportMonthly));
    EXPECT_FLOAT_EQ(m.Claim.ChildSupport, 12 * record.globals.ChildSupportMonthly);
    EXPECT_FLOAT_EQ(m.Payer.ChildSupport, -12 * record.globals.ChildSupportMonthly);
}

TEST(RecommendMaintenance, TypedChildSupportStandsWhenMaintenanceDoesNotFeedIt) {
    CaseRecord record = ExampleCase(kCustodial);
    record.options.applyMaintToCS = false;
    record.fields.SetText("ChildSupport", "$900");
    ScriptedInteraction interaction;
    ASSERT_FALSE(RunMaintenanceCommand(record, interaction).stopped);
    EXPECT_FLOAT_EQ(record.globals.ChildSupportMonthly, 900);
    EXPECT_FLOAT_EQ(record.globals.MaintForChildSupport, 0);
    EXPECT_EQ(record.fields.Text("ChildSupport"), "$900");
    EXPECT_FLOAT_EQ(record.results.maintenance.Claim.ChildSupport, 12 * 900);
}

// An unallocated transfer keeps the award out of both parties' taxes for one run.
TEST(RecommendMaintenance, UnallocatedModeLeavesTheAwardOutOfTheTaxes) {
    CaseRecord record = MaintenanceOn(kNoMinors);
    const MaintenanceResults taxed = record.results.maintenance;
    record.results.maintenance.UnallocatedMode = "Y";
    RecommendMaintenance(record);
    const MaintenanceResults& m = record.results.maintenance;
    EXPECT_EQ(m.UnallocatedMode, "N");
    EXPECT_FLOAT_EQ(m.SuggestedAward, taxed.SuggestedAward);
    EXPECT_FLOAT_EQ(m.SuggestedAwardSaved, taxed.SuggestedAwardSaved);
    EXPECT_LT(m.Claim.FederalTax, taxed.Claim.FederalTax);
    EXPECT_GT(m.Payer.FederalTax, taxed.Payer.FederalTax);
}

}  // namespace
}  // namespace tovaris
