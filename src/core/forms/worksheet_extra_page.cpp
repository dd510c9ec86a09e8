#include "forms/worksheet_extra_page.h"

#include <string>

#include "case/case_record.h"
#include "common/entry_text.h"
#include "common/format.h"
#include "forms/worksheet_lines.h"

namespace tovaris::forms {
namespace {

using K = ExtraKind;
using S = ExtraSource;

constexpr std::string_view kFiledBy = "Summary Report Filed By:   ";
constexpr std::string_view kOrderType = "1. Type of Order (check one):";
constexpr std::string_view kOrderKind = "2. Was the order for child support (check one):";
constexpr std::string_view kAges = "4. List each child's age below: ";
constexpr std::string_view kNetIncomes = "5. Monthly Net Income (Worksheet Line 3):";
constexpr std::string_view kPerChild = "8. Basic Support Per Child (Worksheet Line 5):";
constexpr std::string_view kStandard = "9. Standard Calculation (Worksheet Line 17):";
constexpr std::string_view kDeviation = "11. Deviation From The Standard Calculation (check one):";
constexpr std::string_view kReasons = "12. Reasons For Deviation:";

constexpr ExtraPageEntry kEntries[] = {
    {"", "Date of Order:  ", "NText(0)"},
    {kFiledBy, "Father ( ", "a21f", K::Mark},
    {kFiledBy, "Mother ( ", "a21m", K::Mark},
    {kOrderType, "Superior Court ( ", "b21f", K::Mark},
    {kOrderType, "Administrative Law Judge ( ", "b21m", K::Mark},
    {kOrderKind, "Original Order for Support ( ", "c21f", K::Mark},
    {kOrderKind, "Order Modifying Support ( ", "c21m", K::Mark},
    {"", "3. Number of children of the parties: ", "NText(1)", K::Text, S::ChildCount},
    {kAges, "Child 1:  ", "NText(2)", K::Text, S::ChildAge, {}, 0},
    {kAges, "Child 2:  ", "NText(3)", K::Text, S::ChildAge, {}, 1},
    {kAges, "Child 3:  ", "NText(4)", K::Text, S::ChildAge, {}, 2},
    {kAges, "Child 4:  ", "NText(5)", K::Text, S::ChildAge, {}, 3},
    {kAges, "Child 5:  ", "NText(6)", K::Text, S::ChildAge, {}, 4},
    {kNetIncomes, "Father:  ", "NText(7)", K::Text, S::LineFigure, "3", 0},
    {kNetIncomes, "Mother:  ", "NText(8)", K::Text, S::LineFigure, "3", 1},
    {"", "6. Combined Monthly Net Income (Worksheet Line 4):  ", "NText(9)", K::Text, S::LineFigure,
     "4", 0},
    {"", "7. Basic Child Support Obligation (Worksheet Line 5):  ", "NText(10)", K::Text,
     S::LineFigure, "5", 0},
    {kPerChild, "Child 1:  ", "CSupport(0)", K::Text, S::PerChild, {}, 0},
    {kPerChild, "Child 2:  ", "CSupport(1)", K::Text, S::PerChild, {}, 1},
    {kPerChild, "Child 3:  ", "CSupport(2)", K::Text, S::PerChild, {}, 2},
    {kPerChild, "Child 4:  ", "CSupport(3)", K::Text, S::PerChild, {}, 3},
    {kPerChild, "Child 5:  ", "CSupport(4)", K::Text, S::PerChild, {}, 4},
    {kStandard, "Father:  ", "NText(11)", K::Text, S::LineFigure, "17", 0},
    {kStandard, "Mother:  ", "NText(12)", K::Text, S::LineFigure, "17", 1},
    {"", "10. Transfer Amount Ordered:  ", "NText(13)"},
    {kDeviation, "Yes ( ", "d21f", K::Mark},
    {kDeviation, "No ( ", "d21m", K::Mark},
    {kReasons, "", "DText(1)"},
    {kReasons, "", "DText(2)"},
    {kReasons, "", "DText(3)"},
    {kReasons, "", "DText(4)"},
    {kReasons, "", "DText(5)"},
    {"", "13. Other Comments:  ", "NText(14)"},
};

int ChildrenWithAges(const CaseRecord& record) {
    int count = 0;
    for (std::string_view age : WorksheetHeader::kChildAge) {
        count += ReadAmount(record.fields.Text(age)) ? 1 : 0;
    }
    return count;
}

std::string PerChildText(const CaseRecord& record, int child) {
    const WorksheetResults& results = record.results.worksheet;
    if (child >= results.children) {
        return "";
    }
    return FormatSingle(results.perChild[child], kWorksheetDollars);
}

std::string FromWorksheet(const CaseRecord& record, const ExtraPageEntry& entry) {
    switch (entry.source) {
        case S::ChildCount:
            return std::to_string(ChildrenWithAges(record));
        case S::ChildAge:
            return record.fields.Text(WorksheetHeader::kChildAge[entry.index]);
        case S::LineFigure:
            return record.fields.Text(WorksheetLineById(entry.line).boxes[entry.index][0]);
        case S::PerChild:
            return PerChildText(record, entry.index);
        case S::None:
            break;
    }
    return record.fields.Text(entry.field);
}

}  // namespace

std::span<const ExtraPageEntry> ExtraPageEntries() {
    return kEntries;
}

std::vector<std::string_view> ExtraPageTextFields() {
    std::vector<std::string_view> fields;
    for (const ExtraPageEntry& entry : kEntries) {
        fields.push_back(entry.field);
    }
    return fields;
}

bool ExtraPageEmpty(const CaseRecord& record) {
    for (const ExtraPageEntry& entry : kEntries) {
        if (!record.fields.Text(entry.field).empty()) {
            return false;
        }
    }
    return true;
}

void ClearExtraPage(CaseRecord& record) {
    for (const ExtraPageEntry& entry : kEntries) {
        record.fields.SetText(entry.field, "");
    }
}

void GetDataFromWorksheet(CaseRecord& record) {
    for (const ExtraPageEntry& entry : kEntries) {
        if (entry.source != S::None) {
            record.fields.SetText(entry.field, FromWorksheet(record, entry));
        }
    }
}

}  // namespace tovaris::forms
