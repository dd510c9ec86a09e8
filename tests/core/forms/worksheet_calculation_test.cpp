#include "forms/worksheet_calculation.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "common/scripted_interaction.h"
#include "worksheet_case.h"

namespace tovaris::forms {
namespace {

struct LimitCase {
    const char* name;
    std::vector<const char*> ages;
    const char* column1Wages;
    const char* column2Wages;
    // Expected 7, 8a, 8b, 8c and 9 of Column 1, then of Column 2.
    std::array<std::array<const char*, 5>, 2> lines;
};

// The low-income limitations against a reserve of $1,519. With one child the 2019 table never
// gives a parent with $2,000 a line 7 above $481, so the "below line 7" case prices three.
const LimitCase kLimitCases[] = {
    {"CombinedBelow1000TwoChildren",
     {"4", "7"},
     "400",
     "500",
     {{{"$ 148", "$ 100", "", "", "$ 100"}, {"$ 186", "$ 100", "", "", "$ 100"}}}},
    {"LeftAboveReserveBelowLine7",
     {"4", "7", "9"},
     "2,000",
     "0",
     {{{"$ 813", "", "", "$ 481", "$ 481"}, {"$ 0", "", "$ 150", "", "$ 150"}}}},
    {"LeftAboveReserveNotBelowLine7",
     {"7"},
     "2000",
     "3000",
     {{{"$ 380", "", "", "", "$ 380"}, {"$ 571", "", "", "", "$ 571"}}}},
    {"LeftAboveReserveBelowMinimum",
     {"7"},
     "$ 1,550",
     "3000",
     {{{"$ 309", "", "", "$ 50", "$ 50"}, {"$ 597", "", "", "", "$ 597"}}}},
};

class LimitationTest : public testing::TestWithParam<LimitCase> {};

TEST_P(LimitationTest, Lines7To9FollowTheLimitationRules) {
    const LimitCase& c = GetParam();
    WorksheetCase w;
    w.Reserve("$ 1,519").Type("1a", 0, c.column1Wages).Type("1a", 1, c.column2Wages);
    for (size_t k = 0; k < c.ages.size(); ++k) {
        w.record.fields.SetText(WorksheetHeader::kChildAge[k], c.ages[k]);
    }
    ScriptedInteraction interaction;
    ASSERT_TRUE(CalculateWorksheet(w.record, interaction));
    const char* ids[] = {"7", "8a", "8b", "8c", "9"};
    for (int column = 0; column < kColumns; ++column) {
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(w.Shown(ids[i], column), c.lines[column][i])
                << "line " << ids[i] << " column " << column + 1;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Worksheet, LimitationTest, testing::ValuesIn(kLimitCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A worksheet with every kind of line filled: each computed line is its formula of the lines
// above it.
TEST(WorksheetCalculation, EveryComputedLineFollowsItsFormula) {
    WorksheetCase w;
    w.Ages({"6", "9"})
        .Reserve("$ 1,519")
        .Type("1a", 0, "$ 5,000.40")
        .Type("1a", 0, "$ 500", 1)
        .Type("1e", 0, "250", 3)
        .Type("1f", 1, "3,000")
        .Type("2a", 0, "$ 600")
        .Type("2b", 0, "$ 420")
        .Type("2g", 1, "100", 1)
        .Type("10a", 1, "300")
        .Type("11a", 0, "850")
        .Type("11d", 1, "50")
        .Type("16c", 1, "25");
    ScriptedInteraction interaction;
    ASSERT_TRUE(CalculateWorksheet(w.record, interaction));
    EXPECT_TRUE(interaction.messages().empty());

    EXPECT_EQ(w.Shown("1g", 0), "$ 5,750");
    EXPECT_EQ(w.Shown("2i", 0), "$ 1,020");
    EXPECT_EQ(w.Shown("3", 0), "$ 4,730");
    EXPECT_EQ(w.Shown("3", 1), "$ 2,900");
    EXPECT_EQ(w.Shown("4"), "$ 7,630");
    EXPECT_EQ(w.Shown("6", 0), ".620");
    EXPECT_EQ(w.Shown("6", 1), ".380");
    EXPECT_EQ(w.Shown("5"), "$ 1,864");
    EXPECT_EQ(w.record.fields.Text("SText(1)"), "Number of children: 2 X $ 932 per child");
    EXPECT_EQ(w.record.fields.Text("SText(2)"), "");
    EXPECT_EQ(w.Shown("7", 0), "$ 1,156");  // .61992 x 1,864 = 1,155.5
    EXPECT_EQ(w.Shown("9", 0), "$ 1,156");
    EXPECT_EQ(w.Shown("10c", 1), "$ 300");
    EXPECT_EQ(w.Shown("10d"), "$ 300");
    EXPECT_EQ(w.Shown("11e", 0), "$ 850");
    EXPECT_EQ(w.Shown("11e", 1), "$ 50");
    EXPECT_EQ(w.Shown("12"), "$ 900");
    EXPECT_EQ(w.Shown("13"), "$ 1,200");
    EXPECT_EQ(w.Shown("14", 0), "$ 744");
    EXPECT_EQ(w.Shown("14", 1), "$ 456");
    EXPECT_EQ(w.Shown("15", 0), "$ 1,900");
    EXPECT_EQ(w.Shown("16a", 1), "$ 300");
    EXPECT_EQ(w.Shown("16b", 0), "$ 850");
    EXPECT_EQ(w.Shown("16d", 1), "$ 375");
    EXPECT_EQ(w.Shown("17", 0), "$ 1,050");
    EXPECT_EQ(w.Shown("18", 0), "$ 2,129");  // .45 x 4,730 = 2,128.5, half away from zero
    EXPECT_EQ(w.Shown("19", 0), "$ 289");    // .25 x 1,156
    // Typed figures keep the text the user typed.
    EXPECT_EQ(w.Shown("1a", 0), "$ 5,000.40");
}

TEST(WorksheetCalculation, StandardCalculationIsAtLeastFiftyDollarsPerChild) {
    WorksheetCase w;
    w.Ages({"3", "5", "8"}).Type("1a", 0, "9000").Type("1a", 1, "1000").Type("11a", 1, "2000");
    ScriptedInteraction interaction;
    ASSERT_TRUE(CalculateWorksheet(w.record, interaction));
    EXPECT_EQ(w.Shown("17", 1), "$ 150");
}

TEST(WorksheetCalculation, ExtrapolatesAboveTheTableOnlyWhenTheMenuSaysSo) {
    for (Extrapolation choice : {Extrapolation::Dont, Extrapolation::Curve}) {
        WorksheetCase w;
        w.Ages({"10"}).Type("1a", 0, "10000").Type("1a", 1, "8000");
        w.record.options.extrapolation = choice;
        ScriptedInteraction interaction;
        ASSERT_TRUE(CalculateWorksheet(w.record, interaction));
        bool on = choice != Extrapolation::Dont;
        EXPECT_EQ(w.record.fields.Text("SText(2)"), on ? "*Extrapolated*" : "");
        EXPECT_EQ(w.record.results.worksheet.extrapolated, on);
    }
}

struct CheckCase {
    const char* name;
    std::vector<const char*> ages;
    WorksheetRun run;
    std::vector<int> answers;
    bool calculated;
    std::vector<std::string> titles;  // boxes shown, in order
    std::vector<std::string> focused;
};

const CheckCase kCheckCases[] = {
    {"NoChildren", {}, WorksheetRun::Calculate, {}, false, {"Entry Error"}, {"Age(0)"}},
    {"NoChildrenSplitAttachment",
     {},
     WorksheetRun::SplitAttachment,
     {},
     false,
     {"Entry Error"},
     {"Age(0)"}},
    {"NoChildrenSynopsis", {}, WorksheetRun::Synopsis, {}, true, {}, {}},
    {"AdultReEntered",
     {"5", "19"},
     WorksheetRun::Calculate,
     {kAnswerYes},
     false,
     {"Entry Warning"},
     {"Age(1)"}},
    {"AdultKept", {"5", "19"}, WorksheetRun::Calculate, {kAnswerNo}, true, {"Entry Warning"}, {}},
    {"AdultInSynopsis", {"19"}, WorksheetRun::Synopsis, {}, true, {}, {}},
    {"EighteenIsNoAdult", {"18"}, WorksheetRun::Calculate, {}, true, {}, {}},
    {"AgeThatIsNoNumber",
     {"5", "six"},
     WorksheetRun::Calculate,
     {},
     false,
     {"Entry Error"},
     {"Age(1)"}},
};

class EntryCheckTest : public testing::TestWithParam<CheckCase> {};

TEST_P(EntryCheckTest, ChildrenAndAgesAreCheckedBeforeTheLines) {
    const CheckCase& c = GetParam();
    WorksheetCase w;
    w.Type("1a", 0, "3000").Type("1a", 1, "3000");
    for (size_t k = 0; k < c.ages.size(); ++k) {
        w.record.fields.SetText(WorksheetHeader::kChildAge[k], c.ages[k]);
    }
    ScriptedInteraction interaction;
    for (int answer : c.answers) {
        interaction.QueueAnswer(answer);
    }
    EXPECT_EQ(CalculateWorksheet(w.record, interaction, c.run), c.calculated);
    std::vector<std::string> titles;
    for (const auto& message : interaction.messages()) {
        titles.push_back(message.title);
    }
    EXPECT_EQ(titles, c.titles);
    EXPECT_EQ(interaction.focused(), c.focused);
    EXPECT_EQ(w.Shown("3", 0).empty(), !c.calculated);
}

INSTANTIATE_TEST_SUITE_P(Worksheet, EntryCheckTest, testing::ValuesIn(kCheckCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(WorksheetCalculation, ANamedChildNeedsAnAge) {
    WorksheetCase w;
    w.Ages({"5"});
    w.record.fields.SetText("ChildText(1)", "Sam");
    ScriptedInteraction interaction;
    EXPECT_FALSE(CalculateWorksheet(w.record, interaction));
    EXPECT_EQ(interaction.focused(), std::vector<std::string>{"Age(1)"});
}

TEST(WorksheetCalculation, MessagesNameWhatIsMissing) {
    WorksheetCase w;
    ScriptedInteraction plain;
    CalculateWorksheet(w.record, plain);
    EXPECT_EQ(plain.messages().at(0).text, kWorksheetChildrenMessage);
    ScriptedInteraction split;
    CalculateWorksheet(w.record, split, WorksheetRun::SplitAttachment);
    EXPECT_EQ(split.messages().at(0).text, kSplitAttachmentChildrenMessage);
}

}  // namespace
}  // namespace tovaris::forms
