#include <gtest/gtest.h>

#include <map>

#include "forms/form_layout.h"
#include "reports/document_text.h"
#include "reports/form_renderer.h"

namespace tovaris::reports {
namespace {

using forms::FormAlign;
using forms::FormPageBuilder;
using forms::SlotKind;

std::vector<TextRun> Runs(const DocumentPage& page) {
    std::vector<TextRun> runs;
    for (const PageItem& item : page.items) {
        if (const auto* run = std::get_if<TextRun>(&item)) {
            runs.push_back(*run);
        }
    }
    return runs;
}

struct SlotCase {
    SlotKind kind;
    FormAlign align;
    std::string value;
    std::vector<std::pair<double, std::string>> runs;  // left edge, text
};

TEST(FormRenderer, SlotsPrintTheirValuesByKind) {
    // Fixed metrics at 10 points: 100 twips per character.
    const SlotCase cases[] = {
        {SlotKind::Money, FormAlign::Left, "$ 1,234", {{1000, "$"}, {2500, "1,234"}}},
        {SlotKind::Money, FormAlign::Left, "-50", {{1000, "$"}, {2700, "-50"}}},
        {SlotKind::Money, FormAlign::Left, "-$ 8", {{1000, "$"}, {2800, "-8"}}},
        {SlotKind::Money, FormAlign::Left, "$", {}},
        {SlotKind::Money, FormAlign::Left, "", {}},
        {SlotKind::Check, FormAlign::Left, "X", {{1000, "[X] "}}},
        {SlotKind::Check, FormAlign::Left, "", {{1000, "[ ] "}}},
        {SlotKind::Text, FormAlign::Left, "King", {{1000, "King"}}},
        {SlotKind::Text, FormAlign::Right, "King", {{2600, "King"}}},
        {SlotKind::Text, FormAlign::Center, "King", {{1800, "King"}}},
    };
    FixedTextMetrics metrics;
    for (const SlotCase& c : cases) {
        FormPageBuilder builder(500);
        builder.Slot(1000, 2000, "k", c.kind, {10}, 0, c.align);
        const forms::FormPage page = builder.Take();
        Document document(metrics);
        document.OpenPreviewDocument(kSourceWorksheets);
        RenderFormPage(
            document, page,
            [&](std::string_view key) { return key == "k" ? c.value : std::string("?"); }, "Arial");
        const std::vector<TextRun> runs = Runs(document.pages()[0]);
        ASSERT_EQ(runs.size(), c.runs.size()) << c.value;
        for (size_t i = 0; i < runs.size(); ++i) {
            EXPECT_DOUBLE_EQ(runs[i].x, c.runs[i].first) << c.value;
            EXPECT_DOUBLE_EQ(runs[i].y, 500) << c.value;
            EXPECT_EQ(runs[i].text, c.runs[i].second) << c.value;
            EXPECT_EQ(runs[i].font.name, "Arial");
        }
    }
}

TEST(FormRenderer, DrawsTextsRulesAndShadedBoxesWhereTheLayoutPutsThem) {
    FormPageBuilder builder(1000);
    builder.Box(0, 5000, 300, true);
    builder.Text(100, "Part I: Income", {9, true});
    builder.Down(300);
    builder.Rule(0, 5000);
    builder.VerticalRule(4000, 300);
    builder.RightText(5000, "Page 1 of 5", {8});
    builder.CenteredText(0, 5000, "Title", {10});
    builder.Follow("only", {10, true});
    const forms::FormPage page = builder.Take();
    FixedTextMetrics metrics;
    Document document(metrics);
    document.OpenPreviewDocument(kSourceWorksheets);
    RenderFormPage(document, page, nullptr, "Tahoma");
    const auto& items = document.pages()[0].items;
    ASSERT_EQ(items.size(), 7u);
    const Rule& box = std::get<Rule>(items[0]);
    EXPECT_TRUE(box.box);
    EXPECT_EQ(box.fill, kFormShading);
    EXPECT_DOUBLE_EQ(box.y2, 1300);
    const TextRun& heading = std::get<TextRun>(items[1]);
    EXPECT_TRUE(heading.font.bold);
    EXPECT_DOUBLE_EQ(heading.y, 1000);
    const Rule& rule = std::get<Rule>(items[2]);
    EXPECT_FALSE(rule.box);
    EXPECT_DOUBLE_EQ(rule.y1, 1300);
    const Rule& vertical = std::get<Rule>(items[3]);
    EXPECT_DOUBLE_EQ(vertical.y2, 1600);
    EXPECT_DOUBLE_EQ(std::get<TextRun>(items[4]).x, 5000 - 11 * 80);
    EXPECT_DOUBLE_EQ(std::get<TextRun>(items[5]).x, (5000 - 5 * 100) / 2.0);
    const TextRun& follower = std::get<TextRun>(items[6]);
    EXPECT_DOUBLE_EQ(follower.x, (5000 - 5 * 100) / 2.0 + 500);
    EXPECT_DOUBLE_EQ(follower.y, 1300);
    EXPECT_TRUE(follower.font.bold);
}

TEST(FormRenderer, EachFormPageGetsADocumentPageOfItsOwn) {
    std::vector<forms::FormPage> pages;
    for (const char* footer : {"Page 1 of 2", "Page 2 of 2"}) {
        FormPageBuilder builder(14000);
        builder.Text(0, footer);
        pages.push_back(builder.Take());
    }
    FixedTextMetrics metrics;
    Document document(metrics);
    document.OpenPreviewDocument(kSourceWorksheets);
    document.SetMargins(kFormMargins);
    RenderFormPages(document, pages, nullptr, "Tahoma");
    ASSERT_EQ(document.pages().size(), 2u);
    EXPECT_EQ(PageText(document.pages()[1]), "Page 2 of 2");
}

}  // namespace
}  // namespace tovaris::reports
