// The extra page, the synopsis and order summary lines, Clear Sheet and the case file.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "case/case_file.h"
#include "common/scripted_interaction.h"
#include "forms/worksheet_calculation.h"
#include "forms/worksheet_commands.h"
#include "forms/worksheet_extra_page.h"
#include "forms/worksheet_reports.h"
#include "forms/worksheet_sheet.h"
#include "forms/worksheet_transfer.h"
#include "worksheet_case.h"

namespace tovaris::forms {
namespace {

WorksheetCase Calculated(Extrapolation extrapolation = Extrapolation::Dont,
                         const char* column2Wages = "3,000") {
    WorksheetCase w;
    w.Ages({"6", "9"}).Reserve("$ 1,519").Type("1a", 0, "5,000").Type("1a", 1, column2Wages);
    w.record.fields.SetText("County", "King");
    w.record.fields.SetText("NameFather", "Michael Hartley");
    w.record.fields.SetText("ChildText(0)", "Ann");
    w.record.options.extrapolation = extrapolation;
    ScriptedInteraction interaction;
    EXPECT_TRUE(CalculateWorksheet(w.record, interaction, WorksheetRun::Synopsis));
    return w;
}

bool HasLine(const std::vector<ReportLine>& lines, const std::string& label) {
    return std::any_of(lines.begin(), lines.end(),
                       [&](const ReportLine& line) { return line.label == label; });
}

TEST(WorksheetSynopsis, PrintsTheLinesOfBothParents) {
    std::vector<ReportLine> lines = SynopsisLines(Calculated().record);
    EXPECT_EQ(lines[2].label, "County  King");
    EXPECT_EQ(lines[4].label, "Children and Ages: Ann (6), 9");
    EXPECT_EQ(lines[5].column1, "Parent 1  Michael Hartley");
    EXPECT_EQ(lines[6], (ReportLine{"Monthly Net Incomes  (Line 3 of CSW)", "$ 5,000", "$ 3,000"}));
    EXPECT_EQ(lines[7],
              (ReportLine{"Combined Monthly Net Income  (Line 4 of CSW)", "$ 8,000", ""}));
    EXPECT_EQ(lines[9].label, "USING THE 2019 ECONOMIC TABLE");
    EXPECT_TRUE(HasLine(lines, "Combined Monthly Net Income Does Not Exceed $12,000."));
    EXPECT_FALSE(HasLine(lines, "**EXTRAPOLATED**"));
}

TEST(WorksheetSynopsis, MarksAnExtrapolatedObligation) {
    std::vector<ReportLine> lines =
        SynopsisLines(Calculated(Extrapolation::Linear, "9,000").record);
    EXPECT_EQ(lines[10].label, "**EXTRAPOLATED**");
    EXPECT_FALSE(HasLine(lines, "Combined Monthly Net Income Does Not Exceed $12,000."));
}

TEST(WorksheetExtraPage, TakesTheWorksheetFiguresAndKeepsTypedEntries) {
    WorksheetCase w = Calculated();
    w.record.fields.SetText("NText(13)", "$ 1,000");
    w.record.fields.SetText("a21f", "X");
    GetDataFromWorksheet(w.record);
    const CaseFields& f = w.record.fields;
    EXPECT_EQ(f.Text("NText(1)"), "2");
    EXPECT_EQ(f.Text("NText(3)"), "9");
    EXPECT_EQ(f.Text("NText(7)"), "$ 5,000");
    EXPECT_EQ(f.Text("NText(9)"), "$ 8,000");
    EXPECT_EQ(f.Text("NText(11)"), w.Shown("17", 0));
    EXPECT_EQ(f.Text("CSupport(1)"), f.Text("CSupport(0)"));
    EXPECT_EQ(f.Text("CSupport(2)"), "");
    EXPECT_EQ(f.Text("NText(13)"), "$ 1,000");

    std::vector<ReportLine> summary = OrderSummaryLines(w.record);
    EXPECT_EQ(summary[1].label, "Father's Name:  Michael Hartley");
    EXPECT_EQ(summary[6],
              (ReportLine{"Summary Report Filed By:   ", "Father ( X )   Mother (   )   ", ""}));
    EXPECT_TRUE(HasLine(summary, "3. Number of children of the parties: "));

    ClearExtraPage(w.record);
    EXPECT_EQ(f.Text("NText(7)"), "");
    EXPECT_EQ(f.Text("a21f"), "");
    EXPECT_EQ(w.Shown("3", 0), "$ 5,000");  // the worksheet stays
}

TEST(WorksheetClearSheet, AsksAndKeepsTheReserve) {
    WorksheetCase w = Calculated();
    w.record.fields.SetText("NeedLimit", "$ 1,600");
    ScriptedInteraction no(kAnswerNo);
    EXPECT_FALSE(ClearSheet(w.record, no));
    EXPECT_EQ(no.messages().at(0).title, "Warning");
    EXPECT_EQ(no.messages().at(0).text, kClearSheetQuestion);
    EXPECT_EQ(w.Shown("3", 0), "$ 5,000");
    ScriptedInteraction yes(kAnswerYes);
    EXPECT_TRUE(ClearSheet(w.record, yes));
    EXPECT_EQ(w.Shown("3", 0), "");
    EXPECT_EQ(w.record.fields.Text("County"), "");
    EXPECT_EQ(w.record.fields.Text("NeedLimit"), "$ 1,600");
}

// A practitioner's worksheet, filled from the Express screen, estimated, calculated and with
// its extra page, reopens from the case file with every line as it was.
TEST(WorksheetCaseFile, FilledWorksheetReopensTheSame) {
    CaseRecord record;
    ASSERT_TRUE(
        OpenCaseFile(record, std::string(TOVARIS_SOURCE_DIR) + "/examples/Custodial.QCF").ok);
    ScriptedInteraction interaction(kAnswerYes);
    GetDataFromExpress(record, interaction);
    ASSERT_TRUE(EstimateTaxes(record, interaction));
    ASSERT_TRUE(CalculateWorksheet(record, interaction));
    record.fields.SetText("OFText", "Father said \"no deviation\"");
    record.fields.SetText("NAText(0)", "Sam, 12");
    GetDataFromWorksheet(record);

    std::filesystem::path path = std::filesystem::temp_directory_path() / "worksheet_round.QCF";
    ASSERT_TRUE(SaveCaseFile(record, path).ok);
    CaseRecord reopened;
    ASSERT_TRUE(OpenCaseFile(reopened, path).ok);
    std::filesystem::remove(path);

    std::vector<std::string_view> fields = WorksheetLineFields();
    std::vector<std::string_view> extra = ExtraPageTextFields();
    fields.insert(fields.end(), extra.begin(), extra.end());
    for (std::string_view field : fields) {
        EXPECT_EQ(reopened.fields.Text(field), record.fields.Text(field)) << field;
    }
    EXPECT_EQ(reopened.fields.Text("OFText"), "Father said 'no deviation'");
    EXPECT_FALSE(reopened.fields.Text("a20m4").empty());  // line 17 is written twice
}

}  // namespace
}  // namespace tovaris::forms
