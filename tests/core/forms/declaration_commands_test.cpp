// The declaration's commands: Clear, Calculate, the tax estimate against the worksheet's, and
// the exchanges with the Express Entry screen and the worksheet.
#include <gtest/gtest.h>

#include <string>

#include "case/case_file.h"
#include "case/case_record.h"
#include "common/entry_text.h"
#include "common/scripted_interaction.h"
#include "core/forms/worksheet_case.h"
#include "forms/declaration_commands.h"
#include "forms/declaration_fields.h"
#include "forms/worksheet_calculation.h"
#include "forms/worksheet_commands.h"
#include "forms/worksheet_lines.h"
#include "forms/worksheet_sheet.h"
#include "forms/worksheet_transfer.h"

namespace tovaris::forms {
namespace {

// The worksheet calculates only cases with children; the tax estimate takes every case.
const char* const kWorksheetExamples[] = {"Custodial", "NonCustodial", "JointFilerNewSpouse",
                                          "SharedOvernights", "SplitTwoEach"};
const char* const kExamples[] = {"Custodial",        "NonCustodial", "JointFilerNewSpouse",
                                 "SharedOvernights", "SplitTwoEach", "NoMinorsMaintenance"};

void ChooseDeclarant(CaseRecord& record, bool claimant) {
    record.fields.Select(claimant ? kDeclarantClaimant : kDeclarantOther);
}

// The worksheet column of "You" and of the other party.
int ColumnOf(const CaseRecord& record, bool you) {
    int claimant = ClaimantColumnIndex(record);
    bool claimantSide = you == DeclarantIsClaimant(record.fields);
    return claimantSide ? claimant : 1 - claimant;
}

std::string Box(const CaseRecord& record, std::string_view line, int column, int box = 0) {
    return record.fields.Text(WorksheetLineById(line).boxes[column][box]);
}

TEST(DeclarationCommands, CalculateFillsTotalsAndTheSummary) {
    CaseRecord record;
    CaseFields& f = record.fields;
    const std::pair<const char*, const char*> typed[] = {
        {"a31p", "$ 4,000"}, {"c31p", "1,000.40"},   {"d31pCurrent", "$ 500"},
        {"a31r", "$ 6,000"}, {"a32p", "$ 600"},      {"b32p", "$ 382"},
        {"e132p", "$ 100"},  {"f32rCurrent", "500"}, {"a32r", "$ 900"},
        {"a51", "$ 1,500"},  {"e51", "$ 50"},        {"f52", "$ 25"},
        {"a53", "$ 400"},    {"b58", "$ 10"},        {"d511b", "$ 200"},
        {"d511m", "$ 75"},   {"c511b", "$ 9,000"},   {"a41", "$ 300"},
        {"a44", "$ 20"},     {"a62", "$ 2,500"},     {"b63", "$ 1,000"},
        {"a35p", "$ 1,200"}, {"b34r", "$ 150"},      {"c31r", "n/a"},
    };
    for (auto [stem, text] : typed) {
        f.SetText(stem, text);
    }
    CalculateDeclaration(f);
    const std::pair<const char*, const char*> expected[] = {
        {"f31p", "$ 5,500"}, {"f31r", "$ 6,000"}, {"h32p", "$ 1,082"}, {"h32r", "$ 1,400"},
        {"a33p", "$ 4,418"}, {"a33r", "$ 4,600"}, {"f34r", "$ 150"},   {"a36", "$ 1,200"},
        {"c36", "$ 6,700"},  {"d36", "$ 6,150"},  {"e36", "$ 12,850"}, {"a45", "$ 320"},
        {"g51", "$ 1,550"},  {"g52", "$ 25"},     {"e53", "$ 400"},    {"e58", "$ 10"},
        {"a59", "$ 1,985"},  {"h511", "$ 275"},   {"a64", "$ 3,500"},  {"a21", "$ 4,418"},
        {"a22", "$ 1,985"},  {"b23", "$ 275"},    {"c23", "$ 2,260"},  {"d23", "$ 4,600"},
        {"e23", "$ 5,500"},  {"f23", "$ 6,000"},  {"e54", "$ 0"},
    };
    for (auto [stem, text] : expected) {
        EXPECT_EQ(f.Text(stem), text) << stem;
    }
}

TEST(DeclarationCommands, ClearAsksAndKeepsTheOptionsAndPrintSettings) {
    CaseRecord record;
    record.fields.SetText("County", "King");
    record.fields.SetText("a31p", "$ 100");
    record.fields.Select(kDeclarantOther);
    record.fields.Select(kDeclarantRespondent);
    record.fields.SetText(kPrintFontSize, "9");
    for (int answer : {kAnswerNo, kAnswerYes}) {
        ScriptedInteraction interaction;
        interaction.QueueAnswer(answer);
        EXPECT_EQ(ClearDeclarationForm(record.fields, interaction), answer == kAnswerYes);
        ASSERT_EQ(interaction.messages().size(), 1u);
        EXPECT_EQ(interaction.messages()[0].title, "Warning");
        EXPECT_EQ(interaction.messages()[0].text, kClearDeclarationQuestion);
        EXPECT_EQ(record.fields.Text("County"), answer == kAnswerYes ? "" : "King");
        EXPECT_EQ(record.fields.Text("a31p"), answer == kAnswerYes ? "" : "$ 100");
    }
    EXPECT_TRUE(record.fields.Selected(kDeclarantOther));
    EXPECT_TRUE(record.fields.Selected(kDeclarantRespondent));
    EXPECT_EQ(record.fields.Text(kPrintFontSize), "9");
    EXPECT_EQ(record.fields.Text(kPrintFontName), "Tahoma");
}

// The declaration's estimate is the worksheet's, each party's whole dollars in the column of
// its side, whichever party declares.
TEST(DeclarationCommands, EstimateTaxesMatchesTheTaxEngineForEitherDeclarant) {
    for (const char* name : kExamples) {
        for (bool claimant : {true, false}) {
            SCOPED_TRACE(testing::Message() << name << (claimant ? " Claimant" : " Other"));
            CaseRecord sheet = OpenExample(name);
            ScriptedInteraction sheetInteraction;
            ASSERT_TRUE(EstimateTaxes(sheet, sheetInteraction));

            CaseRecord record = OpenExample(name);
            ChooseDeclarant(record, claimant);
            ScriptedInteraction interaction;
            ASSERT_TRUE(EstimateDeclarationTaxes(record, interaction));
            ASSERT_FALSE(interaction.messages().empty());
            EXPECT_EQ(interaction.messages()[0].title, kTaxEstimateTitle);
            EXPECT_EQ(interaction.messages()[0].text, kTaxEstimateMessage);
            for (bool you : {true, false}) {
                int column = ColumnOf(record, you);
                EXPECT_EQ(record.fields.Text(you ? "a32p" : "a32r"), Box(sheet, "2a", column));
                EXPECT_EQ(record.fields.Text(you ? "b32p" : "b32r"), Box(sheet, "2b", column));
            }
            EXPECT_NE(record.fields.Text("b32p"), "");
        }
    }
}

CaseRecord FilledWorksheet(const std::string& name) {
    CaseRecord record = OpenExample(name);
    ScriptedInteraction interaction(kAnswerNo);
    GetDataFromExpress(record, interaction);
    EXPECT_TRUE(EstimateTaxes(record, interaction));
    EXPECT_TRUE(CalculateWorksheet(record, interaction));
    return record;
}

TEST(DeclarationCommands, WorksheetExchangeBothWays) {
    for (const char* name : kWorksheetExamples) {
        for (bool claimant : {true, false}) {
            SCOPED_TRACE(testing::Message() << name << (claimant ? " Claimant" : " Other"));
            CaseRecord record = FilledWorksheet(name);
            ChooseDeclarant(record, claimant);
            GetDeclarationDataFromWorksheet(record);
            for (bool you : {true, false}) {
                int c = ColumnOf(record, you);
                auto stem = [you](const char* base) {
                    return std::string(base) + (you ? "p" : "r");
                };
                EXPECT_EQ(record.fields.Text(stem("b31")), Box(record, "1b", c));
                EXPECT_EQ(record.fields.Text(stem("f31")), Box(record, "1g", c));
                EXPECT_EQ(record.fields.Text(stem("a32")), Box(record, "2a", c));
                EXPECT_EQ(record.fields.Text(stem("h32")), Box(record, "2i", c));
                EXPECT_EQ(record.fields.Text(stem("a33")), Box(record, "3", c));
                EXPECT_EQ(record.fields.Text(you ? "d31pCurrent" : "d31rCurrent"),
                          Box(record, "1d", c, 1));
                EXPECT_EQ(record.fields.Text(you ? "f32pCurrent" : "f32rCurrent"),
                          Box(record, "2g", c, 1));
            }

            // Given back to an empty worksheet, the figures calculate to the same net incomes.
            CaseRecord back = record;
            ClearWorksheet(back);
            for (int k = 0; k < WorksheetHeader::kChildren; ++k) {
                back.fields.SetText(WorksheetHeader::kChildAge[k],
                                    record.fields.Text(WorksheetHeader::kChildAge[k]));
            }
            TransferDeclarationToWorksheet(back);
            ScriptedInteraction interaction(kAnswerNo);
            EXPECT_TRUE(CalculateWorksheet(back, interaction));
            for (int c = 0; c < kColumns; ++c) {
                EXPECT_NEAR(LineFigure(back.fields, "3", c), LineFigure(record.fields, "3", c), 2);
                EXPECT_EQ(Box(back, "1a", c, 1), "");
                EXPECT_EQ(Box(back, "1e", c, 4), "");
            }
        }
    }
}

TEST(DeclarationCommands, ExpressDataGoesToSectionThreeByTheDeclarant) {
    for (const char* name : kWorksheetExamples) {
        for (bool claimant : {true, false}) {
            SCOPED_TRACE(testing::Message() << name << (claimant ? " Claimant" : " Other"));
            CaseRecord sheet = FilledWorksheet(name);
            CaseRecord record = OpenExample(name);
            ChooseDeclarant(record, claimant);
            record.fields.SetText("a32p", "$ 12");
            const std::string before = record.fields.Text("ClaimEarned");
            GetDeclarationDataFromExpress(record);
            EXPECT_EQ(record.fields.Text("ClaimEarned"), before);
            EXPECT_EQ(record.fields.Text("a32p"), "$ 12");  // taxes come from the estimate
            EXPECT_EQ(Box(record, "1b", 0), Box(OpenExample(name), "1b", 0));
            CalculateDeclaration(record.fields);
            for (bool you : {true, false}) {
                int c = ColumnOf(record, you);
                double gross = ReadAmount(record.fields.Text(you ? "f31p" : "f31r")).value_or(-1);
                EXPECT_NEAR(gross, LineFigure(sheet.fields, "1g", c), 4);
            }
        }
    }
}

}  // namespace
}  // namespace tovaris::forms
