#include "case/income_refresh.h"

#include <cmath>

#include "common/entry_text.h"
#include "common/format.h"

namespace tovaris {
namespace {

constexpr double kLargestAmount = 999'999'999'999.0;

bool ColumnHasEntries(const CaseFields& fields, IncomeParty party, int column) {
    for (int s = 0; s < kIncomeSourceCount; ++s) {
        if (!fields.Text(IncomeFieldName(party, static_cast<IncomeSource>(s), column)).empty()) {
            return true;
        }
    }
    return false;
}

EntryAmount* FindEntry(CaseRecord& record, std::string_view field) {
    for (IncomeParty party : kIncomeParties) {
        PartyIncomeEntries& entries = record.income.Of(party);
        for (int column : {kPartyColumn, kNewSpouseColumn}) {
            for (int s = 0; s < kIncomeSourceCount; ++s) {
                if (IncomeFieldName(party, static_cast<IncomeSource>(s), column) == field) {
                    return &entries.incomes[column][s];
                }
            }
            for (int b = 0; b < kBusinessAmountCount; ++b) {
                if (BusinessFieldName(party, static_cast<BusinessAmount>(b), column) == field) {
                    return &entries.business.amounts[column][b];
                }
            }
        }
        for (int d = 0; d < kIncomeDeductionCount; ++d) {
            if (DeductionFieldName(party, static_cast<IncomeDeduction>(d)) == field) {
                return &entries.deductions[d];
            }
        }
    }
    return nullptr;
}

}  // namespace

std::optional<float> ReadEntryAmount(std::string_view text) {
    std::optional<double> number = ReadAmount(text);
    if (!number || !(std::fabs(*number) <= kLargestAmount)) {
        return std::nullopt;
    }
    return static_cast<float>(*number);
}

void RefreshEntryAmount(CaseFields& fields, const std::string& field, EntryAmount& entry,
                        std::string_view format) {
    const std::string& text = fields.Text(field);
    if (!text.empty() && text == entry.shown) {
        return;
    }
    // The global keeps the number the shown text stands for, so that a value reads the same
    // before and after the case is saved and opened again. An amount that only its rounding
    // for display pushes beyond the largest amount counts as not numeric too.
    std::optional<float> value = ReadEntryAmount(text);
    std::string shown = value ? FormatSingle(*value, format) : std::string();
    std::optional<float> snapped = ReadEntryAmount(shown);
    if (!snapped) {
        entry = EntryAmount{};
        fields.SetText(field, "");
        return;
    }
    entry.value = *snapped;
    entry.shown = std::move(shown);
    fields.SetText(field, entry.shown);
}

void ConvertEntryAmount(CaseFields& fields, const std::string& field, EntryAmount& entry,
                        double ratio, std::string_view format) {
    if (fields.Text(field).empty()) {
        return;
    }
    entry.value = static_cast<float>(entry.value * ratio);
    entry.shown = FormatSingle(entry.value, format);
    fields.SetText(field, entry.shown);
}

bool TypeIncomeAmount(CaseRecord& record, std::string_view field, std::string text) {
    EntryAmount* entry = FindEntry(record, field);
    if (entry == nullptr) {
        return false;
    }
    text = ReplaceDoubleQuotes(text);
    if (std::optional<float> value = ReadEntryAmount(text)) {
        entry->value = *value;
    }
    record.fields.SetText(field, std::move(text));
    return true;
}

void AddIncomeVars(CaseRecord& record, IncomeParty party) {
    PartyIncomeEntries& entries = record.income.Of(party);
    for (int column : {kPartyColumn, kNewSpouseColumn}) {
        for (int s = 0; s < kIncomeSourceCount; ++s) {
            RefreshEntryAmount(record.fields,
                               IncomeFieldName(party, static_cast<IncomeSource>(s), column),
                               entries.incomes[column][s], kIncomeAmountFormat);
        }
    }
    RefreshIncomeTotals(record, party);
    RefreshExpressGrossIncome(record, party);
}

void AssignDeductVars(CaseRecord& record, IncomeParty party) {
    PartyIncomeEntries& entries = record.income.Of(party);
    for (int d = 0; d < kIncomeDeductionCount; ++d) {
        RefreshEntryAmount(record.fields,
                           DeductionFieldName(party, static_cast<IncomeDeduction>(d)),
                           entries.deductions[d], kDeductionAmountFormat);
    }
}

void RefreshIncomeTotals(CaseRecord& record, IncomeParty party) {
    PartyIncomeEntries& entries = record.income.Of(party);
    for (int column : {kPartyColumn, kNewSpouseColumn}) {
        std::string field = IncomeTotalFieldName(party, column);
        if (!ColumnHasEntries(record.fields, party, column)) {
            entries.totals[column] = 0;
            record.fields.SetText(field, "");
            continue;
        }
        double sum = 0;
        for (const EntryAmount& entry : entries.incomes[column]) {
            sum += entry.value;
        }
        entries.totals[column] = static_cast<float>(sum);
        record.fields.SetText(field, FormatSingle(entries.totals[column], kIncomeAmountFormat));
    }
}

void RefreshExpressGrossIncome(CaseRecord& record, IncomeParty party) {
    if (!ColumnHasEntries(record.fields, party, kPartyColumn)) {
        return;
    }
    const PartyIncomeEntries& entries = record.income.Of(party);
    float monthly = static_cast<float>(entries.YearlyTotal() / 12.0);
    record.fields.SetText(GrossIncomeFieldName(party), FormatSingle(monthly, kIncomeAmountFormat));
}

void ChangeIncomePeriod(CaseRecord& record, IncomeParty party, IncomePeriod period) {
    AddIncomeVars(record, party);
    AssignDeductVars(record, party);
    PartyIncomeEntries& entries = record.income.Of(party);
    if (entries.period == period) {
        record.options.incomePeriodFactor = 1.0;
        return;
    }
    double ratio = PeriodConversionRatio(entries.period, period);
    record.options.incomePeriodFactor = ratio;
    entries.period = period;
    for (int column : {kPartyColumn, kNewSpouseColumn}) {
        for (int s = 0; s < kIncomeSourceCount; ++s) {
            ConvertEntryAmount(record.fields,
                               IncomeFieldName(party, static_cast<IncomeSource>(s), column),
                               entries.incomes[column][s], ratio, kIncomeAmountFormat);
        }
    }
    RefreshIncomeTotals(record, party);
}

void BringIncomeScreensToYearly(CaseRecord& record) {
    for (IncomeParty party : kIncomeParties) {
        ChangeIncomePeriod(record, party, IncomePeriod::Yearly);
    }
}

void ResetEntryGlobals(CaseRecord& record) {
    record.income = IncomeEntries{};
}

void SetGrossMonthlyIncome(CaseRecord& record, IncomeParty party, double monthly) {
    BringIncomeScreensToYearly(record);
    if (!ColumnHasEntries(record.fields, party, kPartyColumn)) {
        record.fields.SetText(GrossIncomeFieldName(party), Format(monthly, kIncomeAmountFormat));
        return;
    }
    const PartyIncomeEntries& screen = record.income.Of(party);
    const double wages =
        screen.YearlyIncome(IncomeSource::Earned) + 12 * monthly - screen.YearlyTotal();
    TypeIncomeAmount(record, IncomeFieldName(party, IncomeSource::Earned, kPartyColumn),
                     Format(wages, kIncomeAmountFormat));
    BringIncomeScreensToYearly(record);
}

}  // namespace tovaris
