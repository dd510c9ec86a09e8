#include <gtest/gtest.h>

#include <string>

#include "core/maintenance/maintenance_case.h"
#include "maintenance/bonus_calculator.h"

namespace tovaris {
namespace {

using testing::MaintenanceOn;

constexpr const char* kCustodial = "Custodial.QCF";

// What a bonus calculation must give back untouched.
struct CaseState {
    float award;
    float awardSaved;
    float childSupport;
    float transfer;
    float payerGross;
    std::string payerWages;
    std::string payerGrossText;
    std::string childSupportText;

    explicit CaseState(const CaseRecord& r)
        : award(r.results.maintenance.SuggestedAward),
          awardSaved(r.results.maintenance.SuggestedAwardSaved),
          childSupport(r.globals.ChildSupportMonthly),
          transfer(r.results.support.ChildSupportTransfer),
          payerGross(r.globals.PayerGrossYearly),
          payerWages(r.fields.Text("PayerEarned")),
          payerGrossText(r.fields.Text("PayGrossInc")),
          childSupportText(r.fields.Text("ChildSupport")) {}

    bool operator==(const CaseState&) const = default;
};

void PrintTo(const CaseState& s, std::ostream* os) {
    *os << "award " << s.award << ", child support " << s.childSupport << ", wages "
        << s.payerWages;
}

TEST(RunMaintenanceBonus, SharesTheBonusAndRestoresTheCase) {
    CaseRecord record = MaintenanceOn(kCustodial);
    const CaseState before(record);
    ScriptedInteraction interaction;
    const auto r = RunMaintenanceBonus(record, interaction, "$24,000");
    ASSERT_TRUE(r.has_value());
    EXPECT_EQ(CaseState(record), before);
    EXPECT_TRUE(interaction.messages().empty());

    EXPECT_FLOAT_EQ(r->awardWithout, before.award);
    EXPECT_GT(r->awardWith, r->awardWithout);
    EXPECT_FLOAT_EQ(r->supportWithout, before.childSupport);
    EXPECT_GT(r->supportWith, r->supportWithout);
    EXPECT_DOUBLE_EQ(r->percentage, (double{r->awardWith} - r->awardWithout) / 24000 * 100);
    ASSERT_EQ(r->lines.size(), 7u);
    EXPECT_EQ(r->lines[0], (DisplayRow{"Maint/Mo Without Bonus: ", "$147 ($1764/Yr)"}));
    EXPECT_EQ(r->lines[1].label, "Maint/Mo With Bonus: ");
    EXPECT_EQ(r->lines[2].label, "Difference In Maint Recommendations/Mo: ");
    EXPECT_EQ(r->lines[3].label,
              "Child Support Amounts Used In The Alimony/Maintenance Calculations");
    EXPECT_EQ(r->lines[4], (DisplayRow{"Child Support/Mo Without Bonus: ", "$1857"}));
    EXPECT_EQ(r->lines[5].label, "Child Support/Mo With Bonus: ");
}

TEST(RunMaintenanceBonus, KeepsATypedAward) {
    CaseRecord record = MaintenanceOn(kCustodial);
    record.globals.AwardOverride = "Y";
    record.results.maintenance.TypedAward = 6000;
    ScriptedInteraction interaction;
    ASSERT_TRUE(RunMaintenanceBonus(record, interaction, "10000").has_value());
    EXPECT_EQ(record.globals.AwardOverride, "Y");
    EXPECT_FLOAT_EQ(record.results.maintenance.TypedAward, 6000);
}

TEST(RunChildSupportBonus, WithoutLimitationsAndRestored) {
    CaseRecord record = MaintenanceOn(kCustodial);
    record.results.support.LimitsApplied = 1;
    const CaseState before(record);
    ScriptedInteraction interaction;
    const auto r = RunChildSupportBonus(record, interaction, "12000");
    ASSERT_TRUE(r.has_value());
    EXPECT_EQ(CaseState(record), before);
    EXPECT_EQ(record.results.support.LimitsApplied, 1);

    EXPECT_GT(r->supportWith, r->supportWithout);
    EXPECT_FLOAT_EQ(r->maintenanceMonthly, 147);
    EXPECT_DOUBLE_EQ(r->percentage,
                     12 * (double{r->supportWith} - r->supportWithout) / 12000 * 100);
    ASSERT_EQ(r->lines.size(), 7u);
    EXPECT_EQ(r->lines[0].label, "Child Support/Mo Without Bonus: ");
    EXPECT_EQ(r->lines[1].label, "Child Support/Mo With Estimated Bonus: ");
    EXPECT_EQ(r->lines[2].label, "Difference In Child Support/Mo: ");
    EXPECT_EQ(r->lines[3], (DisplayRow{"Calculations Assume Maint/Mo Transfer Of: ", "$147"}));
    EXPECT_EQ(r->lines[4].label, "Child Support Calculations Run Without Limitations. ");
    EXPECT_EQ(r->lines[5].label, "To Run With Limitations, Exit and Click Show Limits Button.");
}

TEST(BonusCalculators, RefuseABonusThatIsNotANumber) {
    CaseRecord record = MaintenanceOn(kCustodial);
    const CaseState before(record);
    ScriptedInteraction interaction;
    EXPECT_FALSE(RunMaintenanceBonus(record, interaction, "big").has_value());
    EXPECT_FALSE(RunChildSupportBonus(record, interaction, "").has_value());
    ASSERT_EQ(interaction.messages().size(), 2u);
    for (const auto& message : interaction.messages()) {
        EXPECT_EQ(message.title, "Entry Error");
        EXPECT_EQ(message.text, "Please ReEnter The Other Party's Average Yearly Bonus");
    }
    EXPECT_EQ(CaseState(record), before);
}

}  // namespace
}  // namespace tovaris
