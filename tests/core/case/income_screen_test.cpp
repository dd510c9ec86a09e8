#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "case/case_record.h"
#include "case/income_refresh.h"
#include "case/income_screen.h"
#include "common/scripted_interaction.h"

namespace tovaris {
namespace {

// The checks of the children from other relationships when an income screen closes.
TEST(IncomeScreenClose, ChecksTheChildrenFromOtherRelationships) {
    struct Row {
        const char* label;
        int16_t check;
        const char* inHousehold;
        const char* notInHousehold;
        std::vector<const char*> ages;
        int answer;     // to the over-age warning
        bool quitting;  // the program is ending
        bool closes;
        std::vector<std::string> messages;
        const char* focus;  // nullptr: no focus change
    };
    const std::string over = kOverAgeOtherChildWarning;
    const std::string none = kNoOtherChildAgesError;
    const std::string count = kOtherChildCountError;
    const Row rows[] = {
        {"box unticked", 0, "2", "", {}, kAnswerNo, false, true, {}, nullptr},
        {"ages match", 1, "1", "1", {"4", "10"}, kAnswerNo, false, true, {}, nullptr},
        {"no age", 1, "1", "", {}, kAnswerNo, false, false, {none}, "ClaimOtherChildAge(0)"},
        {"two counted one age",
         1,
         "2",
         "",
         {"6"},
         kAnswerNo,
         false,
         false,
         {count},
         "ClaimNumOther"},
        {"letters are no age",
         1,
         "1",
         "",
         {"six"},
         kAnswerNo,
         false,
         false,
         {none},
         "ClaimOtherChildAge(0)"},
        {"over 18, re-enter",
         1,
         "1",
         "",
         {"", "19"},
         kAnswerYes,
         false,
         false,
         {over},
         "ClaimOtherChildAge(1)"},
        {"over 18, go on", 1, "0", "1", {"19"}, kAnswerNo, false, true, {over}, nullptr},
        {"over 18, go on, count off",
         1,
         "2",
         "",
         {"19"},
         kAnswerNo,
         false,
         false,
         {over, count},
         "ClaimNumOther"},
        {"over 18 while quitting", 1, "1", "", {"20"}, kAnswerYes, true, true, {}, nullptr},
        {"exactly 18", 1, "1", "", {"18"}, kAnswerYes, false, true, {}, nullptr},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        CaseRecord record;
        record.fields.SetCheck("ClaimSecFamCheck", row.check);
        record.fields.SetText("ClaimNumOther", row.inHousehold);
        record.fields.SetText("ClaimNumOtherNot", row.notInHousehold);
        for (size_t i = 0; i < row.ages.size(); ++i) {
            record.fields.SetText("ClaimOtherChildAge(" + std::to_string(i) + ")", row.ages[i]);
        }
        ScriptedInteraction interaction;
        interaction.QueueAnswer(row.answer);
        EXPECT_EQ(CloseIncomeScreen(record, IncomeParty::Claimant, interaction, row.quitting),
                  row.closes);
        std::vector<std::string> shown;
        for (const auto& message : interaction.messages()) {
            shown.push_back(message.text);
            EXPECT_EQ(message.title, message.text == over ? "Entry Warning" : "Entry Error");
        }
        EXPECT_EQ(shown, row.messages);
        if (row.focus == nullptr) {
            EXPECT_TRUE(interaction.focused().empty());
        } else {
            EXPECT_EQ(interaction.focused(), std::vector<std::string>{row.focus});
        }
    }
}

TEST(IncomeScreenClose, AlwaysClosesInTheYearlyPeriod) {
    CaseRecord record;
    ChangeIncomePeriod(record, IncomeParty::Other, IncomePeriod::Monthly);
    record.fields.SetText("PayerEarned", "4000");
    ScriptedInteraction interaction;
    EXPECT_TRUE(CloseIncomeScreen(record, IncomeParty::Other, interaction));
    EXPECT_EQ(record.income.Of(IncomeParty::Other).period, IncomePeriod::Yearly);
    EXPECT_EQ(record.fields.Text("PayerEarned"), "$ 48,000.00");
    EXPECT_EQ(record.fields.Text("PayGrossInc"), "$ 4,000.00");
}

TEST(IncomeScreenOpen, NeedsAFilingStatus) {
    CaseRecord record;
    ScriptedInteraction interaction;
    EXPECT_FALSE(OpenIncomeScreen(record, IncomeParty::Other, interaction));
    ASSERT_EQ(interaction.messages().size(), 1u);
    EXPECT_EQ(interaction.messages()[0].title, "Entry Error");
    EXPECT_EQ(interaction.messages()[0].text, "Please Enter Other Party's Tax Filing Status");
    EXPECT_EQ(interaction.focused(), std::vector<std::string>{"PayerHeadHouse"});

    record.fields.Select("ClaimMFJ");
    EXPECT_TRUE(OpenIncomeScreen(record, IncomeParty::Claimant, interaction));
    EXPECT_TRUE(IncomeScreenLayoutOf(record, IncomeParty::Claimant).newSpouseColumn);
    EXPECT_FALSE(IncomeScreenLayoutOf(record, IncomeParty::Other).newSpouseColumn);
}

TEST(IncomeScreenDeductions, ItemizedUnticksAgeSixtyFiveForGood) {
    CaseRecord record;
    record.fields.SetCheck("OtherAge65", 1);
    EXPECT_TRUE(IncomeScreenLayoutOf(record, IncomeParty::Other).ageSixtyFive);
    ChooseItemizedDeduction(record, IncomeParty::Other);
    EXPECT_EQ(record.fields.Check("OtherAge65"), 0);
    EXPECT_TRUE(IncomeScreenLayoutOf(record, IncomeParty::Other).itemizedAmount);
    EXPECT_FALSE(IncomeScreenLayoutOf(record, IncomeParty::Other).ageSixtyFive);
    ChooseStandardDeduction(record, IncomeParty::Other);
    EXPECT_EQ(record.fields.Check("OtherAge65"), 0);
    EXPECT_TRUE(record.fields.Selected("PayerStandardDeduction"));
}

TEST(IncomeScreenDeductions, StandardEmptiesTheItemizedAmounts) {
    CaseRecord record;
    ChooseItemizedDeduction(record, IncomeParty::Claimant);
    record.fields.SetText("ClaimItemizedAmount", "$ 24,300");
    record.fields.SetText("ClaimItemizedNoLimit", "$ 3,100");
    ChooseStandardDeduction(record, IncomeParty::Claimant);
    EXPECT_EQ(record.fields.Text("ClaimItemizedAmount"), "");
    EXPECT_EQ(record.fields.Text("ClaimItemizedNoLimit"), "");
    EXPECT_FALSE(record.fields.Selected("ClaimItemizedDeduction"));
    EXPECT_FALSE(IncomeScreenLayoutOf(record, IncomeParty::Claimant).eicOptions);
    record.fields.SetCheck("ClaimEICCheck", 1);
    EXPECT_TRUE(IncomeScreenLayoutOf(record, IncomeParty::Claimant).eicOptions);
}

}  // namespace
}  // namespace tovaris
