#include "reports/tax_reports.h"

#include <array>
#include <functional>

#include "case/income_fields.h"
#include "case/income_screen.h"
#include "common/entry_text.h"
#include "common/format.h"
#include "forms/form_layout.h"
#include "reports/form_renderer.h"
#include "reports/report_layout.h"
#include "tax/credit_lines.h"
#include "tax/tax_rule_notes.h"

namespace tovaris::reports {

namespace {

using forms::FormFont;
using forms::FormPageBuilder;
using D = IncomeDeduction;
using S = IncomeSource;

constexpr std::string_view kAmount = "$###,##0";
constexpr std::string_view kCreditsTotal = " Total - All Tax Credits = ";
constexpr float kHeaderSize = 10;
constexpr FormFont kRowFont{8};
constexpr FormFont kHeadingFont{8.5f, true};
constexpr double kRight = 10800;
constexpr double kValueRight[] = {9300, 10700};
constexpr double kLabelsRight = 7950;
constexpr double kRow = 260;
constexpr double kTextDrop = 35;

// One row of the income report: its label and how each column's text comes about.
using Cell = std::function<std::string(const CaseRecord&, IncomeParty, int column)>;

struct IncomeRow {
    std::string_view label;
    Cell cell;
};

std::string Amount(double value) {
    return Format(value, kAmount);
}

Cell Income(S source) {
    return [source](const CaseRecord& record, IncomeParty party, int column) {
        return Amount(record.income.Of(party).YearlyIncome(source, column));
    };
}

Cell TotalIncome() {
    return [](const CaseRecord& record, IncomeParty party, int column) {
        return Amount(record.income.Of(party).YearlyTotal(column));
    };
}

// A deduction of the party's own; `spouse` is the new spouse's twin where there is one.
Cell Deduction(D deduction, std::optional<D> spouse = std::nullopt) {
    return [deduction, spouse](const CaseRecord& record, IncomeParty party, int column) {
        if (column == kNewSpouseColumn && !spouse) {
            return std::string();
        }
        return Amount(
            record.income.Of(party).Deduction(column == kPartyColumn ? deduction : *spouse));
    };
}

bool Itemizes(const CaseRecord& record, IncomeParty party) {
    return record.fields.Selected(PartyFieldName(party, "ItemizedDeduction"));
}

Cell DeductionType() {
    return [](const CaseRecord& record, IncomeParty party, int column) {
        return column == kPartyColumn
                   ? std::string(Itemizes(record, party) ? "Itemized" : "Standard")
                   : std::string();
    };
}

Cell EarnedIncomeCredit() {
    return [](const CaseRecord& record, IncomeParty party, int column) {
        return column == kPartyColumn
                   ? std::string(record.fields.Ticked(PartyFieldName(party, "EICCheck")) ? "Yes"
                                                                                         : "No")
                   : std::string();
    };
}

int OtherChildren(const CaseRecord& record, IncomeParty party) {
    int count = 0;
    for (std::string_view role : {"NumOther", "NumOtherNot"}) {
        count += static_cast<int>(
            ReadAmount(record.fields.Text(PartyFieldName(party, role))).value_or(0));
    }
    return count;
}

Cell OtherChildrenCell() {
    return [](const CaseRecord& record, IncomeParty party, int) {
        if (!record.fields.Ticked(PartyFieldName(party, "SecFamCheck"))) {
            return std::string("No");
        }
        return "Yes - " + Format(OtherChildren(record, party), "##");
    };
}

const std::array<IncomeRow, 11> kIncomeRows = {{
    {"Earned Wages, Salaries, and Tips Subject to FICA and Fed Tax (Box 1 of Form W-2, Etc)",
     Income(S::Earned)},
    {"Earned Income Only Subject to FICA (Included on Form W-2 but not in Box 1, 401K Contribs, "
     "Etc)",
     Income(S::EarnedExempt)},
    {"Business Income (Subject to SE/FICA Taxes and Fed/State Taxes)", Income(S::Self)},
    {"Short Term Capital Gains, Investment Interest (Subject to Fed and NII Tax, but not FICA or "
     "SE Tax)",
     Income(S::ST)},
    {"Long Term Capital Gains (Subject to Lower Federal Tax Rates and NII Tax)", Income(S::LT)},
    {"Rentals, Royalties, Annuities (Subject to Fed and NII Tax, but not FICA/SE)", Income(S::PT)},
    {"Qualified Retirement Plans, Unemployment, Non-Investment Income (Subject to Fed Tax)",
     Income(S::Pension)},
    {"Income Not Subject to Fed Taxes (Int. on Tax Free Bonds, Prior Alimony/Maint Ordered After "
     "2018)",
     Income(S::Free)},
    {"Alimony/Maint Received From Prior Marriages (Ordered Before 2019 and Subject to Fed Tax)",
     Income(S::PriorMaint)},
    {"Social Security Benefits (Portion May Be Subject to Fed Tax)", Income(S::SS)},
    {"Total Income From All Sources", TotalIncome()},
}};

// The new-spouse page words three income rows differently.
constexpr std::array<std::pair<std::string_view, std::string_view>, 3> kJointWording = {{
    {"Earned Wages, Salaries, and Tips Subject to FICA and Fed Tax (Box 1 of Form W-2, Etc)",
     "Earned Wages, Salaries, and Tips Subject to FICA and Fed/State Tax (Box 1 of Form W-2, "
     "Etc)"},
    {"Short Term Capital Gains, Investment Interest (Subject to Fed and NII Tax, but not FICA or "
     "SE Tax)",
     "Short Term Capital Gains, Investment Interest (Subject to Fed and NII Tax, but not FICA or "
     "SE)"},
    {"Qualified Retirement Plans, Unemployment, Non-Investment Income (Subject to Fed Tax)",
     "Qualified Retirement Plans, Unemployment, Non-Investment Income (Subject to Federal Tax)"},
}};

const std::array<IncomeRow, 4> kAdjustmentRows = {{
    {"Yearly IRA Deduction Taken On Form 1040", Deduction(D::IRADeduct)},
    {"Other Yearly Income Adjustments Entered on Form 1040", Deduction(D::OtherDeduct)},
    {"SEP, SIMPLE, KEOGH and Other Self-employed Yearly Retirement Contributions",
     Deduction(D::SelfRetirementDeduct)},
    {"Self-employed Yearly Health Insurance Deduction (Up to 100% of Payments)",
     Deduction(D::SelfHealthDeduct)},
}};

const IncomeRow kDeductionType = {"Type of Deduction", DeductionType()};
const IncomeRow kItemized = {"   Itemized", Deduction(D::ItemizedAmount)};
const IncomeRow kEarnedIncomeCredit = {"Calculate An Earned Income Credit", EarnedIncomeCredit()};
const IncomeRow kOtherCredits = {
    "Other Federal Tax Credits Taken on Form 1040 (Except for Child Tax and Child Care Credits)",
    Deduction(D::OtherCredits)};

const std::array<IncomeRow, 8> kOtherDeductionRows = {{
    {"Yearly State Industrial Insurance Deductions", Deduction(D::StIndus)},
    {"Yearly Mandatory Union/Professional Dues", Deduction(D::Dues)},
    {"Yearly Mandatory Pension Plan Payments", Deduction(D::PensionPay)},
    {"Yearly Voluntary Retirement Contributions", Deduction(D::Retire)},
    {"Maintenance Paid to Prior Spouses (Ordered Before 2019) and a Fed AGI Deduction",
     Deduction(D::PriorMaintPaid, D::PriorMaintPaid1)},
    {"Maintenance Paid to Prior Spouses (Ordered After 2018) and Not a Fed AGI Deduction.",
     Deduction(D::PriorMaintPaid2, D::PriorMaintPaid3)},
    {"Children From Other Relationships", OtherChildrenCell()},
    {"Other Child Support Paid", Deduction(D::OtherSupport)},
}};

// Writes the report's rows; the columns are the two parties, or one party and the new spouse.
class IncomePage {
  public:
    IncomePage(const CaseRecord& record, double top) : record_(record), b_(top) {}

    void Heading(const std::string& text, std::array<std::string_view, 2> columns) {
        CloseColumnRule();
        b_.Down(kRow / 2);
        sectionTop_ = b_.y();
        b_.Box(0, kRight, kRow + 40, true);
        b_.Text(60, text, kHeadingFont, kTextDrop);
        for (int c = 0; c < 2; ++c) {
            b_.RightText(kValueRight[c], std::string(columns[c]), kHeadingFont, kTextDrop);
        }
        b_.Down(kRow + 40);
    }

    // `parties` gives each column's party and income column.
    void Row(std::string_view label, const Cell& cell,
             std::array<std::pair<IncomeParty, int>, 2> parties) {
        b_.Text(60, std::string(label), kRowFont, kTextDrop);
        for (int c = 0; c < 2; ++c) {
            b_.RightText(kValueRight[c], cell(record_, parties[c].first, parties[c].second),
                         kRowFont, kTextDrop);
        }
        b_.Rule(0, kRight, kRow, 5);
        b_.Down(kRow);
    }

    void Note(std::string text) {
        b_.Text(60, std::move(text), kRowFont, kTextDrop);
        b_.Down(kRow);
    }

    forms::FormPage Take() {
        CloseColumnRule();
        return b_.Take();
    }

  private:
    // The rule between the labels and the figures of the section above.
    void CloseColumnRule() {
        if (sectionTop_ >= 0) {
            b_.Add(forms::FormRule{kLabelsRight, sectionTop_, kLabelsRight, b_.y(), 5});
        }
    }

    const CaseRecord& record_;
    FormPageBuilder b_;
    double sectionTop_ = -1;
};

using Parties = std::array<std::pair<IncomeParty, int>, 2>;
constexpr Parties kBothParties = {
    {{IncomeParty::Claimant, kPartyColumn}, {IncomeParty::Other, kPartyColumn}}};

// The header of the tax reports, written at the top of the current page, with the tax rules'
// notice and the figures the 2023 law changed when the case uses the law's rules; gives where it
// ends.
double WriteHeader(Document& document, const CaseRecord& record, const ReportContext& context) {
    document.SetAlignment(kAlignLeftTop);
    document.SetFont(kReportFontName, kHeaderSize);
    document.SetX(0);
    document.SetY(0);
    WriteReportHeader(document, kCaseNameTitle, record.fields.Text("ClaimantName"), context);
    if (const std::vector<std::string> notes = tax::TaxRulesNotes(record); !notes.empty()) {
        WriteLines(document, notes);
        document.WriteLine("");
    }
    return document.GetY();
}

bool AnyItemizes(const CaseRecord& record) {
    return Itemizes(record, IncomeParty::Claimant) || Itemizes(record, IncomeParty::Other);
}

forms::FormPage BothPartiesPage(const CaseRecord& record, double top) {
    IncomePage page(record, top);
    const std::array<std::string_view, 2> heads = {"Claimant", "Other Party"};
    page.Heading("Gross Yearly Income", heads);
    for (const IncomeRow& row : kIncomeRows) {
        page.Row(row.label, row.cell, kBothParties);
    }
    page.Heading("Adjustments To Gross Income For Fed Tax Calculation", heads);
    for (const IncomeRow& row : kAdjustmentRows) {
        page.Row(row.label, row.cell, kBothParties);
    }
    page.Heading("Fed Tax Credits And Deductions", heads);
    page.Row(kDeductionType.label, kDeductionType.cell, kBothParties);
    if (AnyItemizes(record)) {
        page.Row(
            kItemized.label,
            [](const CaseRecord& r, IncomeParty party, int column) {
                return Itemizes(r, party) ? kItemized.cell(r, party, column) : std::string();
            },
            kBothParties);
    }
    page.Row(kEarnedIncomeCredit.label, kEarnedIncomeCredit.cell, kBothParties);
    page.Row(kOtherCredits.label, kOtherCredits.cell, kBothParties);
    page.Note("Note: Child Tax and Child Care Credits are Calculated in Program");
    page.Heading(
        "Other Deductions Applied to Child Support Worksheet And Prior Alimony/Maintenance "
        "Paid",
        heads);
    for (const IncomeRow& row : kOtherDeductionRows) {
        page.Row(row.label, row.cell, kBothParties);
    }
    return page.Take();
}

std::string_view JointLabel(std::string_view label) {
    for (const auto& [plain, joint] : kJointWording) {
        if (plain == label) {
            return joint;
        }
    }
    return label;
}

forms::FormPage NewSpousePage(const CaseRecord& record, IncomeParty party, double top) {
    IncomePage page(record, top);
    const bool claimant = party == IncomeParty::Claimant;
    const Parties columns = {{{party, kPartyColumn}, {party, kNewSpouseColumn}}};
    const std::array<std::string_view, 2> heads = {claimant ? "Claimant" : "Other Party",
                                                   "New Spouse"};
    page.Heading(claimant ? "Gross Yearly Income For Claimant and New Spouse (Filing Jointly)"
                          : "Gross Yearly Income For Other Party and  New Spouse (Filing Jointly)",
                 heads);
    for (const IncomeRow& row : kIncomeRows) {
        page.Row(JointLabel(row.label), row.cell, columns);
    }
    page.Heading("Adjustments To Gross Income", heads);
    page.Row("Yearly IRA Tax Deduction Taken on Form 1040", kAdjustmentRows[0].cell, columns);
    for (size_t i = 1; i < kAdjustmentRows.size(); ++i) {
        page.Row(kAdjustmentRows[i].label, kAdjustmentRows[i].cell, columns);
    }
    for (size_t i = 4; i < 6; ++i) {
        page.Row(kOtherDeductionRows[i].label, kOtherDeductionRows[i].cell, columns);
    }
    page.Row(kDeductionType.label, kDeductionType.cell, columns);
    if (Itemizes(record, party)) {
        page.Row(kItemized.label, kItemized.cell, columns);
    }
    page.Row("Earned Income Credit", kEarnedIncomeCredit.cell, columns);
    return page.Take();
}

bool FilesJointly(const CaseRecord& record, IncomeParty party) {
    const std::string& status = party == IncomeParty::Claimant ? record.globals.ClaimFilingStatus
                                                               : record.globals.PayerFilingStatus;
    return status == "MFJ";
}

}  // namespace

void ComposeIncomeReport(Document& document, const CaseRecord& record,
                         const ReportContext& context) {
    document.OpenPreviewDocument(kSourceExpressEntry);
    document.SetMargins(kFormMargins);
    const double top = WriteHeader(document, record, context);
    RenderFormPage(document, BothPartiesPage(record, top), nullptr, kReportFontName);
    for (IncomeParty party : kIncomeParties) {
        if (FilesJointly(record, party)) {
            document.NewPage();
            const double pageTop = WriteHeader(document, record, context);
            RenderFormPage(document, NewSpousePage(record, party, pageTop), nullptr,
                           kReportFontName);
        }
    }
    document.ClosePreviewDocument();
}

void ComposeCreditsPage(Document& document, const CaseRecord& record,
                        const ReportContext& context) {
    document.OpenPreviewDocument(kSourceExpressEntry);
    document.SetMargins(kFormMargins);
    WriteHeader(document, record, context);
    document.SetFont(kReportFontName, 14, true);
    document.WriteLine("Federal Tax Credits");
    document.WriteLine("");
    for (IncomeParty party : kIncomeParties) {
        const tax::CreditLines credits = tax::PartyCreditLines(record, party);
        document.SetFont(kReportFontName, 11, true);
        document.WriteLine(credits.heading);
        document.SetFont(kReportFontName, 10);
        // The page ends each party's breakdown with the total; the pop-up's business deduction
        // lines after it are not credits.
        for (const std::string& line : credits.lines) {
            document.WriteLine(line);
            if (line.starts_with(kCreditsTotal)) {
                break;
            }
        }
        document.WriteLine("");
    }
    document.ClosePreviewDocument();
}

}  // namespace tovaris::reports
