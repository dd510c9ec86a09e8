#include "forms/worksheet_lines.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "case/field_schema.h"
#include "forms/worksheet_sheet.h"

namespace tovaris::forms {
namespace {

TEST(WorksheetLines, EveryBoxIsASavedWorksheetFieldUsedOnce) {
    std::set<std::string_view> seen;
    for (std::string_view field : WorksheetLineFields()) {
        ASSERT_TRUE(IsField(field)) << field;
        const FieldSpec& schema = FindField(field);
        EXPECT_EQ(schema.screen, Screen::Worksheet) << field;
        EXPECT_TRUE(schema.persisted) << field;
        EXPECT_TRUE(seen.insert(field).second) << field << " is on two lines";
    }
}

TEST(WorksheetLines, IdsAreUniqueAndInPrintedOrder) {
    std::set<std::string_view> ids;
    for (const WorksheetLine& line : WorksheetLines()) {
        EXPECT_TRUE(ids.insert(line.id).second) << line.id;
    }
    EXPECT_EQ(WorksheetLines().front().id, "I");
    EXPECT_EQ(WorksheetLines().back().id, "26");
    EXPECT_EQ(WorksheetLineById("5").title, "5. Basic Child Suppport Obligation ");
    EXPECT_THROW(WorksheetLineById("27"), std::out_of_range);
}

TEST(WorksheetLines, ExtraBoxesBelongToLines1a1d1eAnd2g) {
    for (const WorksheetLine& line : WorksheetLines()) {
        bool extra = line.BoxCount(0) > 1;
        std::set<std::string_view> boxed = {"1a", "1d", "1e", "2g"};
        EXPECT_EQ(extra, boxed.count(line.id) == 1) << line.id;
    }
    EXPECT_EQ(WorksheetLineById("1e").BoxCount(1), 5);
}

}  // namespace
}  // namespace tovaris::forms
