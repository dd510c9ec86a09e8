#include "case/income_business.h"

#include "case/income_refresh.h"
#include "common/format.h"

namespace tovaris {
namespace {

// The amounts that make up a column's business income.
constexpr BusinessAmount kIncomeAmounts[] = {
    BusinessAmount::AWages, BusinessAmount::BWages, BusinessAmount::ANot,  BusinessAmount::BNot,
    BusinessAmount::CWages, BusinessAmount::DWages, BusinessAmount::CPass, BusinessAmount::DPass,
};

void RefreshAmounts(CaseRecord& record, IncomeParty party) {
    BusinessEntries& business = record.income.Of(party).business;
    for (int column : {kPartyColumn, kNewSpouseColumn}) {
        for (int b = 0; b < kBusinessAmountCount; ++b) {
            RefreshEntryAmount(record.fields,
                               BusinessFieldName(party, static_cast<BusinessAmount>(b), column),
                               business.amounts[column][b], kIncomeAmountFormat);
        }
    }
}

// Shows the column's business income as the income screen's business income.
void LinkToIncomeScreen(CaseRecord& record, IncomeParty party, int column, double yearly) {
    PartyIncomeEntries& entries = record.income.Of(party);
    std::string field = IncomeFieldName(party, IncomeSource::Self, column);
    EntryAmount& entry = entries.incomes[column][static_cast<int>(IncomeSource::Self)];
    float shown = static_cast<float>(yearly / PeriodFactor(entries.period));
    record.fields.SetText(field, FormatSingle(shown, kIncomeAmountFormat));
    entry.shown.clear();
    RefreshEntryAmount(record.fields, field, entry, kIncomeAmountFormat);
}

}  // namespace

void RefreshBusinessScreen(CaseRecord& record, IncomeParty party) {
    RefreshAmounts(record, party);
    BusinessEntries& business = record.income.Of(party).business;
    const double factor = PeriodFactor(business.period);
    for (int column : {kPartyColumn, kNewSpouseColumn}) {
        double income = 0;
        bool hasIncome = false;
        for (BusinessAmount amount : kIncomeAmounts) {
            float value = business.Amount(amount, column);
            income += value;
            hasIncome = hasIncome || value != 0;
        }
        business.totalWages[column] = static_cast<float>(
            (business.Amount(BusinessAmount::CWages, column) +
             static_cast<double>(business.Amount(BusinessAmount::DWages, column))) *
            factor);
        business.totalPass[column] = static_cast<float>(
            (business.Amount(BusinessAmount::CPass, column) +
             static_cast<double>(business.Amount(BusinessAmount::DPass, column))) *
            factor);
        business.businessIncome[column] = static_cast<float>(income * factor);
        business.hasIncome[column] = hasIncome;
        if (hasIncome) {
            LinkToIncomeScreen(record, party, column, income * factor);
        }
    }
}

void RefreshBusinessScreens(CaseRecord& record) {
    for (IncomeParty party : kIncomeParties) {
        RefreshBusinessScreen(record, party);
    }
}

void ChangeBusinessPeriod(CaseRecord& record, IncomeParty party, IncomePeriod period) {
    RefreshAmounts(record, party);
    BusinessEntries& business = record.income.Of(party).business;
    if (business.period != period) {
        double ratio = PeriodConversionRatio(business.period, period);
        business.period = period;
        for (int column : {kPartyColumn, kNewSpouseColumn}) {
            for (int b = 0; b < kBusinessAmountCount; ++b) {
                if (BusinessEntries::IsAssetValue(static_cast<BusinessAmount>(b))) {
                    continue;
                }
                ConvertEntryAmount(record.fields,
                                   BusinessFieldName(party, static_cast<BusinessAmount>(b), column),
                                   business.amounts[column][b], ratio, kIncomeAmountFormat);
            }
        }
    }
    RefreshBusinessScreen(record, party);
}

}  // namespace tovaris
