#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace tovaris {
class CaseFields;
}

namespace tovaris::forms {

// The sections of the financial declaration in the court form's order.
enum class DeclarationSection {
    Caption,
    Personal,       // 1
    Summary,        // 2
    Income,         // 3: A, B, C
    OtherIncome,    // 4
    Disputed,       // 5
    Assets,         // 6
    Expenses,       // 7
    ExpenseDebts,   // 8
    OtherDebts,     // 9
    Explanation,    // 10
    LawyerFees,     // 11
    PrintSettings,  // kept with the declaration, not on the court form
};

struct DeclarationSectionInfo {
    DeclarationSection section;
    std::string_view title;         // as the form prints it
    std::string_view instructions;  // printed under the title; "" none
};
std::span<const DeclarationSectionInfo> DeclarationSections();
const DeclarationSectionInfo& DeclarationSectionOf(DeclarationSection section);

// How a field holds and shows its value.
enum class DeclarationKind {
    Text,       // free text, limited to `maxLength`
    Amount,     // a dollar amount shown "$ ###,##0"
    FontName,   // the print font's name (quoted in the file)
    FontSize,   // the print font's size in points (a bare number in the file)
    PrintSize,  // the print size setting, 9 or 10 (a bare number in the file)
};

// A group of lines under one heading of a section ("A. Housing"), with the headings of its
// cells; most lines have their cells under these headings.
struct DeclarationGroup {
    std::string_view id;
    DeclarationSection section;
    std::string_view title;  // "" for the section's plain lines
    std::array<std::string_view, 7> cellHeadings;
};
std::span<const DeclarationGroup> DeclarationGroups();
const DeclarationGroup& DeclarationGroupById(std::string_view id);

// One field of the declaration: the screen, the file, the calculation, the exchanges and the
// printed form all walk this table. Fields of one line share its label and stand in cells
// 0, 1, ... of the line (section 3: cell 0 "You", cell 1 the other party).
struct DeclarationField {
    std::string_view stem;
    std::string_view group;  // DeclarationGroup id
    std::string_view label;
    DeclarationKind kind;
    int cell;
    int position;   // 1 ... 239 in the declaration file
    int maxLength;  // texts; 0 for amounts and settings
};

// Every field in the court form's order.
std::span<const DeclarationField> DeclarationFields();
const DeclarationField& DeclarationFieldByStem(std::string_view stem);
DeclarationSection SectionOf(const DeclarationField& field);

// The declarant options (not in the declaration file): who "You" is, and the declarant's role.
inline constexpr std::string_view kDeclarantClaimant = "FDMother";
inline constexpr std::string_view kDeclarantOther = "FDFather";
inline constexpr std::string_view kDeclarantPetitioner = "FDPetit";
inline constexpr std::string_view kDeclarantRespondent = "FDRespond";
inline constexpr std::array<std::string_view, 2> kDeclarantOptions = {kDeclarantClaimant,
                                                                      kDeclarantOther};
inline constexpr std::array<std::string_view, 2> kDeclarantRoleOptions = {kDeclarantPetitioner,
                                                                          kDeclarantRespondent};

inline constexpr std::string_view kPrintFontName = "FDPrintFontName";
inline constexpr std::string_view kPrintFontSize = "FDPrintFontSize";
inline constexpr std::string_view kPrintSize = "FDPrintSize";

inline constexpr std::string_view kDeclarationDollars = "$ ###,##0";

// An amount as typed, shown the declaration's way: a number becomes "$ ###,##0", empty stays
// empty, anything else is kept as typed (Calculate counts it 0).
std::string DeclarationAmountText(std::string_view typed);

// True when the declarant ("You") is the Claimant of the Express Entry screen.
bool DeclarantIsClaimant(const CaseFields& fields);

// Every field and option of the declaration from one set of fields into another.
void CopyDeclaration(const CaseFields& from, CaseFields& to);

// The start-up state: the Claimant as petitioner declares, printed in Tahoma 10.
void SetDeclarationDefaults(CaseFields& fields);

}  // namespace tovaris::forms
