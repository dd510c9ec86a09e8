// The worksheet pages, the split attachment, the synopsis and the order summary as printed.
#include <gtest/gtest.h>

#include <algorithm>

#include "common/format.h"
#include "core/forms/worksheet_case.h"
#include "forms/split_attachment.h"
#include "forms/worksheet_calculation.h"
#include "forms/worksheet_commands.h"
#include "forms/worksheet_extra_page.h"
#include "forms/worksheet_sheet.h"
#include "forms/worksheet_transfer.h"
#include "report_case.h"
#include "reports/document_text.h"
#include "reports/worksheet_printouts.h"

namespace tovaris::reports {
namespace {

using forms::WorksheetCase;
using forms::WorksheetRun;

// The worksheet of an example as a practitioner fills it: the Express Entry data taken over,
// the taxes estimated and the worksheet calculated (a case without children stays
// uncalculated: the calculation refuses it).
CaseRecord ExampleWorksheet(const std::string& name) {
    CaseRecord record;
    const CaseFileResult opened =
        OpenCaseFile(record, std::string(TOVARIS_SOURCE_DIR) + "/examples/" + name + ".QCF");
    EXPECT_TRUE(opened.ok) << opened.message;
    ScriptedInteraction interaction;
    forms::GetDataFromExpress(record, interaction);
    EXPECT_TRUE(forms::EstimateTaxes(record, interaction)) << name;
    forms::CalculateWorksheet(record, interaction,
                              forms::PrintsSplitAttachment(record) ? WorksheetRun::SplitAttachment
                                                                   : WorksheetRun::Calculate);
    return record;
}

using testing::Composed;
using testing::Composer;

std::string Text(Composer compose, const CaseRecord& record) {
    return DocumentText(Composed(compose, record));
}

std::vector<std::string> PageTexts(const Document& document) {
    std::vector<std::string> pages;
    for (const DocumentPage& page : document.pages()) {
        pages.push_back(PageText(page));
    }
    return pages;
}

bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(WorksheetPrintouts, WorksheetsOfEveryExampleMatchTheirGoldenText) {
    for (const char* name : testing::kExampleNames) {
        const CaseRecord record = ExampleWorksheet(name);
        testing::ExpectGolden(Text(&ComposeWorksheets, record),
                              std::string("worksheets_") + name + ".txt");
    }
}

TEST(WorksheetPrintouts, SplitSynopsisAndSummaryMatchTheirGoldenText) {
    CaseRecord record = ExampleWorksheet("SplitTwoEach");
    testing::ExpectGolden(Text(&ComposeSplitAttachment, record), "split_SplitTwoEach.txt");
    ScriptedInteraction interaction;
    ASSERT_TRUE(forms::CalculateWorksheet(record, interaction, WorksheetRun::Synopsis));
    testing::ExpectGolden(Text(&ComposeSynopsis, record), "synopsis_SplitTwoEach.txt");
    forms::GetDataFromWorksheet(record);
    record.fields.SetText("NText(0)", "01/15/2027");
    record.fields.SetText("a21f", "X");
    record.fields.SetText("b21f", "X");
    record.fields.SetText("c21m", "X");
    testing::ExpectGolden(Text(&ComposeOrderSummary, record), "ordersummary_SplitTwoEach.txt");
}

TEST(WorksheetPrintouts, EveryPageIsOneFormPageWithItsFooter) {
    const Document document = Composed(&ComposeWorksheets, ExampleWorksheet("SplitTwoEach"));
    const std::vector<std::string> pages = PageTexts(document);
    ASSERT_EQ(pages.size(), 6u);  // five worksheet pages and the split attachment
    for (int n = 1; n <= 5; ++n) {
        EXPECT_TRUE(Has(pages[n - 1], "WSCSS-Worksheets-Mandatory (CSW/CSWP) 01/2019 Page " +
                                          std::to_string(n) + " of 5"))
            << n;
    }
    EXPECT_TRUE(Has(pages[5], "WSCSS-Attachment for RSA"));
    EXPECT_EQ(document.source(), kSourceWorksheets);
    EXPECT_TRUE(document.closed());
    const Document plain = Composed(&ComposeWorksheets, ExampleWorksheet("Custodial"));
    EXPECT_EQ(plain.pages().size(), 5u);  // no attachment outside split cases
}

// Two parents whose combined income is above the table's top, priced with or without
// extrapolation.
TEST(WorksheetPrintouts, OnlyAnExtrapolatedLine5PrintsItsMarkAndThePage2Note) {
    struct Case {
        Extrapolation extrapolation;
        bool marked;
    };
    for (const Case c : {Case{Extrapolation::Dont, false}, Case{Extrapolation::Linear, true}}) {
        WorksheetCase w;
        w.Ages({"6", "9"}).Reserve("$ 1,519").Type("1a", 0, "14,000").Type("1a", 1, "9,000");
        w.record.options.extrapolation = c.extrapolation;
        ScriptedInteraction interaction;
        ASSERT_TRUE(forms::CalculateWorksheet(w.record, interaction));
        const std::vector<std::string> pages = PageTexts(Composed(&ComposeWorksheets, w.record));
        EXPECT_EQ(Has(pages[0], "*Extrapolated*"), c.marked);
        EXPECT_EQ(Has(pages[1],
                      "* Basic Child Support Has Been Extrapolated Beyond The WSCSS "
                      "Economic Table."),
                  c.marked);
    }
}

TEST(WorksheetPrintouts, ProposerAndPaidMarksFollowTheChoices) {
    WorksheetCase w;
    w.record.fields.Select("ProposedOption(3)");
    w.record.fields.SetText("ProposedOther", "Jane Mediator");
    w.record.fields.SetCheck("DeviationCheck(11)", 1);
    const std::vector<std::string> pages = PageTexts(Composed(&ComposeWorksheets, w.record));
    EXPECT_TRUE(
        Has(pages[0], "[X]  Proposed by [ ]  State of WA (CSWP)   [X]  (name) Jane Mediator"))
        << pages[0];
    EXPECT_TRUE(Has(pages[0], "Or,  [ ]  Signed by the Judicial/Reviewing Officer. (CSW)"));
    EXPECT_TRUE(Has(pages[3], "Paid  [ ]  Yes   [ ]  No Paid  [ ]  Yes   [X]  No")) << pages[3];
}

TEST(WorksheetPrintouts, OtherFactorsRunOnFromPage4ToPage5AndNotesStandBesideTheirLines) {
    WorksheetCase w;
    std::string factors;
    for (int n = 1; n <= 12; ++n) {
        factors += "Factor " + std::to_string(n) + " " + std::string(90, 'x') + " ";
    }
    w.record.fields.SetText("OFText", factors);
    w.record.fields.SetText("OEText", "Tutoring");
    w.record.fields.SetText("NAText(0)", "Sam 7");
    w.Type("25", 1, "Lee 3");
    const std::vector<std::string> pages = PageTexts(Composed(&ComposeWorksheets, w.record));
    EXPECT_TRUE(Has(pages[1], "d. Other Special Expenses (describe)   Tutoring"));
    EXPECT_TRUE(Has(pages[3], "Name/age:    Sam 7"));
    EXPECT_TRUE(Has(pages[3], "(First name(s) and age(s)) Lee 3"));
    EXPECT_TRUE(Has(pages[3], "Factor 8 ") && !Has(pages[3], "Factor 9 ")) << pages[3];
    EXPECT_TRUE(Has(pages[4], "Factor 9 ") && Has(pages[4], "Factor 12 ")) << pages[4];
}

// One child with each parent; the children's amounts against each column's line 9.
TEST(WorksheetPrintouts, SplitLineCIsLineAMinusLineBButNeverBelowZero) {
    WorksheetCase w;
    w.Ages({"6", "9"}).Reserve("$ 1,519").Type("1a", 0, "9,000").Type("1a", 1, "2,500");
    w.record.fields.Select("SplitOption");
    w.record.fields.Select("ClaimChild(0)");
    w.record.fields.Select("OtherChild(1)");
    ScriptedInteraction interaction;
    ASSERT_TRUE(forms::CalculateForSplitAttachment(w.record, interaction));
    const std::string text = PageText(Composed(&ComposeSplitAttachment, w.record).pages()[0]);
    const double perChild = w.record.results.worksheet.perChild[0];
    const double high = forms::LineFigure(w.record.fields, "9", 0);
    const double low = forms::LineFigure(w.record.fields, "9", 1);
    ASSERT_GT(high, perChild);  // Column 1 keeps a share after its child
    ASSERT_LT(low, perChild);   // Column 2's child costs more than its line 9
    EXPECT_TRUE(Has(text, "C. Line A minus line B (enter 0 when line B is higher) $ " +
                              Format(high - perChild, "###,##0") + " $ 0\n"))
        << text;
    EXPECT_TRUE(Has(text, "Child #1 (name, age):    6"));
}

}  // namespace
}  // namespace tovaris::reports
