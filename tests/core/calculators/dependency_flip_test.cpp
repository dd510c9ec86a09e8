#include "calculators/dependency_flip.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "case/case_file.h"
#include "common/scripted_interaction.h"
#include "core/case/example_case.h"
#include "support/child_support_command.h"

namespace tovaris::calculators {
namespace {

// An example case with its child support calculated, as the results screen has it.
CaseRecord Calculated(const char* example) {
    CaseRecord record = testing::OpenExample(example);
    ScriptedInteraction interaction;
    EXPECT_FALSE(RunChildSupportCommand(record, interaction).stopped);
    return record;
}

FlipEntries Initial(const CaseRecord& record) {
    return InitialFlipEntries(CurrentFlipFigures(record));
}

bool HasLine(const FlipResult& r, const std::string& label) {
    return std::any_of(r.lines.begin(), r.lines.end(),
                       [&](const DisplayRow& row) { return row.label == label; });
}

TEST(DependencyFlip, EntryErrorsInTheirOrder) {
    const CaseRecord shared = Calculated("SharedOvernights.QCF");  // three minors
    ASSERT_EQ(shared.globals.NumMinors, 3);
    const struct {
        std::function<void(FlipEntries&)> change;
        const char* field;
        const char* message;
    } refusals[] = {
        {[](FlipEntries& e) { e.ClaimDepend17 = "2", e.PayerDepend17 = "2"; }, "ClaimDepend17",
         "The Sum Of The Children Under Age 17 Declared By Claimant And Other Party Should Be "
         "Less Than Or Equal To The Total Number Of Minors"},
        {[](FlipEntries& e) { e.ClaimDepend17 = "two"; }, "ClaimDepend17",
         "Please ReEnter The Revised Number Of Children Under Age 17 Declared By The Claimant "
         "(For The Federal Child Tax Credit), Or Enter 0 If None"},
        {[](FlipEntries& e) { e.PayerDepend17 = "-1"; }, "PayerDepend17",
         "Please ReEnter The Revised Number Of Children Under Age 17 Declared By The Other Party "
         "(For The Federal Child Tax Credit), Or Enter 0 If None"},
        {[](FlipEntries& e) { e.ClaimDepend17 = "4", e.PayerDepend17 = "x"; }, "ClaimDepend17",
         "The Sum Of The Children Under Age 17 Declared By Claimant And Other Party Should Be "
         "Less Than Or Equal To The Total Number Of Minors"},
        {[](FlipEntries& e) { e.ClaimDepend17 = "0", e.PayerDepend17 = "0"; }, "", ""},
        {[](FlipEntries& e) { e.ClaimNights = "many"; }, "ClaimNights",
         "Please ReEnter The Revised Overnights For The Claimant"},
        {[](FlipEntries& e) { e.PayerNights = ""; }, "PayerNights",
         "Please ReEnter The Revised Overnights For The Other Party"},
        {[](FlipEntries& e) { e.ClaimNights = "200", e.PayerNights = "166"; }, "ClaimNights",
         "Total Sum Of Claimant's and Other Party's Overnights Must Equal 365"},
    };
    for (const auto& refusal : refusals) {
        SCOPED_TRACE(refusal.message);
        CaseRecord record = shared;
        FlipEntries entries = Initial(record);
        refusal.change(entries);
        const Outcome<FlipResult> outcome = RunDependencyFlip(record, entries);
        if (*refusal.field == '\0') {
            EXPECT_TRUE(std::holds_alternative<FlipResult>(outcome));
            continue;
        }
        ASSERT_TRUE(std::holds_alternative<EntryError>(outcome));
        EXPECT_EQ(std::get<EntryError>(outcome).field, refusal.field);
        EXPECT_EQ(std::get<EntryError>(outcome).message, refusal.message);
    }
}

TEST(DependencyFlip, OvernightsOutsideASharedCaseAreNotRead) {
    CaseRecord record = Calculated("Custodial.QCF");
    FlipEntries entries = Initial(record);
    entries.ClaimNights = "200";
    entries.PayerNights = "";
    EXPECT_TRUE(std::holds_alternative<FlipResult>(RunDependencyFlip(record, entries)));
}

TEST(DependencyFlip, TypingOneOvernightsFillsTheOther) {
    EXPECT_EQ(OtherPartyNights("200"), "165.00");
    EXPECT_EQ(OtherPartyNights("182.5"), "182.50");
    EXPECT_EQ(OtherPartyNights("0"), "365.00");
    EXPECT_EQ(OtherPartyNights("abc"), "");
}

TEST(DependencyFlip, TheCaseIsExactlyAsBeforeAfterACalculation) {
    CaseRecord record = Calculated("SharedOvernights.QCF");
    const std::string savedBefore = SaveData(record);
    const FlipFigures before = CurrentFlipFigures(record);
    FlipEntries entries = Initial(record);
    entries.ClaimNights = "120";
    entries.PayerNights = OtherPartyNights("120");
    entries.ClaimDepend17 = "0";
    entries.PayerDepend17 = "3";
    const Outcome<FlipResult> outcome = RunDependencyFlip(record, entries);
    ASSERT_TRUE(std::holds_alternative<FlipResult>(outcome));
    const FlipResult& r = std::get<FlipResult>(outcome);
    EXPECT_EQ(SaveData(record), savedBefore);
    const FlipFigures after = CurrentFlipFigures(record);
    EXPECT_EQ(after.childSupport, before.childSupport);
    EXPECT_EQ(after.claimTax, before.claimTax);
    EXPECT_EQ(after.payerNet, before.payerNet);
    EXPECT_EQ(r.kept.childSupport, before.childSupport);
    EXPECT_FLOAT_EQ(r.revised.claimNights, 120);
    EXPECT_EQ(r.revised.payerDepend17, 3);
    EXPECT_NE(r.revised.childSupport, r.kept.childSupport);
}

TEST(DependencyFlip, ResultLinesCompareTheRuns) {
    CaseRecord record = Calculated("SharedOvernights.QCF");
    FlipEntries entries = Initial(record);
    entries.ClaimDepend17 = "0";
    entries.PayerDepend17 = "0";
    const FlipResult r = std::get<FlipResult>(RunDependencyFlip(record, entries));
    ASSERT_GE(r.lines.size(), 3u);
    EXPECT_EQ(r.lines[0].label, " Original Child Support = ");
    EXPECT_EQ(r.lines[1].label,
              " Child Support/Mo After Revised Dependencies And/Or Overnights = ");
    EXPECT_TRUE(HasLine(r, " Claimant's Income Adjustments /Yr"));
    EXPECT_TRUE(HasLine(r, " Other Party's Income Adjustments/Yr"));
    EXPECT_TRUE(HasLine(r, "----------"));
    // Fewer credits claimed: the taxes rise, and a rise carries its "+".
    const auto tax = std::find_if(r.lines.begin(), r.lines.end(), [](const DisplayRow& row) {
        return row.label == "  Increase In Tax Paid/Yr   ";
    });
    ASSERT_NE(tax, r.lines.end());
    EXPECT_EQ(tax->value.front(), '+');
}

TEST(DependencyFlip, UnchangedEntriesChangeNothing) {
    CaseRecord record = Calculated("Custodial.QCF");
    const FlipResult r = std::get<FlipResult>(RunDependencyFlip(record, Initial(record)));
    const std::string original = r.lines[0].value;
    EXPECT_EQ(r.lines[1].value, original);
    EXPECT_EQ(r.lines[2], (DisplayRow{" No Difference In Child Support Amounts = ", "$0 ($0/Yr)"}));
    EXPECT_TRUE(HasLine(r, "  No Change In Child Support Received/Yr   "));
    EXPECT_TRUE(HasLine(r, "  No Change In Child Support Paid/Yr   "));
    EXPECT_TRUE(HasLine(r, "  No Change In Tax Paid/Yr   "));
    EXPECT_TRUE(HasLine(r, "  No Change In Net Income/Yr:   "));
}

}  // namespace
}  // namespace tovaris::calculators
