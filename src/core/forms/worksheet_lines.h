#pragma once

#include <array>
#include <span>
#include <string_view>

namespace tovaris::forms {

// How a worksheet line shows its figures.
enum class LineFormat {
    None,     // a part heading
    Dollars,  // whole dollars per month, "$ ###,##0"
    Share,    // a proportion, ".##0"
    Text,     // typed text, shown as typed
};

// How a line gets its figures: typed by the user, or one of the worksheet's rules.
enum class Formula {
    Heading,
    Typed,
    GrossIncome,          // 1g: 1a + ... + 1f
    TotalDeductions,      // 2i: 2a + ... + 2h
    NetIncome,            // 3: 1g - 2i
    CombinedNet,          // 4: both parents' line 3
    BasicObligation,      // 5: the economic table for the worksheet's children and line 4
    IncomeShare,          // 6: line 3 / line 4
    BasicShare,           // 7: line 6 x line 5
    CombinedBelow1000,    // 8a
    BelowReserve,         // 8b
    AboveReserve,         // 8c
    BasicAfterLimits,     // 9
    HealthCareTotal,      // 10c: 10a + 10b
    CombinedHealthCare,   // 10d: both parents' 10c
    SpecialTotal,         // 11e: 11a + ... + 11d
    CombinedSpecial,      // 12: both parents' 11e
    TotalExpenses,        // 13: 10d + 12
    ExpenseShare,         // 14: line 6 x line 13
    GrossObligation,      // 15: line 9 + line 14
    HealthCareCredit,     // 16a: the parent's 10c
    SpecialCredit,        // 16b: the parent's 11e
    TotalCredits,         // 16d: 16a + 16b + 16c
    StandardCalculation,  // 17: line 15 - 16d, at least $50 per child
    FortyFivePercent,     // 18: .45 x line 3
    TwentyFivePercent,    // 19: .25 x line 9
};

inline constexpr int kMaxBoxes = 5;
inline constexpr int kColumns = 2;  // Column 1 and Column 2

// The entry fields of one column of a line: one box, or the extra boxes of 1a, 1d, 1e and 2g,
// whose figure is their sum. Unused places are empty.
using ColumnBoxes = std::array<std::string_view, kMaxBoxes>;

// One line of the child support schedule worksheet as printed: its id ("1a" ... "26", or the
// part "I" ... "VIII"), its title, its fields per column and how its figures come about. A line
// of both parents together ("4", "5", "10d", "12", "13") has its one box in Column 1 only.
struct WorksheetLine {
    std::string_view id;
    std::string_view title;
    LineFormat format;
    Formula formula;
    std::array<ColumnBoxes, kColumns> boxes;
    bool combined = false;
    ColumnBoxes boxCaptions = {};  // what each of several boxes holds, for the screen

    bool IsHeading() const { return formula == Formula::Heading; }
    // The number of boxes a column of this line has.
    int BoxCount(int column) const;
};

// Every line of Parts I to VIII in printed order.
std::span<const WorksheetLine> WorksheetLines();

// The line of an id; throws std::out_of_range for an id the worksheet does not have.
const WorksheetLine& WorksheetLineById(std::string_view id);

// The texts of a line that are no figures, per column where they belong to a parent.
struct WorksheetNote {
    std::string_view id;     // "5 children", "5 extrapolated", "11d describe", ...
    std::string_view label;  // caption shown beside the box
    std::array<std::string_view, kColumns> fields;  // one field in Column 1 for a shared note
};
std::span<const WorksheetNote> WorksheetNotes();
const WorksheetNote& WorksheetNoteById(std::string_view id);

// The header of the worksheet.
struct WorksheetHeader {
    static constexpr std::string_view kCounty = "County";
    static constexpr std::string_view kCaseNumber = "CaseNumber";
    // The parents' names by column: Column 1, Column 2.
    static constexpr std::array<std::string_view, kColumns> kParentName = {"NameFather",
                                                                           "NameMother"};
    static constexpr int kChildren = 5;
    static constexpr std::array<std::string_view, kChildren> kChildName = {
        "ChildText(0)", "ChildText(1)", "ChildText(2)", "ChildText(3)", "ChildText(4)"};
    static constexpr std::array<std::string_view, kChildren> kChildAge = {
        "Age(0)", "Age(1)", "Age(2)", "Age(3)", "Age(4)"};
};

// Line 24's "Paid " "Yes  " / "No" check boxes, by column.
inline constexpr std::array<std::array<std::string_view, 2>, kColumns> kLine24Paid = {
    {{"DeviationCheck(8)", "DeviationCheck(9)"}, {"DeviationCheck(10)", "DeviationCheck(11)"}}};

// Who proposes the worksheets (page 1's check boxes), one option each, and the name box of
// "Proposed by".
struct ProposerOption {
    std::string_view field;
    std::string_view caption;
};
inline constexpr std::array<ProposerOption, 5> kProposedOptions = {{
    {"ProposedOption(0)", "State of WA (CSWP)"},
    {"ProposedOption(1)", "Proposed by Column 1 Parent"},
    {"ProposedOption(2)", "Proposed by Column 2 Parent"},
    {"ProposedOption(3)", "Proposed by (name)"},
    {"ProposedOption(4)", "Signed by the Judicial/Reviewing Officer. (CSW)"},
}};
inline constexpr std::string_view kProposedName = "ProposedOther";

// Display patterns of the worksheet's figures.
inline constexpr std::string_view kWorksheetDollars = "$ ###,##0";
inline constexpr std::string_view kWorksheetShare = ".##0";

}  // namespace tovaris::forms
