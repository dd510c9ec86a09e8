#include "forms/worksheet_transfer.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "case/case_record.h"
#include "case/income_refresh.h"
#include "common/entry_text.h"
#include "common/format.h"
#include "common/interaction.h"
#include "common/rounding.h"
#include "forms/worksheet_commands.h"
#include "forms/worksheet_lines.h"
#include "forms/worksheet_sheet.h"

namespace tovaris::forms {
namespace {

constexpr std::string_view kShownAmount = "$ ###,###.#0";  // as the income screens show them
constexpr std::string_view kBusinessIncome = "$###,##0";
constexpr double kMonthsPerYear = 12;

// How a case field and a worksheet box stand to each other.
enum class Period {
    Monthly,  // the field shows a monthly amount (Express Entry, income page 1 in monthly view)
    Yearly,   // the field holds a yearly amount (the income screens' deduction pages)
};

// One field of a party and the worksheet box it fills, in the order of the transfer.
struct TransferRow {
    std::string_view line;
    int box;
    std::array<std::string_view, 2> fields;  // the Claimant's, the Other Party's
    Period period;
};

constexpr TransferRow kIncomeRows[] = {
    {"1b", 0, {"ClaimST", "PayerST"}, Period::Monthly},
    {"1c", 0, {"ClaimSelf", "PayerSelf"}, Period::Monthly},
    {"1d", 0, {"ClaimPriorMaint", "PayerPriorMaint"}, Period::Monthly},
    {"1e", 0, {"ClaimPT", "PayerPT"}, Period::Monthly},
    {"1e", 1, {"ClaimLT", "PayerLT"}, Period::Monthly},
    {"1e", 2, {"ClaimPension", "PayerPension"}, Period::Monthly},
    {"1e", 3, {"ClaimFree", "PayerFree"}, Period::Monthly},
    {"1e", 4, {"ClaimSS", "PayerSS"}, Period::Monthly},
};

constexpr TransferRow kDeductionRows[] = {
    {"2c", 0, {"ClaimStIndus", "PayerStIndus"}, Period::Yearly},
    {"2d", 0, {"ClaimDues", "PayerDues"}, Period::Yearly},
    {"2e", 0, {"ClaimPensionPay", "PayerPensionPay"}, Period::Yearly},
    {"2f", 0, {"ClaimRetire", "PayerRetire"}, Period::Yearly},
};

constexpr TransferRow kWagesRows[] = {
    {"1a", 0, {"ClaimEarned", "PayerEarned"}, Period::Monthly},
    {"1a", 1, {"ClaimEarnedExempt", "PayerEarnedExempt"}, Period::Monthly},
};
constexpr TransferRow kImputedRow = {"1f", 0, {"ClaimEarned", "PayerEarned"}, Period::Monthly};

// The prior-maintenance box of 2g is the sum of both prior orders; only the one before 2019
// comes back.
constexpr std::array<std::array<std::string_view, 2>, 2> kMaintenancePaid = {
    {{"ClaimPriorMaintPaid", "ClaimPriorMaintPaid2"},
     {"PayerPriorMaintPaid", "PayerPriorMaintPaid2"}}};

constexpr std::array<std::string_view, 2> kBusinessFields = {"ClaimSelf", "PayerSelf"};

struct ExpenseFields {
    std::string_view healthCare;
    std::string_view dayCare;
    std::string_view special;
};
constexpr ExpenseFields kExpenses[] = {{"ClaimHealthCare", "ClaimDayCare", "ClaimSpecial"},
                                       {"OtherHealthCare", "OtherDayCare", "OtherSpecial"}};

constexpr std::array<std::string_view, WorksheetHeader::kChildren> kExpressAges = {
    "Child(0)", "Child(1)", "Child(2)", "Child(3)", "Child(4)"};

struct Party {
    int index;   // 0 Claimant, 1 Other Party
    int column;  // worksheet column
};

std::array<Party, 2> Parties(const CaseRecord& record) {
    int claimant = ClaimantColumnIndex(record);
    return {Party{0, claimant}, Party{1, 1 - claimant}};
}

bool Imputed(const CaseRecord& record, const Party& party) {
    const std::string& status =
        party.index == 0 ? record.globals.ClaimImputeStatus : record.globals.PayerImputeStatus;
    return status == "Imputed";
}

void ShowIncomeScreens(CaseRecord& record, IncomePeriod period) {
    for (IncomeParty party : kIncomeParties) {
        ChangeIncomePeriod(record, party, period);
    }
}

std::string_view Box(std::string_view line, int column, int box = 0) {
    return WorksheetLineById(line).boxes[column][box];
}

// An amount as the worksheet shows what came from the Express side; "$ .00" is written "$".
std::string WorksheetAmount(double amount) {
    std::string text = Format(amount, kShownAmount);
    return text == "$ .00" ? "$" : text;
}

void CopyToWorksheet(CaseRecord& record, const TransferRow& row, const Party& party) {
    std::string_view field = row.fields[party.index];
    std::string text = record.fields.Text(field);
    if (row.period == Period::Yearly) {
        std::optional<double> yearly = ReadAmount(text);
        text = yearly ? Format(*yearly / kMonthsPerYear, kShownAmount) : "";
    }
    record.fields.SetText(Box(row.line, party.column, row.box), text);
}

double WholeDollars(const CaseRecord& record, std::string_view box) {
    return RoundDollars(ReadAmount(record.fields.Text(box)).value_or(0));
}

// A worksheet box back into its field, as whole dollars; an empty box empties the field.
void CopyToExpress(CaseRecord& record, const TransferRow& row, const Party& party) {
    std::string_view box = Box(row.line, party.column, row.box);
    std::string text;
    if (ReadAmount(record.fields.Text(box))) {
        double months = row.period == Period::Yearly ? kMonthsPerYear : 1;
        text = Format(WholeDollars(record, box) * months, kWorksheetDollars);
    }
    record.fields.SetText(row.fields[party.index], text);
}

// The rows a party's figures go by, in transfer order: the wages to 1a, or to 1f for an
// imputed party, then the other incomes and the deductions.
std::vector<TransferRow> RowsOf(const CaseRecord& record, const Party& party) {
    std::vector<TransferRow> rows;
    if (Imputed(record, party)) {
        rows.push_back(kImputedRow);
    } else {
        rows.assign(std::begin(kWagesRows), std::end(kWagesRows));
    }
    rows.insert(rows.end(), std::begin(kIncomeRows), std::end(kIncomeRows));
    rows.insert(rows.end(), std::begin(kDeductionRows), std::end(kDeductionRows));
    return rows;
}

void PartyToWorksheet(CaseRecord& record, const Party& party) {
    for (const TransferRow& row : RowsOf(record, party)) {
        CopyToWorksheet(record, row, party);
    }
    double paid = 0;
    for (std::string_view field : kMaintenancePaid[party.index]) {
        paid += ReadAmount(record.fields.Text(field)).value_or(0);
    }
    record.fields.SetText(Box("2g", party.column, 0), Format(paid / kMonthsPerYear, kShownAmount));
    const ExpenseFields& expenses = kExpenses[party.index];
    record.fields.SetText(Box("10a", party.column), record.fields.Text(expenses.healthCare));
    record.fields.SetText(Box("11a", party.column), record.fields.Text(expenses.dayCare));
    record.fields.SetText(Box("11d", party.column), record.fields.Text(expenses.special));
}

// "$" alone (an empty transferred amount) goes back as "$ 0".
std::string ExpenseText(double amount) {
    return Format(amount, kWorksheetDollars);
}

void PartyToExpress(CaseRecord& record, const Party& party) {
    for (const TransferRow& row : RowsOf(record, party)) {
        CopyToExpress(record, row, party);
    }
    int c = party.column;
    record.fields.SetText(
        kBusinessFields[party.index],
        Format(WholeDollars(record, Box("1c", c)) - WholeDollars(record, Box("2h", c)),
               kBusinessIncome));
    record.fields.SetText(
        kMaintenancePaid[party.index][0],
        Format(WholeDollars(record, Box("2g", c, 0)) * kMonthsPerYear, kWorksheetDollars));
    const ExpenseFields& expenses = kExpenses[party.index];
    record.fields.SetText(expenses.healthCare, ExpenseText(WholeDollars(record, Box("10c", c))));
    record.fields.SetText(expenses.dayCare, ExpenseText(WholeDollars(record, Box("11a", c))));
    record.fields.SetText(expenses.special, ExpenseText(WholeDollars(record, Box("11e", c)) -
                                                        WholeDollars(record, Box("11a", c))));
}

}  // namespace

void GetDataFromExpress(CaseRecord& record, Interaction& interaction) {
    if (interaction.Box(kDataTransferTitle, kDataTransferQuestion, BoxButtons::YesNo) ==
        kAnswerYes) {
        ClearWorksheet(record);
    }
    ShowIncomeScreens(record, IncomePeriod::Monthly);
    std::array<Party, 2> parties = Parties(record);
    record.fields.SetText(WorksheetHeader::kParentName[parties[0].column],
                          record.fields.Text("ClaimantName"));
    for (int k = 0; k < WorksheetHeader::kChildren; ++k) {
        record.fields.SetText(WorksheetHeader::kChildAge[k], record.fields.Text(kExpressAges[k]));
    }
    double maintenance = ReadAmount(record.fields.Text("CurrentMaintTransfer")).value_or(0);
    record.globals.MaintForChildSupport = static_cast<float>(maintenance);
    for (const Party& party : parties) {
        PartyToWorksheet(record, party);
    }
    record.fields.SetText(Box("1d", parties[0].column, 1), WorksheetAmount(maintenance));
    record.fields.SetText(Box("2g", parties[1].column, 1), WorksheetAmount(maintenance));
    ShowIncomeScreens(record, IncomePeriod::Yearly);
}

void TransferDataToExpress(CaseRecord& record) {
    ShowIncomeScreens(record, IncomePeriod::Monthly);
    std::array<Party, 2> parties = Parties(record);
    for (const Party& party : parties) {
        PartyToExpress(record, party);
    }
    std::string_view current = Box("2g", parties[1].column, 1);
    record.fields.SetText("CurrentMaintTransfer",
                          ReadAmount(record.fields.Text(current))
                              ? Format(WholeDollars(record, current), kWorksheetDollars)
                              : "");
    record.fields.SetText("ClaimantName",
                          record.fields.Text(WorksheetHeader::kParentName[parties[0].column]));
    for (int k = 0; k < WorksheetHeader::kChildren; ++k) {
        record.fields.SetText(kExpressAges[k], record.fields.Text(WorksheetHeader::kChildAge[k]));
    }
    ShowIncomeScreens(record, IncomePeriod::Yearly);
}

}  // namespace tovaris::forms
