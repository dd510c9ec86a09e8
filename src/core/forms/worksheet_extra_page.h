#pragma once

#include <span>
#include <string_view>
#include <vector>

namespace tovaris {

struct CaseRecord;

namespace forms {

// What an entry of the extra page holds.
enum class ExtraKind {
    Text,  // typed text or a figure
    Mark,  // a check mark: "X" or blank
};

// Where "Get Data From Worksheet" takes an entry from; None: typed only.
enum class ExtraSource { None, ChildCount, ChildAge, LineFigure, PerChild };

// One entry of the worksheet extra page, the entry page of the "Child Support Order Summary
// Report", in printed order. Entries with the same group print under one numbered heading.
struct ExtraPageEntry {
    std::string_view group;
    std::string_view label;
    std::string_view field;
    ExtraKind kind = ExtraKind::Text;
    ExtraSource source = ExtraSource::None;
    std::string_view line = {};  // LineFigure: the worksheet line
    int index = 0;               // LineFigure: the column; ChildAge, PerChild: the child
};

std::span<const ExtraPageEntry> ExtraPageEntries();

// The fields of the extra page's entries.
std::vector<std::string_view> ExtraPageTextFields();

// Whether nothing is entered on the extra page.
bool ExtraPageEmpty(const CaseRecord& record);

// "Clear Form" of the extra page: empties its entries.
void ClearExtraPage(CaseRecord& record);

// "Get Data From Worksheet": the number of children, their ages, and the worksheet's figures
// (net incomes, combined income, basic obligation and its per-child amounts, standard
// calculations) into the entries that take them; typed entries and marks stay.
void GetDataFromWorksheet(CaseRecord& record);

}  // namespace forms
}  // namespace tovaris
