#include "forms/worksheet_commands.h"

#include <utility>
#include <vector>

#include "case/case_record.h"
#include "case/express_read_in.h"
#include "common/interaction.h"
#include "forms/worksheet_extra_page.h"
#include "forms/worksheet_lines.h"
#include "forms/worksheet_sheet.h"
#include "tax/calculation_error.h"
#include "tax/net_income_phase.h"

namespace tovaris::forms {

void ClearWorksheet(CaseRecord& record) {
    std::vector<std::pair<std::string_view, std::string>> kept = {
        {"NeedLimit", record.fields.Text("NeedLimit")}};
    for (std::string_view field : ExtraPageTextFields()) {
        kept.emplace_back(field, record.fields.Text(field));
    }
    record.fields.EmptyScreen(Screen::Worksheet);
    for (auto& [field, text] : kept) {
        record.fields.SetText(field, std::move(text));
    }
    record.results.worksheet = {};
}

bool ClearSheet(CaseRecord& record, Interaction& interaction) {
    if (interaction.Box("Warning", kClearSheetQuestion, BoxButtons::YesNo) != kAnswerYes) {
        return false;
    }
    ClearWorksheet(record);
    return true;
}

int TaxSlotOfColumn(int column) {
    return 1 - column;
}

bool ReadInForTaxEstimate(CaseRecord& record, Interaction& interaction) {
    ReadInMode mode;
    mode.taxOnly = true;
    if (CheckDataEntry(record, interaction, mode).stopped) {
        return false;
    }
    CheckDataEntry3(record, mode);
    record.results.tax.MonthlyMaintenance = record.globals.MaintForChildSupport;
    return true;
}

bool EstimateTaxes(CaseRecord& record, Interaction& interaction) {
    if (!ReadInForTaxEstimate(record, interaction) ||
        !RunReportingOverflow(interaction, [&] { EstimateWorksheetTaxes(record); })) {
        return false;
    }
    const TaxResults& tax = record.results.tax;
    for (int column = 0; column < kColumns; ++column) {
        int slot = TaxSlotOfColumn(column);
        SetLineFigure(record.fields, WorksheetLineById("2a"), column,
                      tax.WorksheetIncomeTaxes[slot]);
        SetLineFigure(record.fields, WorksheetLineById("2b"), column, tax.WorksheetFica[slot]);
    }
    return true;
}

void RaiseWorksheetTaxOverride(CaseRecord& record) {
    TaxResults& tax = record.results.tax;
    for (int column = 0; column < kColumns; ++column) {
        int slot = TaxSlotOfColumn(column);
        tax.WorksheetIncomeTaxes[slot] =
            static_cast<float>(LineFigure(record.fields, "2a", column));
        tax.WorksheetFica[slot] = static_cast<float>(LineFigure(record.fields, "2b", column));
    }
    tax.WorksheetTaxOverride = true;
}

}  // namespace tovaris::forms
