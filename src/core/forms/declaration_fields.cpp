#include "forms/declaration_fields.h"

#include <algorithm>
#include <optional>
#include <stdexcept>
#include <string>

#include "case/case_fields.h"
#include "common/entry_text.h"
#include "common/format.h"

namespace tovaris::forms {
namespace {

using S = DeclarationSection;
using K = DeclarationKind;

constexpr int kName = 60;   // a name or a line of names
constexpr int kShort = 30;  // a county, a case number, a creditor
constexpr int kDate = 15;
constexpr int kLine = 120;   // one line of the form
constexpr int kBlock = 900;  // the form's explanation boxes

constexpr DeclarationSectionInfo kSections[] = {
    {S::Caption, "Financial Declaration", ""},
    {S::Personal, "1. Your personal information", ""},
    {S::Summary, "2. Summary of your financial information",
     "Fill out sections 3 - 9 below first, then copy the totals here."},
    {S::Income, "3. Income",
     "Monthly amounts: yours under \"You\", your estimate of the other party's under \"Other "
     "Party\"."},
    {S::OtherIncome, "4. Other Income and Household Income", ""},
    {S::Disputed, "5. Disputed Income",
     "If you believe the other party's income is not what they say, explain why."},
    {S::Assets, "6. Available Assets", ""},
    {S::Expenses, "7. Monthly Expenses After Separation",
     "Fill in your expected monthly expenses after separation for your household."},
    {S::ExpenseDebts, "8. Debts included in monthly expenses above",
     "List the debts whose payments are included in section 7."},
    {S::OtherDebts, "9. Monthly payments for other debts",
     "List the debts you pay monthly that are not included in section 7."},
    {S::Explanation, "10. Explanation of expenses or debts", ""},
    {S::LawyerFees, "11. Lawyer Fees", ""},
    {S::PrintSettings, "Print Settings", ""},
};

constexpr DeclarationGroup kGroups[] = {
    {"caption", S::Caption, "", {}},
    {"personal", S::Personal, "", {}},
    {"summary", S::Summary, "", {}},
    {"income", S::Income, "A. Gross Monthly Income", {"You", "Other Party"}},
    {"deductions", S::Income, "B. Monthly Deductions", {"You", "Other Party"}},
    {"net", S::Income, "C. Net Monthly Income", {"You", "Other Party"}},
    {"otherincome", S::OtherIncome, "A. Other Income", {"You", "Other Party", "From"}},
    {"household.you",
     S::OtherIncome,
     "B. Income of other adults in your home",
     {"Name", "Gross Monthly Income"}},
    {"household.other",
     S::OtherIncome,
     "C. Income of other adults in the other party's home",
     {"Name", "Gross Monthly Income"}},
    {"household.total", S::OtherIncome, "D. Household Income", {"You", "Other Party"}},
    {"disputed", S::Disputed, "", {}},
    {"assets", S::Assets, "", {}},
    {"housing", S::Expenses, "A. Housing Expenses", {}},
    {"utilities", S::Expenses, "B. Utilities", {"", "Describe"}},
    {"food", S::Expenses, "C. Food and Household Supplies", {"", "Describe"}},
    {"children", S::Expenses, "D. Children's Expenses", {}},
    {"health", S::Expenses, "E. Health Care Expenses (not covered by insurance)", {}},
    {"transportation", S::Expenses, "F. Transportation Expenses", {}},
    {"personalexpenses", S::Expenses, "G. Personal Expenses (not including children)", {}},
    {"otherexpenses", S::Expenses, "H. Other Expenses", {"", "Describe"}},
    {"totalexpenses", S::Expenses, "I. Total Expenses (add A-H above)", {}},
    {"expensedebts",
     S::ExpenseDebts,
     "",
     {"What Expense", "Creditor", "Amount Owed", "Last Monthly Payment"}},
    {"otherdebts",
     S::OtherDebts,
     "",
     {"Description", "Creditor", "Amount Owed", "Monthly Payment", "Last Paid On", "Last Amount",
      "Past Due"}},
    {"explanation", S::Explanation, "", {}},
    {"fees", S::LawyerFees, "", {}},
    {"print", S::PrintSettings, "", {}},
};

constexpr DeclarationField T(std::string_view stem, std::string_view group, std::string_view label,
                             int maxLength, int position, int cell = 0) {
    return {stem, group, label, K::Text, cell, position, maxLength};
}

constexpr DeclarationField A(std::string_view stem, std::string_view group, std::string_view label,
                             int position, int cell = 0) {
    return {stem, group, label, K::Amount, cell, position, 0};
}

constexpr const char* kOtherDescribed = "Other (describe):";

// In the court form's order; `position` is the field's place in the declaration file.
constexpr DeclarationField kFields[] = {
    // Caption
    T("County", "caption", "Superior Court of Washington, County of", kShort, 1),
    T("Petit", "caption", "Petitioner/s (list names):", kName, 2),
    T("petit2", "caption", "", kName, 194),
    T("Respond", "caption", "Respondent/s (list names):", kName, 3),
    T("Respond2", "caption", "", kName, 195),
    T("No", "caption", "No.", kShort, 4),
    T("Nameof", "caption", "Financial Declaration of (name):", kName, 7),
    T("Name1", "caption", "Name of the person signing:", kName, 234),
    // 1. Personal information
    T("a1", "personal", "a. Highest year of education completed:", kShort, 10),
    T("b1", "personal", "b. Job/profession:", kName, 11),
    T("c1", "personal", "c. Are you working now? (Yes: date hired / No: last date worked)", kName,
      12),
    A("d1", "personal", "d. Monthly pay before taxes:", 13),
    T("e1", "personal", "e. If you are not working, why not:", kLine, 14),
    // 2. Summary
    A("a21", "summary", "a. Your total monthly net income (from 3.C)", 15),
    A("a22", "summary", "b. Your total monthly expenses after separation (from 7.I)", 16),
    A("b23", "summary", "c. Your total monthly payments for other debts (from 9)", 24),
    A("c23", "summary", "d. Your total monthly expenses and debt payments (add b and c)", 25),
    A("d23", "summary", "e. The other party's total monthly net income (from 3.C)", 26),
    A("e23", "summary", "f. Your total gross monthly income (from 3.A.f)", 27),
    A("f23", "summary", "g. The other party's total gross monthly income (from 3.A.f)", 28),
    // 3.A Gross monthly income
    A("a31p", "income", "a. Wages and salary", 29, 0),
    A("a31r", "income", "a. Wages and salary", 36, 1),
    A("b31p", "income", "b. Interest and dividend income", 30, 0),
    A("b31r", "income", "b. Interest and dividend income", 37, 1),
    A("c31p", "income", "c. Business income", 31, 0),
    A("c31r", "income", "c. Business income", 38, 1),
    A("d31p", "income", "d. Spousal support/maintenance received: prior marriages", 32, 0),
    A("d31r", "income", "d. Spousal support/maintenance received: prior marriages", 39, 1),
    A("d31pCurrent", "income", "    this marriage", 236, 0),
    A("d31rCurrent", "income", "    this marriage", 237, 1),
    A("e31p", "income", "e. Other income", 33, 0),
    A("e31r", "income", "e. Other income", 40, 1),
    A("f31p", "income", "f. Total gross monthly income (add all lines above)", 34, 0),
    A("f31r", "income", "f. Total gross monthly income (add all lines above)", 41, 1),
    A("g31p", "income", "g. Total gross income for this year", 35, 0),
    A("g31r", "income", "g. Total gross income for this year", 42, 1),
    A("d31", "income", "    Your actual gross income this year to date", 212, 0),
    // 3.B Monthly deductions
    A("a32p", "deductions", "a. Income taxes (federal and state)", 43, 0),
    A("a32r", "deductions", "a. Income taxes (federal and state)", 50, 1),
    A("b32p", "deductions", "b. FICA (Soc. Sec. + Medicare)/self-employment taxes", 44, 0),
    A("b32r", "deductions", "b. FICA (Soc. Sec. + Medicare)/self-employment taxes", 51, 1),
    A("c32p", "deductions", "c. State industrial insurance deductions", 45, 0),
    A("c32r", "deductions", "c. State industrial insurance deductions", 52, 1),
    A("d32p", "deductions", "d. Mandatory union/professional dues", 46, 0),
    A("d32r", "deductions", "d. Mandatory union/professional dues", 53, 1),
    A("e32p", "deductions", "e. Mandatory pension plan payments", 47, 0),
    A("e32r", "deductions", "e. Mandatory pension plan payments", 54, 1),
    A("e132p", "deductions", "    Voluntary retirement contributions", 216, 0),
    A("e132r", "deductions", "    Voluntary retirement contributions", 217, 1),
    A("f32p", "deductions", "f. Spousal support/maintenance paid: prior marriages", 48, 0),
    A("f32r", "deductions", "f. Spousal support/maintenance paid: prior marriages", 55, 1),
    A("f32pCurrent", "deductions", "    this marriage", 238, 0),
    A("f32rCurrent", "deductions", "    this marriage", 239, 1),
    A("g32p", "deductions", "g. Normal business expenses", 49, 0),
    A("g32r", "deductions", "g. Normal business expenses", 56, 1),
    A("h32p", "deductions", "h. Total deductions (add all lines above)", 57, 0),
    A("h32r", "deductions", "h. Total deductions (add all lines above)", 58, 1),
    // 3.C Net monthly income
    A("a33p", "net", "Net monthly income (Line 1 minus Line 2)", 59, 0),
    A("a33r", "net", "Net monthly income (Line 1 minus Line 2)", 60, 1),
    // 4. Other income and household income
    A("a34p", "otherincome", "a. Child support received from other relationships", 61, 0),
    A("a34r", "otherincome", "a. Child support received from other relationships", 68, 1),
    A("b34p", "otherincome", "b. Other income (from):", 62, 0),
    A("b34r", "otherincome", "b. Other income (from):", 69, 1),
    T("b34o", "otherincome", "b. Other income (from):", kShort, 187, 2),
    A("c34p", "otherincome", "c. Other income (from):", 63, 0),
    A("c34r", "otherincome", "c. Other income (from):", 70, 1),
    T("c34o", "otherincome", "c. Other income (from):", kShort, 188, 2),
    A("d34p", "otherincome", "d. Other income (from):", 64, 0),
    A("d34r", "otherincome", "d. Other income (from):", 71, 1),
    T("d34o", "otherincome", "d. Other income (from):", kShort, 189, 2),
    A("e34p", "otherincome", "e. Other income (from):", 65, 0),
    A("e34r", "otherincome", "e. Other income (from):", 72, 1),
    T("e34o", "otherincome", "e. Other income (from):", kShort, 190, 2),
    A("f34p", "otherincome", "f. Total other income (add all lines above)", 66, 0),
    A("f34r", "otherincome", "f. Total other income (add all lines above)", 73, 1),
    T("a35a", "household.you", "a.", kName, 221, 0),
    A("a35p", "household.you", "a.", 67, 1),
    T("b35a", "household.you", "b.", kName, 222, 0),
    A("b35p", "household.you", "b.", 223, 1),
    T("Other2", "household.you", "c.", kName, 206, 0),
    A("c35p", "household.you", "c.", 225, 1),
    A("a36", "household.you", "Total income of other adults in your home", 74, 1),
    T("Other3", "household.other", "a.", kName, 207, 0),
    A("a35r", "household.other", "a.", 186, 1),
    T("Other4", "household.other", "b.", kName, 208, 0),
    A("b35r", "household.other", "b.", 224, 1),
    T("Other5", "household.other", "c.", kName, 209, 0),
    A("c35r", "household.other", "c.", 226, 1),
    A("b36", "household.other", "Total income of other adults in the other party's home", 75, 1),
    A("c36", "household.total", "Total household income (3.A.f + 4.A.f + other adults)", 76, 0),
    A("d36", "household.total", "Total household income (3.A.f + 4.A.f + other adults)", 219, 1),
    A("e36", "household.total", "Combined household income of both homes", 220, 0),
    T("Other6", "household.total", "Other household income (explain):", kLine, 210, 0),
    // 5. Disputed income
    T("x53", "disputed", "Explanation:", kBlock, 193),
    // 6. Available assets
    A("a41", "assets", "a. Cash and money in checking, savings and other accounts", 77),
    A("a42", "assets", "b. Stocks, bonds, CDs", 78),
    A("a43", "assets", "c. Cash value of life insurance", 79),
    A("a44", "assets", "d. Other liquid assets", 80),
    A("a45", "assets", "e. Total liquid assets (add all lines above)", 218),
    // 7. Monthly expenses after separation
    A("a51", "housing", "Rent, mortgage or contract payments", 82),
    A("b51", "housing", "Property taxes (if not in mortgage)", 83),
    A("c51", "housing", "Homeowner's or renter's insurance (if not in mortgage)", 84),
    A("d51", "housing", "Home repair and maintenance", 85),
    A("e51", "housing", "Homeowner's association dues and other housing", 227),
    A("g51", "housing", "Total Housing", 228),
    A("a52", "utilities", "Heat (gas and oil)", 86),
    A("c52", "utilities", "Electricity", 88),
    A("d52", "utilities", "Water, sewer and garbage", 89),
    A("e52", "utilities", "Telephone and cell phone", 90),
    A("f52", "utilities", kOtherDescribed, 91, 0),
    T("f52o", "utilities", kOtherDescribed, kShort, 232, 1),
    A("g52", "utilities", "Total Utilities", 92),
    A("a53", "food", "Food and household supplies", 93),
    A("b53", "food", "Meals eaten out", 94),
    A("c53", "food", "Laundry and dry cleaning", 95),
    A("d53", "food", kOtherDescribed, 96, 0),
    T("d53o", "food", kOtherDescribed, kShort, 233, 1),
    A("e53", "food", "Total Food and Supplies", 97),
    A("a54", "children", "Day care and babysitting", 98),
    A("b54", "children", "Clothing, diapers and hygiene", 99),
    A("c54", "children", "Tuition and school expenses", 100),
    A("d54", "children", "Lessons, activities and other expenses for the children", 101),
    A("e54", "children", "Total Expenses for Children", 102),
    A("a55", "health", "Health insurance premiums (not deducted from pay)", 103),
    A("b55", "health", "Uninsured medical expenses", 104),
    A("c55", "health", "Uninsured dental and orthodontic expenses", 105),
    A("d55", "health", "Uninsured vision expenses", 106),
    A("e55", "health", "Counseling and other health care", 107),
    A("f55", "health", "Total Health Care", 108),
    A("a56", "transportation", "Vehicle payments", 109),
    A("b56", "transportation", "Vehicle insurance, license and registration", 110),
    A("c56", "transportation", "Gas, oil, repairs, parking and public transportation", 111),
    A("d56", "transportation", "Total Transportation", 112),
    A("a57", "personalexpenses", "Clothing", 113),
    A("b57", "personalexpenses", "Hair care and personal care", 114),
    A("c57", "personalexpenses", "Clubs, recreation and entertainment", 115),
    A("d57", "personalexpenses", "Gifts and donations", 116),
    A("e57", "personalexpenses", "Education (your own)", 117),
    A("h57", "personalexpenses", "Total Personal Expenses", 120),
    A("a58", "otherexpenses", "Life insurance (if not deducted from pay)", 121),
    A("b58", "otherexpenses", kOtherDescribed, 122, 0),
    T("a58o", "otherexpenses", kOtherDescribed, kShort, 125, 1),
    A("c58", "otherexpenses", kOtherDescribed, 123, 0),
    T("b58o", "otherexpenses", kOtherDescribed, kShort, 126, 1),
    A("d58", "otherexpenses", kOtherDescribed, 124, 0),
    T("c58o", "otherexpenses", kOtherDescribed, kShort, 230, 1),
    A("e58", "otherexpenses", "Total Other Expenses", 229),
    A("a59", "totalexpenses", "Total monthly expenses after separation", 127),
    // 8. Debts included in the monthly expenses
    T("a510b", "expensedebts", "1.", kShort, 136, 0),
    T("b510b", "expensedebts", "1.", kShort, 137, 1),
    A("c510b", "expensedebts", "1.", 138, 2),
    A("d510b", "expensedebts", "1.", 139, 3),
    T("a510c", "expensedebts", "2.", kShort, 128, 0),
    T("b510c", "expensedebts", "2.", kShort, 129, 1),
    A("c510c", "expensedebts", "2.", 130, 2),
    A("d510c", "expensedebts", "2.", 131, 3),
    T("a510d", "expensedebts", "3.", kShort, 132, 0),
    T("b510d", "expensedebts", "3.", kShort, 133, 1),
    A("c510d", "expensedebts", "3.", 134, 2),
    A("d510d", "expensedebts", "3.", 135, 3),
    T("a510l", "expensedebts", "4.", kShort, 140, 0),
    T("b510l", "expensedebts", "4.", kShort, 141, 1),
    A("c510l", "expensedebts", "4.", 142, 2),
    A("d510l", "expensedebts", "4.", 143, 3),
    // 9. Monthly payments for other debts
    T("a511b", "otherdebts", "1.", kShort, 158, 0),
    T("b511b", "otherdebts", "1.", kShort, 159, 1),
    A("c511b", "otherdebts", "1.", 160, 2),
    A("d511b", "otherdebts", "1.", 161, 3),
    T("e511b", "otherdebts", "1.", kDate, 162, 4),
    A("f511b", "otherdebts", "1.", 163, 5),
    A("g511b", "otherdebts", "1.", 164, 6),
    T("a511c", "otherdebts", "2.", kShort, 144, 0),
    T("b511c", "otherdebts", "2.", kShort, 145, 1),
    A("c511c", "otherdebts", "2.", 146, 2),
    A("d511c", "otherdebts", "2.", 147, 3),
    T("e511c", "otherdebts", "2.", kDate, 148, 4),
    A("f511c", "otherdebts", "2.", 149, 5),
    A("g511c", "otherdebts", "2.", 150, 6),
    T("a511d", "otherdebts", "3.", kShort, 151, 0),
    T("b511d", "otherdebts", "3.", kShort, 152, 1),
    A("c511d", "otherdebts", "3.", 153, 2),
    A("d511d", "otherdebts", "3.", 154, 3),
    T("e511d", "otherdebts", "3.", kDate, 155, 4),
    A("f511d", "otherdebts", "3.", 156, 5),
    A("g511d", "otherdebts", "3.", 157, 6),
    T("a511l", "otherdebts", "4.", kShort, 165, 0),
    T("b511l", "otherdebts", "4.", kShort, 166, 1),
    A("c511l", "otherdebts", "4.", 167, 2),
    A("d511l", "otherdebts", "4.", 168, 3),
    T("e511l", "otherdebts", "4.", kDate, 169, 4),
    A("f511l", "otherdebts", "4.", 170, 5),
    A("g511l", "otherdebts", "4.", 171, 6),
    T("a511m", "otherdebts", "5.", kShort, 172, 0),
    T("b511m", "otherdebts", "5.", kShort, 173, 1),
    A("c511m", "otherdebts", "5.", 174, 2),
    A("d511m", "otherdebts", "5.", 175, 3),
    T("e511m", "otherdebts", "5.", kDate, 176, 4),
    A("f511m", "otherdebts", "5.", 177, 5),
    A("g511m", "otherdebts", "5.", 178, 6),
    A("h511", "otherdebts", "Total monthly payments", 179, 3),
    // 10. Explanation
    T("a61", "explanation", "Explanation:", kBlock, 181),
    // 11. Lawyer fees
    A("a62", "fees", "a. Amount paid for my lawyer's fees and costs so far", 182),
    T("a65", "fees", "b. The source of this money was:", kLine, 185),
    A("a63", "fees", "c. Fees and costs I still owe", 183),
    A("b63", "fees", "d. Fees and costs I expect to owe to finish the case", 231),
    A("a64", "fees", "e. Total (add a, c and d)", 184),
    T("a66", "fees", "f. My lawyer and I have this fee agreement:", kLine, 235),
    // Print settings kept with the declaration
    {kPrintFontName, "print", "Print font", K::FontName, 0, 197, kShort},
    {kPrintFontSize, "print", "Print font size", K::FontSize, 1, 196, 0},
    {kPrintSize, "print", "Print size", K::PrintSize, 2, 213, 0},
};

template <typename Item, typename Key>
const Item& Find(std::span<const Item> items, Key key, std::string_view what,
                 std::string_view name) {
    auto found = std::find_if(items.begin(), items.end(), key);
    if (found == items.end()) {
        throw std::out_of_range("no declaration " + std::string(what) + " " + std::string(name));
    }
    return *found;
}

}  // namespace

std::span<const DeclarationSectionInfo> DeclarationSections() {
    return kSections;
}

const DeclarationSectionInfo& DeclarationSectionOf(DeclarationSection section) {
    return Find(
        DeclarationSections(),
        [section](const DeclarationSectionInfo& info) { return info.section == section; },
        "section", "");
}

std::span<const DeclarationGroup> DeclarationGroups() {
    return kGroups;
}

const DeclarationGroup& DeclarationGroupById(std::string_view id) {
    return Find(
        DeclarationGroups(), [id](const DeclarationGroup& g) { return g.id == id; }, "group", id);
}

std::span<const DeclarationField> DeclarationFields() {
    return kFields;
}

const DeclarationField& DeclarationFieldByStem(std::string_view stem) {
    return Find(
        DeclarationFields(), [stem](const DeclarationField& f) { return f.stem == stem; }, "field",
        stem);
}

DeclarationSection SectionOf(const DeclarationField& field) {
    return DeclarationGroupById(field.group).section;
}

std::string DeclarationAmountText(std::string_view typed) {
    std::optional<double> amount = ReadAmount(typed);
    return amount ? Format(*amount, kDeclarationDollars) : std::string(typed);
}

bool DeclarantIsClaimant(const CaseFields& fields) {
    return !fields.Selected(kDeclarantOther);
}

void CopyDeclaration(const CaseFields& from, CaseFields& to) {
    for (const DeclarationField& field : DeclarationFields()) {
        to.SetText(field.stem, from.Text(field.stem));
    }
    for (auto options : {kDeclarantOptions, kDeclarantRoleOptions}) {
        for (std::string_view option : options) {
            to.SetSelectedState(option, from.Selected(option));
        }
    }
}

void SetDeclarationDefaults(CaseFields& fields) {
    fields.Select(kDeclarantClaimant);
    fields.Select(kDeclarantPetitioner);
    fields.SetText(kPrintFontName, "Tahoma");
    fields.SetText(kPrintFontSize, "10");
    fields.SetText(kPrintSize, "10");
}

}  // namespace tovaris::forms
