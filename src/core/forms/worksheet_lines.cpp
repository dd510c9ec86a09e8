#include "forms/worksheet_lines.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace tovaris::forms {
namespace {

using F = Formula;

constexpr WorksheetLine Heading(std::string_view id, std::string_view title) {
    return {id, title, LineFormat::None, F::Heading, {}, false};
}

// A line with one box per parent.
constexpr WorksheetLine Pair(std::string_view id, std::string_view title, Formula formula,
                             std::string_view column1, std::string_view column2,
                             LineFormat format = LineFormat::Dollars) {
    return {id, title, format, formula, {ColumnBoxes{column1}, ColumnBoxes{column2}}, false};
}

// A line with several boxes per parent, summed.
constexpr WorksheetLine Boxed(std::string_view id, std::string_view title, ColumnBoxes column1,
                              ColumnBoxes column2, ColumnBoxes captions) {
    return {id, title, LineFormat::Dollars, F::Typed, {column1, column2}, false, captions};
}

// A line of both parents together.
constexpr WorksheetLine Both(std::string_view id, std::string_view title, Formula formula,
                             std::string_view field, LineFormat format = LineFormat::Dollars) {
    return {id, title, format, formula, {ColumnBoxes{field}, ColumnBoxes{}}, true};
}

// Column 1 fields end in "f", Column 2 fields in "m", as the case file has always named them.
constexpr WorksheetLine kLines[] = {
    Heading("I", "Part I: Income  "),
    Boxed("1a", "a. Wages and Salaries", {"a1f(0)", "a1f(1)"}, {"a1m(0)", "a1m(1)"},
          {"Subject To FICA And Federal Tax", "Subject Only To FICA"}),
    Pair("1b", "b. Interest and Dividend Income", F::Typed, "b1f", "b1m"),
    Pair("1c", "c. Business Income", F::Typed, "c1f", "c1m"),
    Boxed("1d", "d. Maintenance Received", {"d1fPM", "d1fCM"}, {"d1mPM", "d1mCM"},
          {"Ordered Before 2019", "Current Maintenance"}),
    Boxed("1e", "e. Other Income", {"e1fPT", "e1fLT", "e1fRet", "e1fTF", "e1fSS"},
          {"e1mPT", "e1mLT", "e1mRet", "e1mTF", "e1mSS"},
          {"Rentals, Royalties And Annuities", "Long Term Capital Gains",
           "Retirement Plans And Unemployment", "Not Subject To Federal Tax",
           "Social Security Benefits"}),
    Pair("1f", "f. Imputed Income", F::Typed, "f1f", "f1m"),
    Pair("1g", "g. Total Gross Monthly Income", F::GrossIncome, "g1f", "g1m"),
    Pair("2a", "a. Income Taxes (Federal and State)", F::Typed, "a2f", "a2m"),
    Pair("2b", "b. FICA (Soc. Sec. + Medicare)/Self-Employment Taxes", F::Typed, "b2f", "b2m"),
    Pair("2c", "c. State Industrial Insurance Deductions", F::Typed, "c2f", "c2m"),
    Pair("2d", "d. Mandatory Union/Professional Dues", F::Typed, "d2f", "d2m"),
    Pair("2e", "e. Mandatory Pension Plan Payments", F::Typed, "e2f", "e2m"),
    Pair("2f", "f. Voluntary Retirement Contributions", F::Typed, "g2f", "g2m"),
    Boxed("2g", "g. Maintenance Paid", {"f2fPM", "f2fCM"}, {"f2mPM", "f2mCM"},
          {"Prior Spouses", "Current Maintenance"}),
    Pair("2h", "h. Normal Business Expenses", F::Typed, "h2f", "h2m"),
    Pair("2i", "i. Total Deductions from Gross Income", F::TotalDeductions, "i2f", "i2m"),
    Pair("3", "3. Monthly Net Income (line 1g minus 2i)", F::NetIncome, "a3f", "a3m"),
    Both("4", "4. Combined Monthly Net Income", F::CombinedNet, "a4"),
    Both("5", "5. Basic Child Suppport Obligation ", F::BasicObligation, "a5"),
    Pair("6", "6. Proportional Share of Income", F::IncomeShare, "a6f", "a6m", LineFormat::Share),
    Heading("II", "Part II: Basic Child Support Obligation  "),
    Pair("7", "7. Each Parent's Basic Child Support Obligation without consideration",
         F::BasicShare, "a7f", "a7m"),
    Pair("8a", "Is Combined Net Income Less Than $1000?", F::CombinedBelow1000, "a20f", "a20m"),
    Pair("8b", "Is Monthly Net Income Less Than Self-Support Reserve?", F::BelowReserve, "a20f2",
         "a20m2"),
    Pair("8c", "Is Monthly Net Income equal to or more than Self-Support", F::AboveReserve, "a20f3",
         "a20m3"),
    Pair("9", "9. Each parent's basic child support obligation after calculating",
         F::BasicAfterLimits, "g9f", "g9m"),
    Heading("III", "Part III: Health Care, Day Care, and Special Child Rearing Expenses"),
    Pair("10a", "a. Monthly Health Insurance Premiums Paid for Child(ren)", F::Typed, "a8f", "a8m"),
    Pair("10b", "b. Uninsured Monthly Health Care Expenses Paid for Child(ren)", F::Typed, "b8f",
         "b8m"),
    Pair("10c", "c. Total Monthly Health Care Expenses", F::HealthCareTotal, "c8f", "c8m"),
    Both("10d", "d. Combined Monthly Health Care Expenses", F::CombinedHealthCare, "d8"),
    Pair("11a", "a. Day Care Expenses", F::Typed, "a9f", "a9m"),
    Pair("11b", "b. Education Expenses", F::Typed, "b9f", "b9m"),
    Pair("11c", "c. Long Distance Transportation Expenses", F::Typed, "c9f", "c9m"),
    Pair("11d", "d. Other Special Expenses (describe)  ", F::Typed, "d9f", "d9m"),
    Pair("11e", "e. Total Day Care and Special Expenses", F::SpecialTotal, "e9f", "e9m"),
    Both("12", "12. Combined Monthly Total Day Care and Special Expenses", F::CombinedSpecial,
         "a10"),
    Both("13", "13. Total Health Care, Day Care and Special Expenses", F::TotalExpenses, "a11"),
    Pair("14", "14. Each Parent's Obligation for Health Care, Day Care and Special",
         F::ExpenseShare, "a12f", "a12m"),
    Heading("IV", "Part IV: Gross Child Support Obligation"),
    Pair("15", "15. Gross Child Support Obligation", F::GrossObligation, "a13f", "a13m"),
    Heading("V", "Part V: Child Support Credits  "),
    Pair("16a", "a. Monthly Health Care Expenses Credit", F::HealthCareCredit, "a14f", "a14m"),
    Pair("16b", "b. Day Care and Special Expenses Credit", F::SpecialCredit, "b14f", "b14m"),
    Pair("16c", "c. Other Ordinary Expenses Credit (describe)", F::Typed, "c14f", "c14m"),
    Pair("16d", "d. Total Support Credits", F::TotalCredits, "d14f", "d14m"),
    Heading("VI", "Part VI: Standard Calculation/Presumptive Transfer Payment  "),
    Pair("17", "17. Standard Calculation (line 15 minus line 16d or $50 per child",
         F::StandardCalculation, "a20f4", "a20m4"),
    Heading("VII", "Part VII:  Additional Informational Calculations "),
    Pair("18", "18. 45% of each parent's net income from line 3 (.45 X amount from",
         F::FortyFivePercent, "a19f", "a19m"),
    Pair("19", "19. 25% of each parent's basic support obligation from line 9 (.25 X",
         F::TwentyFivePercent, "a19f2", "a19m2"),
    Heading("VIII", "Part VIII:  Additional Factors for Consideration "),
    Heading("20", "20. Household Assets"),
    Pair("20a", "a. Real Estate", F::Typed, "a16f", "a16m"),
    Pair("20b", "b. Investments", F::Typed, "b16f", "b16m"),
    Pair("20c", "c. Vehicles and Boats", F::Typed, "c16f", "c16m"),
    Pair("20d", "d. Bank Accounts and Cash", F::Typed, "d16f", "d16m"),
    Pair("20e", "e. Retirement Accounts", F::Typed, "e16f", "e16m"),
    Pair("20f", "f. Other (describe)", F::Typed, "f16f", "f16m"),
    Pair("21", "21. Household Debt", F::Typed, "g16f", "g16m"),
    Heading("22", "22. Other Household Income"),
    Pair("22a", "a. Income Of Current Spouse or Domestic Partner", F::Typed, "a18f", "a18m"),
    Pair("22b", "b. Income Of Other Adults In Household", F::Typed, "b18f", "b18m"),
    Pair("22c", "c. Gross income from overtime or from second jobs the party is", F::Typed,
         "c18f(0)", "c18m(0)"),
    Pair("22d", "d. Income Of Child(ren) (if considered extraordinary)", F::Typed, "d18f", "d18m"),
    Pair("22e", "e. Income From Child Support", F::Typed, "e18f", "e18m"),
    Pair("22f", "f. Income From Assistance Programs", F::Typed, "f18f", "f18m"),
    Pair("22g", "g. Other Income (describe)", F::Typed, "a18f2", "a18m2"),
    Pair("23", "23. Non-Recurring Income (describe)", F::Typed, "b18f2", "b18m2"),
    Pair("24", "24. Monthly Child Support Ordered for Other Child(ren)", F::Typed, "c18f2",
         "c18m2"),
    Pair("25", "25. Other Child(ren) Living In Each Household", F::Typed, "NAText(2)", "NAText(3)",
         LineFormat::Text),
    Both("26", "26. Other Factors For Consideration ", F::Typed, "OFText", LineFormat::Text),
};

constexpr WorksheetNote kNotes[] = {
    {"5 children", "", {"SText(1)", ""}},
    {"5 extrapolated", "", {"SText(2)", ""}},
    {"11d describe", "(describe)", {"OEText", ""}},
    {"16c describe", "(describe)", {"OE1Text", ""}},
    {"20f describe", "(describe)", {"OText(1)", ""}},
    {"22g describe", "(describe)", {"OText(2)", ""}},
    {"23 describe", "(describe)", {"OText(3)", ""}},
    {"24 name", "Name/age:   ", {"NAText(0)", "NAText(1)"}},
};

template <typename Item>
const Item& FindById(std::span<const Item> items, std::string_view id) {
    auto found =
        std::find_if(items.begin(), items.end(), [id](const Item& item) { return item.id == id; });
    if (found == items.end()) {
        throw std::out_of_range("no worksheet line " + std::string(id));
    }
    return *found;
}

}  // namespace

int WorksheetLine::BoxCount(int column) const {
    const ColumnBoxes& column_boxes = boxes[column];
    return static_cast<int>(std::count_if(column_boxes.begin(), column_boxes.end(),
                                          [](std::string_view box) { return !box.empty(); }));
}

std::span<const WorksheetLine> WorksheetLines() {
    return kLines;
}

const WorksheetLine& WorksheetLineById(std::string_view id) {
    return FindById(WorksheetLines(), id);
}

std::span<const WorksheetNote> WorksheetNotes() {
    return kNotes;
}

const WorksheetNote& WorksheetNoteById(std::string_view id) {
    return FindById(WorksheetNotes(), id);
}

}  // namespace tovaris::forms
