#include <gtest/gtest.h>

#include <string>

#include "core/maintenance/maintenance_case.h"
#include "maintenance/maintenance_command.h"
#include "tax/net_income_phase.h"

namespace tovaris {
namespace {

using testing::ExampleCase;

constexpr const char* kCustodial = "Custodial.QCF";

TEST(RunMaintenanceCommand, ReadInStopEndsTheCommandBeforeAnyCalculation) {
    CaseRecord record = ExampleCase(kCustodial);
    record.fields.SetText("ClaimAge", "");
    ScriptedInteraction interaction;
    bool snapshotTaken = false;
    const ReadInResult result =
        RunMaintenanceCommand(record, interaction, [&] { snapshotTaken = true; });
    EXPECT_TRUE(result.stopped);
    EXPECT_EQ(result.message, "Please ReEnter Claimant's Age");
    EXPECT_TRUE(snapshotTaken);
    EXPECT_FALSE(record.results.maintenance.Computed);
    EXPECT_FALSE(record.results.support.Computed);
}

TEST(RunMaintenanceCommand, StartsAFreshRecommendation) {
    CaseRecord record = ExampleCase(kCustodial, MaintTaxedTo::Payer);
    record.fields.SetText("CurrentMaintTransfer", "$500");
    record.globals.AwardOverride = "Y";
    ScriptedInteraction interaction;
    ASSERT_FALSE(RunMaintenanceCommand(record, interaction).stopped);
    EXPECT_TRUE(interaction.messages().empty());
    EXPECT_EQ(record.fields.Text("CurrentMaintTransfer"), "");
    EXPECT_EQ(record.globals.AwardOverride, "N");
    EXPECT_EQ(record.globals.TaxTreatment, 2);
    EXPECT_TRUE(record.results.support.Computed);
    EXPECT_TRUE(record.results.maintenance.Computed);
}

struct DeviationRow {
    const char* name;
    bool applyMaintToCS;
    const char* otherChildrenCheck;  // nullptr: none ticked
    int answer;
    size_t questions;
    int16_t deviationApplied;
};

const DeviationRow kDeviationRows[] = {
    {"ClaimantsOtherChildrenYes", true, "ClaimSecFamCheck", kAnswerYes, 1, 1},
    {"OtherPartysOtherChildrenNo", true, "PayerSecFamCheck", kAnswerNo, 1, 0},
    {"NoOtherChildren", true, nullptr, kAnswerYes, 0, 0},
    {"MaintenanceDoesNotFeedChildSupport", false, "PayerSecFamCheck", kAnswerYes, 0, 0},
};

void PrintTo(const DeviationRow& row, std::ostream* os) {
    *os << row.name;
}

class ApplyDeviationQuestion : public ::testing::TestWithParam<DeviationRow> {};

TEST_P(ApplyDeviationQuestion, AskedWhenChildSupportRunsForOtherChildren) {
    const DeviationRow& row = GetParam();
    CaseRecord record = ExampleCase(kCustodial);
    record.options.applyMaintToCS = row.applyMaintToCS;
    if (row.otherChildrenCheck != nullptr) {
        record.fields.SetCheck(row.otherChildrenCheck, 1);
    }
    ScriptedInteraction interaction;
    interaction.QueueAnswer(row.answer);
    ASSERT_FALSE(RunMaintenanceCommand(record, interaction).stopped);
    ASSERT_EQ(interaction.messages().size(), row.questions);
    if (row.questions == 1) {
        EXPECT_EQ(interaction.messages()[0].title, "Apply Deviation");
        EXPECT_EQ(interaction.messages()[0].text,
                  "Do You Wish To Apply A Deviation For The Children From Other Relationships "
                  "When Calculating The Maintenance Recommendation?");
    }
    EXPECT_EQ(record.results.support.DeviationApplied, row.deviationApplied);
}

INSTANTIATE_TEST_SUITE_P(EveryCase, ApplyDeviationQuestion, ::testing::ValuesIn(kDeviationRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RunReportingOverflow, ReportsTheCalculationError) {
    ScriptedInteraction interaction;
    EXPECT_FALSE(RunReportingOverflow(interaction, [] { throw tax::ArithmeticError(); }));
    ASSERT_EQ(interaction.messages().size(), 1u);
    EXPECT_EQ(interaction.messages()[0].title, "Calculation Error");
    EXPECT_TRUE(RunReportingOverflow(interaction, [] {}));
}

}  // namespace
}  // namespace tovaris
