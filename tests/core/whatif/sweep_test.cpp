#include "whatif/sweep.h"

#include <gtest/gtest.h>

#include "../case/example_case.h"
#include "common/scripted_interaction.h"
#include "maintenance/maintenance_command.h"
#include "support/child_support_command.h"

namespace tovaris::whatif {
namespace {

using testing::OpenExample;

SweepRequest Request(SweepInput input, double from, double to, int steps,
                     SweepCalculation calculation = SweepCalculation::ChildSupport) {
    return {input, from, to, steps, calculation};
}

// The same entry typed by hand and the child support button pressed.
float TransferTypedByHand(CaseRecord record, const std::string& field, const std::string& text) {
    record.fields.SetText(field, text);
    ScriptedInteraction answers;
    EXPECT_FALSE(RunChildSupportCommand(record, answers).stopped);
    return record.results.support.ChildSupportTransfer;
}

struct HandCase {
    const char* example;
    SweepInput input;
    const char* field;
    std::vector<std::pair<double, const char*>> values;  // sweep point, as typed
};

TEST(SweepTest, PointsEqualTheCommandRunWithTheEntryTyped) {
    const HandCase cases[] = {
        {"Custodial.QCF",
         SweepInput::Maintenance,
         "CurrentMaintTransfer",
         {{0, "0"}, {500, "500"}, {1500, "1500"}, {2500, "2500"}}},
        {"SharedOvernights.QCF",
         SweepInput::ClaimChildren,
         "ClaimDepend17",
         {{0, "0"}, {1, "1"}, {2, "2"}}},
    };
    for (const HandCase& c : cases) {
        const CaseRecord record = OpenExample(c.example);
        const double last = c.values.back().first;
        const Sweep sweep = RunSweep(
            record, Request(c.input, 0, last, static_cast<int>(last / c.values[1].first) + 1));
        for (const auto& [x, typed] : c.values) {
            auto point = std::find_if(sweep.points.begin(), sweep.points.end(),
                                      [x](const SweepPoint& p) { return p.x == x; });
            ASSERT_NE(point, sweep.points.end()) << c.example << " " << x;
            EXPECT_FALSE(point->stopped) << point->message;
            EXPECT_EQ(point->transfer, TransferTypedByHand(record, c.field, typed))
                << c.example << " at " << typed;
        }
    }
}

TEST(SweepTest, CurrentPointIsTheCaseAsItStands) {
    const CaseRecord record = OpenExample("Custodial.QCF");
    CaseRecord pressed = record;
    ScriptedInteraction answers;
    ASSERT_FALSE(RunChildSupportCommand(pressed, answers).stopped);
    const Sweep sweep = RunSweep(record, Request(SweepInput::OtherIncome, 1000, 20000, 5));
    EXPECT_EQ(sweep.current.transfer, pressed.results.support.ChildSupportTransfer);
    EXPECT_FLOAT_EQ(sweep.current.x, 8500);
    // The sweep worked on copies.
    EXPECT_EQ(record.fields.Text("PayGrossInc"), "$ 8,500.00");
}

TEST(SweepTest, AGrossIncomeIsTheIncomeTheCalculationTaxes) {
    const CaseRecord record = OpenExample("Custodial.QCF");
    const SweepPoint point =
        RunPoint(record, SweepInput::OtherIncome, 6250, SweepCalculation::ChildSupport);
    CaseRecord pressed = record;
    TypeSweepInput(pressed, SweepInput::OtherIncome, 6250);
    ScriptedInteraction answers;
    ASSERT_FALSE(RunChildSupportCommand(pressed, answers).stopped);
    EXPECT_FLOAT_EQ(pressed.globals.PayerGrossYearly, 75000);
    EXPECT_EQ(point.transfer, pressed.results.support.ChildSupportTransfer);
}

// Each threshold is where a rule changes: one step below it the point is under the other rule,
// and with the limits applied the transfer differs too.
TEST(SweepTest, ThresholdsAreWhereTheRuleChanges) {
    CaseRecord record = OpenExample("Custodial.QCF");
    record.results.support.LimitsApplied = 1;
    const SweepRequest request = Request(SweepInput::OtherIncome, 0, 20000, 41);
    const Sweep sweep = RunSweep(record, request);
    std::vector<std::string> labels;
    for (const Threshold& t : sweep.thresholds) {
        labels.push_back(t.label);
        const SweepPoint below = RunPoint(record, request.input, t.x - 0.01, request.calculation);
        const SweepPoint at = RunPoint(record, request.input, t.x, request.calculation);
        EXPECT_TRUE(below.otherLimit != at.otherLimit || below.claimLimit != at.claimLimit ||
                    below.tableNote != at.tableNote)
            << t.label << " at " << t.x;
    }
    EXPECT_NE(std::find(labels.begin(), labels.end(), "Other Party's Self-Support Reserve"),
              labels.end());
    EXPECT_NE(std::find(labels.begin(), labels.end(), "$12,000 Economic Table Limit"),
              labels.end());
    EXPECT_NE(std::find(labels.begin(), labels.end(), "Other Party's $50 Minimum"), labels.end());
    // The reserve limit holds the transfer down below its line, not above it.
    for (const Threshold& t : sweep.thresholds) {
        if (t.label == "Other Party's Self-Support Reserve") {
            const SweepPoint below = RunPoint(record, request.input, t.x - 50, request.calculation);
            const SweepPoint above = RunPoint(record, request.input, t.x + 50, request.calculation);
            EXPECT_FALSE(below.otherLimit.empty());
            EXPECT_TRUE(above.otherLimit.empty());
        }
    }
}

TEST(SweepTest, NightsShowHalfTheYearAndTheMaintenanceBands) {
    const CaseRecord record = OpenExample("SharedOvernights.QCF");
    const Sweep support = RunSweep(record, Request(SweepInput::ClaimNights, 100, 250, 16));
    ASSERT_EQ(support.thresholds.size(), 1u);
    EXPECT_EQ(support.thresholds[0].label, "182.5 Nights: Half The Year");

    const SweepRequest request =
        Request(SweepInput::ClaimNights, 100, 250, 16, SweepCalculation::Maintenance);
    const Sweep maintenance = RunSweep(record, request);
    std::vector<std::string> labels;
    for (const Threshold& t : maintenance.thresholds) {
        labels.push_back(t.label);
    }
    EXPECT_EQ(labels,
              (std::vector<std::string>{"35% Shared Time", "45% Shared Time", "48% Shared Time",
                                        "182.5 Nights: Half The Year", "52% Shared Time",
                                        "55% Shared Time", "65% Shared Time"}));
    // Across the 65 % line the recommendation takes another target share.
    const SweepPoint below = RunPoint(record, request.input, 236, request.calculation);
    const SweepPoint above = RunPoint(record, request.input, 239, request.calculation);
    EXPECT_LT(below.maintenance, above.maintenance);
    // Below half the year the Claimant may not claim the care credit the case claims.
    EXPECT_TRUE(RunPoint(record, request.input, 182, request.calculation).stopped);
    EXPECT_FALSE(RunPoint(record, request.input, 183, request.calculation).stopped);
}

TEST(SweepTest, RefusesWhatCannotBeSwept) {
    const CaseRecord custodial = OpenExample("Custodial.QCF");
    EXPECT_EQ(RefuseSweep(custodial, Request(SweepInput::ClaimNights, 0, 365, 10)),
              "The Claimant's overnights can be varied only in a shared custody case.");
    EXPECT_EQ(RefuseSweep(custodial, Request(SweepInput::ClaimIncome, 10, 10, 10)),
              "The range must run from a lower to a higher value.");
    EXPECT_EQ(RefuseSweep(custodial, Request(SweepInput::ClaimIncome, 0, 10, 1)),
              "The number of steps must be from 2 to 10,000.");
    EXPECT_EQ(RefuseSweep(custodial, Request(SweepInput::ClaimIncome, 0, 10, 2)), std::nullopt);
}

}  // namespace
}  // namespace tovaris::whatif

namespace tovaris::whatif {
namespace {

// One coarse step can hold two changes of the same rule; both are found.
TEST(SweepTest, TwoChangesBetweenNeighbouringPoints) {
    CaseRecord record = testing::OpenExample("Custodial.QCF");
    const Sweep sweep = RunSweep(record, Request(SweepInput::ClaimIncome, 0, 20000, 11));
    std::vector<std::string> labels;
    for (const Threshold& t : sweep.thresholds) {
        labels.push_back(t.label);
    }
    EXPECT_EQ(labels,
              (std::vector<std::string>{"Claimant's $50 Minimum", "Claimant's Self-Support Reserve",
                                        "$12,000 Economic Table Limit"}));
    ASSERT_EQ(sweep.thresholds.size(), 3u);
    EXPECT_NEAR(sweep.thresholds[2].x, 5975.5, 0.01);
}

}  // namespace
}  // namespace tovaris::whatif

namespace tovaris::whatif {
namespace {

TEST(SweepTest, PointFiguresAsTheChartShowsThem) {
    SweepPoint point;
    point.x = 8500;
    point.transfer = -764.5f;
    point.maintenance = 1500;
    point.claimHousehold = 5023.4;
    point.otherHousehold = 4377;
    EXPECT_EQ(
        PointLines(point, SweepInput::OtherIncome),
        (std::vector<std::string>{
            "Other Party's Gross Monthly Income = $8,500.00",
            "Child Support/Month = $764.50 Paid By Claimant", "Maintenance/Month = $1,500.00",
            "Claimant's Income/Month = $5,023.40", "Other Party's Income/Month = $4,377.00"}));
    SweepPoint stopped;
    stopped.x = 150;
    stopped.stopped = true;
    stopped.message = "Please Check Your Entries.";
    EXPECT_EQ(PointLines(stopped, SweepInput::ClaimNights),
              (std::vector<std::string>{"Claimant's Overnights Per Year = 150.0",
                                        "Please Check Your Entries."}));
}

}  // namespace
}  // namespace tovaris::whatif
