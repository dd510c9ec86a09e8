#include "forms/declaration_commands.h"

#include <array>
#include <string>
#include <string_view>

#include "case/case_record.h"
#include "case/income_refresh.h"
#include "common/entry_text.h"
#include "common/format.h"
#include "common/interaction.h"
#include "common/rounding.h"
#include "common/scripted_interaction.h"
#include "forms/declaration_fields.h"
#include "forms/worksheet_commands.h"
#include "forms/worksheet_lines.h"
#include "forms/worksheet_sheet.h"
#include "forms/worksheet_transfer.h"
#include "tax/calculation_error.h"
#include "tax/net_income_phase.h"

namespace tovaris::forms {
namespace {

// A total line: the sum of `plus` less `minus`, in the order the form's lines depend on each
// other.
struct DeclarationTotal {
    std::string_view target;
    std::array<std::string_view, 9> plus;
    std::string_view minus = {};
};

constexpr DeclarationTotal kTotals[] = {
    {"f31p", {"a31p", "b31p", "c31p", "d31p", "d31pCurrent", "e31p"}},
    {"f31r", {"a31r", "b31r", "c31r", "d31r", "d31rCurrent", "e31r"}},
    {"h32p", {"a32p", "b32p", "c32p", "d32p", "e32p", "e132p", "f32p", "f32pCurrent", "g32p"}},
    {"h32r", {"a32r", "b32r", "c32r", "d32r", "e32r", "e132r", "f32r", "f32rCurrent", "g32r"}},
    {"a33p", {"f31p"}, "h32p"},
    {"a33r", {"f31r"}, "h32r"},
    {"f34p", {"a34p", "b34p", "c34p", "d34p", "e34p"}},
    {"f34r", {"a34r", "b34r", "c34r", "d34r", "e34r"}},
    {"a36", {"a35p", "b35p", "c35p"}},
    {"b36", {"a35r", "b35r", "c35r"}},
    {"c36", {"f31p", "f34p", "a36"}},
    {"d36", {"f31r", "f34r", "b36"}},
    {"e36", {"c36", "d36"}},
    {"a45", {"a41", "a42", "a43", "a44"}},
    {"g51", {"a51", "b51", "c51", "d51", "e51"}},
    {"g52", {"a52", "c52", "d52", "e52", "f52"}},
    {"e53", {"a53", "b53", "c53", "d53"}},
    {"e54", {"a54", "b54", "c54", "d54"}},
    {"f55", {"a55", "b55", "c55", "d55", "e55"}},
    {"d56", {"a56", "b56", "c56"}},
    {"h57", {"a57", "b57", "c57", "d57", "e57"}},
    {"e58", {"a58", "b58", "c58", "d58"}},
    {"a59", {"g51", "g52", "e53", "e54", "f55", "d56", "h57", "e58"}},
    {"h511", {"d511b", "d511c", "d511d", "d511l", "d511m"}},
    {"a64", {"a62", "a63", "b63"}},
    {"a21", {"a33p"}},
    {"a22", {"a59"}},
    {"b23", {"h511"}},
    {"c23", {"a22", "b23"}},
    {"d23", {"a33r"}},
    {"e23", {"f31p"}},
    {"f23", {"f31r"}},
};

// A declaration line of section 3 and the worksheet box it is exchanged with, per column
// ("You", the other party).
struct ExchangeRow {
    std::array<std::string_view, 2> stems;
    std::string_view line;
    int box;
    bool fromExpress;  // filled by "Get Data From Express Form" too (no tax, no total)
};

constexpr ExchangeRow kExchangeRows[] = {
    {{"b31p", "b31r"}, "1b", 0, true},
    {{"c31p", "c31r"}, "1c", 0, true},
    {{"d31p", "d31r"}, "1d", 0, true},
    {{"d31pCurrent", "d31rCurrent"}, "1d", 1, true},
    {{"f31p", "f31r"}, "1g", 0, false},
    {{"a32p", "a32r"}, "2a", 0, false},
    {{"b32p", "b32r"}, "2b", 0, false},
    {{"c32p", "c32r"}, "2c", 0, true},
    {{"d32p", "d32r"}, "2d", 0, true},
    {{"e32p", "e32r"}, "2e", 0, true},
    {{"e132p", "e132r"}, "2f", 0, true},
    {{"f32p", "f32r"}, "2g", 0, true},
    {{"f32pCurrent", "f32rCurrent"}, "2g", 1, true},
    {{"g32p", "g32r"}, "2h", 0, true},
    {{"h32p", "h32r"}, "2i", 0, false},
    {{"a33p", "a33r"}, "3", 0, false},
};

// A declaration line that takes the sum of several worksheet boxes and gives its figure back
// to the first of them.
struct SummedRow {
    std::array<std::string_view, 2> stems;
    std::array<std::pair<std::string_view, int>, 5> boxes;
};

constexpr SummedRow kSummedRows[] = {
    {{"a31p", "a31r"}, {{{"1a", 0}, {"1a", 1}, {"1f", 0}}}},
    {{"e31p", "e31r"}, {{{"1e", 0}, {"1e", 1}, {"1e", 2}, {"1e", 3}, {"1e", 4}}}},
};

double Amount(const CaseFields& fields, std::string_view field) {
    return ReadAmount(fields.Text(field)).value_or(0);
}

std::string Dollars(double amount) {
    return Format(amount, kDeclarationDollars);
}

std::string_view Box(std::string_view line, int column, int box) {
    return WorksheetLineById(line).boxes[column][box];
}

// The worksheet column of each declaration column: "You" stands in the declarant's column.
std::array<int, 2> WorksheetColumns(const CaseRecord& record) {
    int claimant = ClaimantColumnIndex(record);
    int you = DeclarantIsClaimant(record.fields) ? claimant : 1 - claimant;
    return {you, 1 - you};
}

double SumOfBoxes(const CaseFields& fields, const SummedRow& row, int column) {
    double sum = 0;
    for (const auto& [line, box] : row.boxes) {
        if (!line.empty()) {
            sum += RoundDollars(Amount(fields, Box(line, column, box)));
        }
    }
    return sum;
}

// Section 3 from the worksheet's lines in `sheet`; rows not `fromExpress` only when `all`, and
// each figure as "$ ###,##0" when `reformat` (the Express side shows cents).
void CopyFromWorksheet(const CaseFields& sheet, CaseFields& declaration,
                       const std::array<int, 2>& columns, bool all, bool reformat) {
    for (int c = 0; c < 2; ++c) {
        for (const ExchangeRow& row : kExchangeRows) {
            if (!all && !row.fromExpress) {
                continue;
            }
            std::string text = sheet.Text(Box(row.line, columns[c], row.box));
            if (reformat) {
                std::optional<double> amount = ReadAmount(text);
                text = amount ? Dollars(*amount) : "";
            }
            declaration.SetText(row.stems[c], std::move(text));
        }
        for (const SummedRow& row : kSummedRows) {
            declaration.SetText(row.stems[c], Dollars(SumOfBoxes(sheet, row, columns[c])));
        }
    }
}

}  // namespace

void ClearDeclaration(CaseFields& fields) {
    for (const DeclarationField& field : DeclarationFields()) {
        if (field.kind == DeclarationKind::Text || field.kind == DeclarationKind::Amount) {
            fields.SetText(field.stem, "");
        }
    }
}

bool ClearDeclarationForm(CaseFields& fields, Interaction& interaction) {
    if (interaction.Box("Warning", kClearDeclarationQuestion, BoxButtons::YesNo) != kAnswerYes) {
        return false;
    }
    ClearDeclaration(fields);
    return true;
}

void CalculateDeclaration(CaseFields& fields) {
    for (const DeclarationTotal& total : kTotals) {
        double sum = 0;
        for (std::string_view addend : total.plus) {
            if (!addend.empty()) {
                sum += Amount(fields, addend);
            }
        }
        if (!total.minus.empty()) {
            sum -= Amount(fields, total.minus);
        }
        fields.SetText(total.target, Dollars(sum));
    }
}

void GetDeclarationDataFromExpress(CaseRecord& record) {
    // The worksheet's own transfer, on a copy with an empty worksheet, so both screens take
    // the same figures from the Express side and the case itself is not touched.
    CaseRecord sheet = record;
    ClearWorksheet(sheet);
    ScriptedInteraction keepSheet(kAnswerNo);
    GetDataFromExpress(sheet, keepSheet);
    CopyFromWorksheet(sheet.fields, record.fields, WorksheetColumns(record), false, true);
}

bool EstimateDeclarationTaxes(CaseRecord& record, Interaction& interaction) {
    interaction.Box(kTaxEstimateTitle, kTaxEstimateMessage, BoxButtons::Ok);
    if (!ReadInForTaxEstimate(record, interaction) || !RunReportingOverflow(interaction, [&] {
            BringIncomeScreensToYearly(record);
            RunTaxSteps(record);
        })) {
        return false;
    }
    const bool claimantDeclares = DeclarantIsClaimant(record.fields);
    const PartyTaxResults* parties[2] = {&record.results.tax.Claim, &record.results.tax.Payer};
    for (int party = 0; party < 2; ++party) {
        bool you = (party == 0) == claimantDeclares;
        MonthlyTaxes monthly = MonthlyTaxesOf(*parties[party]);
        record.fields.SetText(you ? "a32p" : "a32r", Dollars(RoundDollars(monthly.incomeTaxes)));
        record.fields.SetText(you ? "b32p" : "b32r", Dollars(RoundDollars(monthly.fica)));
    }
    return true;
}

void GetDeclarationDataFromWorksheet(CaseRecord& record) {
    CopyFromWorksheet(record.fields, record.fields, WorksheetColumns(record), true, false);
}

void TransferDeclarationToWorksheet(CaseRecord& record) {
    std::array<int, 2> columns = WorksheetColumns(record);
    CaseFields& fields = record.fields;
    for (int c = 0; c < 2; ++c) {
        for (const ExchangeRow& row : kExchangeRows) {
            fields.SetText(Box(row.line, columns[c], row.box), fields.Text(row.stems[c]));
        }
        // The first box takes the whole figure; the others would count it twice.
        for (const SummedRow& row : kSummedRows) {
            bool first = true;
            for (const auto& [line, box] : row.boxes) {
                if (!line.empty()) {
                    fields.SetText(Box(line, columns[c], box),
                                   first ? fields.Text(row.stems[c]) : std::string());
                    first = false;
                }
            }
        }
    }
}

}  // namespace tovaris::forms
