#pragma once

#include <array>
#include <string>

#include "case/income_fields.h"
#include "case/income_period.h"

namespace tovaris {

// The entry global of one amount field: its cleaned value and the field text it was last shown
// as. While the field still shows that text the value is kept as it is, so an amount converted
// to another period keeps its cents exact; once the user types, the value is read again.
struct EntryAmount {
    float value = 0;
    std::string shown;
};

// One business income screen (Claimant's or Other Party's): column 0 the party, column 1 the
// new spouse.
struct BusinessEntries {
    IncomePeriod period = IncomePeriod::Yearly;
    std::array<std::array<EntryAmount, kBusinessAmountCount>, 2> amounts;

    // Results of the last refresh, yearly dollars per column.
    std::array<float, 2> totalWages{};      // TotalWages: S-corporation wages, C + D
    std::array<float, 2> totalPass{};       // TotalPass: pass-through distributions, C + D
    std::array<float, 2> businessIncome{};  // A/B qualified and not qualified + C/D wages and pass
    std::array<bool, 2> hasIncome{};        // any of those non-zero: the income screen follows

    // In the period shown.
    float Amount(BusinessAmount amount, int column) const {
        return amounts[column][static_cast<int>(amount)].value;
    }
    // Yearly dollars; depreciable assets are a value, not a flow, and have no period.
    double YearlyAmount(BusinessAmount amount, int column) const {
        return IsAssetValue(amount) ? Amount(amount, column)
                                    : Amount(amount, column) * PeriodFactor(period);
    }
    static constexpr bool IsAssetValue(BusinessAmount amount) {
        return amount == BusinessAmount::ACap || amount == BusinessAmount::BCap ||
               amount == BusinessAmount::CCap || amount == BusinessAmount::DCap;
    }
};

// One income detail screen's entry globals and its entry period.
struct PartyIncomeEntries {
    IncomePeriod period = IncomePeriod::Yearly;  // the period page 1 shows
    std::array<std::array<EntryAmount, kIncomeSourceCount>, 2> incomes;
    std::array<float, 2> totals{};  // ClaimTotal / ClaimTotal1, in the period shown
    std::array<EntryAmount, kIncomeDeductionCount> deductions;
    BusinessEntries business;

    // In the period shown.
    float Income(IncomeSource source, int column = kPartyColumn) const {
        return incomes[column][static_cast<int>(source)].value;
    }
    float Deduction(IncomeDeduction deduction) const {
        return deductions[static_cast<int>(deduction)].value;
    }
    double YearlyIncome(IncomeSource source, int column = kPartyColumn) const {
        return Income(source, column) * PeriodFactor(period);
    }
    double YearlyTotal(int column = kPartyColumn) const {
        return totals[column] * PeriodFactor(period);
    }
};

// Both parties' income detail screens, Claimant's and Other Party's side by side.
struct IncomeEntries {
    std::array<PartyIncomeEntries, 2> parties;

    PartyIncomeEntries& Of(IncomeParty party) { return parties[static_cast<int>(party)]; }
    const PartyIncomeEntries& Of(IncomeParty party) const {
        return parties[static_cast<int>(party)];
    }
};

}  // namespace tovaris
