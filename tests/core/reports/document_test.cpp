#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "reports/document.h"
#include "reports/document_text.h"
#include "reports/report_header.h"

namespace tovaris::reports {
namespace {

struct HeaderCase {
    const char* caseName;
    PreparerSettings preparer;
    const char* expected;
};

TEST(ReportHeader, WritesOnlyTheLinesWhoseSwitchesAreOn) {
    const HeaderCase cases[] = {
        {"Smith",
         {"Pat", "Law Office", true, true, true},
         "Report For:  Smith\n    Prepared By:  Pat\n    Office:  Law Office\n    Date:  "
         "01/02/2027\n"},
        {"",
         {"Pat", "Law Office", true, false, true},
         "    Prepared By:  Pat\n    Date:  01/02/2027\n"},
        {" ", {"Pat", "Law Office", false, false, false}, ""},
        {"Smith", {"Pat", "Law Office", false, false, false}, "Report For:  Smith\n"},
        {"  Two Blanks",
         {"", "", false, true, false},
         "Report For:    Two Blanks\n    Office:  \n"},
    };
    FixedTextMetrics metrics;
    for (const HeaderCase& c : cases) {
        Document document(metrics);
        document.OpenPreviewDocument(kSourceMaintenance);
        WriteReportHeader(document, "Report For:  ", c.caseName, {c.preparer, "01/02/2027"});
        std::string expected = c.expected;
        if (!expected.empty()) {
            expected.pop_back();  // the page's text has no line end after its last line
        }
        EXPECT_EQ(PageText(document.pages()[0]), expected) << c.caseName;
        // The closing blank line moves the position on by one more line.
        const double lines = std::count(c.expected, c.expected + strlen(c.expected), '\n') + 1;
        EXPECT_DOUBLE_EQ(document.GetY(), lines * metrics.Height(document.font()));
    }
}

TEST(Document, RunsFollowOneAnotherOnALineAndLinesGoDown) {
    FixedTextMetrics metrics;
    Document document(metrics);
    document.OpenPreviewDocument(kSourceSupportResults);
    document.SetY(600);
    document.WriteText("ab");
    document.WriteLine("cd");
    document.SetAlignment(kAlignRight);
    document.SetX(5000);
    document.WriteLine("ef");
    const auto& items = document.pages()[0].items;
    ASSERT_EQ(items.size(), 3u);
    const auto run = [&](size_t i) { return std::get<TextRun>(items[i]); };
    EXPECT_DOUBLE_EQ(run(1).x, document.TextWidth("ab"));
    EXPECT_DOUBLE_EQ(run(1).y, 600);
    EXPECT_DOUBLE_EQ(run(2).x, 5000 - document.TextWidth("ef"));
    EXPECT_DOUBLE_EQ(run(2).y, 600 + document.TextHeight("ef"));
}

TEST(Document, LongParagraphWrapsAtBlanksInsideTheMargins) {
    FixedTextMetrics metrics;
    Document document(metrics);
    document.OpenPreviewDocument(kSourceSupportResults);
    std::string text;
    for (int i = 0; i < 40; ++i) {
        text += "word" + std::to_string(i) + " ";
    }
    document.WriteLine(text);
    const std::string page = PageText(document.pages()[0]);
    EXPECT_GT(std::count(page.begin(), page.end(), '\n'), 0);
    for (const PageItem& item : document.pages()[0].items) {
        const TextRun& run = std::get<TextRun>(item);
        EXPECT_LE(run.x + run.width, document.BodyWidth());
    }
}

TEST(Document, ALineBelowTheBottomMarginStartsANewPage) {
    FixedTextMetrics metrics;
    Document document(metrics);
    document.OpenPreviewDocument(kSourceSupportResults);
    const int perPage = int(document.BodyHeight() / document.TextHeight("x"));
    for (int i = 0; i <= perPage; ++i) {
        document.WriteLine("line " + std::to_string(i));
    }
    ASSERT_EQ(document.pages().size(), 2u);
    EXPECT_EQ(PageText(document.pages()[1]), "line " + std::to_string(perPage));
    document.NewPage();
    EXPECT_EQ(document.pages().size(), 3u);
    EXPECT_DOUBLE_EQ(document.GetY(), 0);
}

TEST(Document, BoxesKeepTheirPenAndShading) {
    FixedTextMetrics metrics;
    Document document(metrics);
    document.OpenPreviewDocument(kSourceWorksheets);
    document.SetPen({30, {}});
    document.SetFill(kFormShading);
    document.DrawBox(0, 0, 100, 200);
    document.SetFill(std::nullopt);
    document.DrawLine(0, 0, 100, 0);
    const Rule box = std::get<Rule>(document.pages()[0].items[0]);
    EXPECT_TRUE(box.box);
    EXPECT_EQ(box.fill, kFormShading);
    EXPECT_DOUBLE_EQ(box.pen.width, 30);
    EXPECT_FALSE(std::get<Rule>(document.pages()[0].items[1]).fill.has_value());
}

}  // namespace
}  // namespace tovaris::reports
