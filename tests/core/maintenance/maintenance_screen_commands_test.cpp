#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

#include "common/entry_text.h"
#include "core/maintenance/maintenance_case.h"
#include "maintenance/maintenance_rows.h"
#include "maintenance/maintenance_screen_commands.h"

namespace tovaris {
namespace {

using maintenance::MaintenanceResults;
using testing::MaintenanceOn;

constexpr const char* kCustodial = "Custodial.QCF";
constexpr const char* kNoMinors = "NoMinorsMaintenance.QCF";

struct RefusedAward {
    const char* typed;
    const char* message;
};

class ChangeAwardRefused : public ::testing::TestWithParam<RefusedAward> {};

TEST_P(ChangeAwardRefused, ChangesNothing) {
    CaseRecord record = MaintenanceOn(kCustodial);
    const MaintenanceResults before = record.results.maintenance;
    ScriptedInteraction interaction;
    EXPECT_FALSE(ChangeAward(record, interaction, GetParam().typed));
    ASSERT_EQ(interaction.messages().size(), 1u);
    EXPECT_EQ(interaction.messages()[0].title, "Entry Error");
    EXPECT_EQ(interaction.messages()[0].text, GetParam().message);
    EXPECT_EQ(interaction.focused(), std::vector<std::string>{"NewAward"});
    EXPECT_EQ(record.globals.AwardOverride, "N");
    EXPECT_FLOAT_EQ(record.results.maintenance.SuggestedAward, before.SuggestedAward);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, ChangeAwardRefused,
    ::testing::Values(RefusedAward{"-1", "Spousal Maintenance Must Be $0 or Greater"},
                      RefusedAward{"", "Please Enter The New Spousal Maintenance"},
                      RefusedAward{"lots", "Please Enter The New Spousal Maintenance"}));

class ChangeAwardAccepted : public ::testing::TestWithParam<const char*> {};

// The columns use the typed award; the award sentence keeps the suggestion.
TEST_P(ChangeAwardAccepted, TypedAwardReplacesTheSuggestion) {
    CaseRecord record = MaintenanceOn(kCustodial);
    const float suggested = record.results.maintenance.SuggestedAward;
    ScriptedInteraction interaction;
    EXPECT_TRUE(ChangeAward(record, interaction, GetParam()));
    const MaintenanceResults& m = record.results.maintenance;
    const float typed = static_cast<float>(ReadAmount(GetParam()).value());
    EXPECT_FLOAT_EQ(m.TypedAward, typed);
    EXPECT_FLOAT_EQ(m.SuggestedAward, typed);
    EXPECT_FLOAT_EQ(m.Claim.Maintenance, typed);
    EXPECT_FLOAT_EQ(m.SuggestedAwardSaved, suggested);
    EXPECT_EQ(m.CalcStatusText,
              "Calculation Shown Has Maintenance Taxed To Payee. The Suggested Maintenance Award "
              "Has Been Modified.");
    EXPECT_EQ(record.globals.AwardOverride, "Y");
    EXPECT_EQ(record.globals.UnallocInForce, "N");
}

INSTANTIATE_TEST_SUITE_P(Entries, ChangeAwardAccepted, ::testing::Values("0", "$12,000"));

TEST(ChangeAward, TaxedToPayerSaysTheSuggestionWasModified) {
    CaseRecord record = MaintenanceOn(kNoMinors, MaintTaxedTo::Payer);
    const float suggested = record.results.maintenance.SuggestedAwardSaved;
    ScriptedInteraction interaction;
    ASSERT_TRUE(ChangeAward(record, interaction, "24000"));
    const MaintenanceResults& m = record.results.maintenance;
    EXPECT_FLOAT_EQ(m.SuggestedAward, 24000);
    EXPECT_FLOAT_EQ(m.SuggestedAwardSaved, suggested);
    EXPECT_EQ(m.CalcStatusText,
              "Calculation Shown Has Maintenance Taxed To Payer. The Suggested Maintenance Award "
              "Has Been Modified.");
}

// The sentence states the suggestion, whatever award is typed and in either tax treatment.
TEST(ChangeAward, TheAwardSentenceKeepsTheSuggestion) {
    for (MaintTaxedTo taxedTo : {MaintTaxedTo::Payer, MaintTaxedTo::Payee}) {
        CaseRecord record = MaintenanceOn(kCustodial, taxedTo);
        const std::string suggested = maintenance::MaintenanceDisplayOf(record).awardSentence;
        ScriptedInteraction interaction;
        for (const char* typed : {"30000", "0", "$12,000"}) {
            SCOPED_TRACE(typed);
            ASSERT_TRUE(ChangeAward(record, interaction, typed));
            EXPECT_EQ(maintenance::MaintenanceDisplayOf(record).awardSentence, suggested);
        }
        ASSERT_TRUE(UseSuggested(record, interaction));
        EXPECT_EQ(maintenance::MaintenanceDisplayOf(record).awardSentence, suggested);
    }
}

TEST(UseSuggested, BringsBackTheSuggestion) {
    CaseRecord record = MaintenanceOn(kCustodial);
    const MaintenanceResults suggested = record.results.maintenance;
    const float support = record.globals.ChildSupportMonthly;
    ScriptedInteraction interaction;
    ASSERT_TRUE(ChangeAward(record, interaction, "30000"));
    ASSERT_NE(record.globals.ChildSupportMonthly, support);
    EXPECT_TRUE(UseSuggested(record, interaction));
    const MaintenanceResults& m = record.results.maintenance;
    EXPECT_EQ(record.globals.AwardOverride, "N");
    EXPECT_FLOAT_EQ(m.SuggestedAward, suggested.SuggestedAward);
    EXPECT_FLOAT_EQ(m.ClaimNetYearly, suggested.ClaimNetYearly);
    EXPECT_FLOAT_EQ(record.globals.ChildSupportMonthly, support);
    EXPECT_EQ(m.CalcStatusText, "Calculation Shown Has Maintenance Taxed To Payee ");
}

struct PresentValueRefusal {
    const char* name;
    const char* duration;
    const char* tax;
    const char* discount;
    const char* box;
    const char* message;
};

const PresentValueRefusal kRefusals[] = {
    {"NoDuration", "", "0", "0", "PresentValueDuration",
     "Please ReEnter The Duration In Years For A Present Value Calculation"},
    {"ZeroDuration", "0", "0", "0", "PresentValueDuration",
     "Please ReEnter The Duration In Years For A Present Value Calculation"},
    {"TaxRateOfOne", "5", "1", "0", "PresentValueTax",
     "Please ReEnter The Tax Rate For A Present Value Calculation(As A Decimal)"},
    {"NegativeTaxRate", "5", "-.1", "0", "PresentValueTax",
     "Please ReEnter The Tax Rate For A Present Value Calculation(As A Decimal)"},
    {"DiscountNotANumber", "5", ".2", "x", "PresentValueDiscount",
     "Please ReEnter The Discount Rate For A Present Value Calculation(As A Decimal)"},
};

void PrintTo(const PresentValueRefusal& row, std::ostream* os) {
    *os << row.name;
}

class PresentValueRefused : public ::testing::TestWithParam<PresentValueRefusal> {};

TEST_P(PresentValueRefused, FocusGoesBackToTheEntry) {
    const PresentValueRefusal& row = GetParam();
    CaseRecord record = MaintenanceOn(kNoMinors);
    ScriptedInteraction interaction;
    EXPECT_EQ(PresentValueCommand(record, interaction, row.duration, row.tax, row.discount),
              std::nullopt);
    ASSERT_EQ(interaction.messages().size(), 1u);
    EXPECT_EQ(interaction.messages()[0].title, "Entry Error");
    EXPECT_EQ(interaction.messages()[0].text, row.message);
    EXPECT_EQ(interaction.focused(), std::vector<std::string>{row.box});
    EXPECT_FALSE(record.results.maintenance.HasPresentValue);
}

INSTANTIATE_TEST_SUITE_P(Entries, PresentValueRefused, ::testing::ValuesIn(kRefusals),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PresentValueCommand, OneYearUntaxedUndiscountedIsTheYearlyAward) {
    CaseRecord record = MaintenanceOn(kNoMinors);
    ScriptedInteraction interaction;
    EXPECT_EQ(PresentValueCommand(record, interaction, "1", "0", "0"), "  $41,016");
    const MaintenanceResults& m = record.results.maintenance;
    EXPECT_TRUE(m.HasPresentValue);
    EXPECT_FLOAT_EQ(m.PresentValue, 41016);
    EXPECT_FLOAT_EQ(m.PVDuration, 1);
}

TEST(PresentValueCommand, ValuesTheTypedAward) {
    CaseRecord record = MaintenanceOn(kNoMinors);
    ScriptedInteraction interaction;
    ASSERT_TRUE(ChangeAward(record, interaction, "12000"));
    // Two years of $1,000 a month after a 25 % tax, undiscounted.
    EXPECT_EQ(PresentValueCommand(record, interaction, "2", ".25", "0"), "  $18,000");
}

// The present value belongs to the award it was computed for.
TEST(PresentValueCommand, ANewAwardOrRecommendationForgetsIt) {
    const std::function<void(CaseRecord&, Interaction&)> changes[] = {
        [](CaseRecord& record, Interaction& ui) { ChangeAward(record, ui, "6000"); },
        [](CaseRecord& record, Interaction& ui) { UseSuggested(record, ui); },
        [](CaseRecord& record, Interaction& ui) { RunMaintenanceCommand(record, ui); },
    };
    for (const auto& change : changes) {
        CaseRecord record = MaintenanceOn(kNoMinors);
        ScriptedInteraction interaction;
        ASSERT_TRUE(PresentValueCommand(record, interaction, "5", ".2", ".05"));
        change(record, interaction);
        const MaintenanceResults& m = record.results.maintenance;
        EXPECT_FALSE(m.HasPresentValue);
        EXPECT_EQ(m.PresentValue, 0);
        EXPECT_EQ(m.PVDuration, 0);
    }
}

}  // namespace
}  // namespace tovaris
