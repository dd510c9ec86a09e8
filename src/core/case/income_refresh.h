#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "case/case_record.h"
#include "case/income_fields.h"
#include "case/income_period.h"

namespace tovaris {

// Display formats of the income detail screens.
constexpr std::string_view kIncomeAmountFormat = "$ ###,###.#0";  // page 1, business screens
constexpr std::string_view kDeductionAmountFormat = "$ ###,##0";  // pages 2-4

// The value an amount entry stands for: cleaned of "," "$" blanks and "%", numeric, and within
// +/- 999,999,999,999 (beyond that it is no amount a case can hold and counts as not numeric).
std::optional<float> ReadEntryAmount(std::string_view text);

// One field's refresh: clean the text; not numeric: the field is emptied and the global is 0;
// numeric: the global takes the value and the field shows it formatted. While the field still
// shows what the last refresh or conversion put there, the global is kept as it is.
void RefreshEntryAmount(CaseFields& fields, const std::string& field, EntryAmount& entry,
                        std::string_view format);

// One field of a period change: the global is multiplied by the ratio and shown again; an
// empty field stays empty.
void ConvertEntryAmount(CaseFields& fields, const std::string& field, EntryAmount& entry,
                        double ratio, std::string_view format);

// Typing in an amount field of an income or business screen: the text goes into the field and,
// when its cleaned form is numeric, into the field's entry global at once. Returns false for a
// field that is no amount field of those screens.
bool TypeIncomeAmount(CaseRecord& record, std::string_view field, std::string text);

// Re-reads the page 1 fields of both columns into their entry globals and shows them again
// formatted "$ ###,###.#0"; a field that is not numeric is emptied and counts 0. Then the two
// totals and the Express gross monthly income are refreshed.
void AddIncomeVars(CaseRecord& record, IncomeParty party);

// The same for the amount fields of pages 2-4, formatted "$ ###,##0".
void AssignDeductVars(CaseRecord& record, IncomeParty party);

// ClaimTotal and ClaimTotal1 from the entry globals, in the period shown. A column with no
// entry at all keeps an empty total.
void RefreshIncomeTotals(CaseRecord& record, IncomeParty party);

// ClaimGrossInc / PayGrossInc = the party's yearly total / 12, "$ ###,###.#0". When the party's
// column of page 1 holds no entry at all, the gross income typed on the Express Entry screen
// stands.
void RefreshExpressGrossIncome(CaseRecord& record, IncomeParty party);

// The period commands (Yearly_Click ... Hourly_Click): refreshes both pages, sets
// IncomePeriodFactor to the conversion ratio (1 when the period does not change) and shows
// every page 1 amount of both columns in the new period.
void ChangeIncomePeriod(CaseRecord& record, IncomeParty party, IncomePeriod period);

// What the calculation commands and the case file reader do before they use the income
// screens: both screens to their yearly period, every field re-read and the totals re-derived.
void BringIncomeScreensToYearly(CaseRecord& record);

// Forgets what the screens last showed, so that the next refresh reads every field from its
// text (after a case file has replaced the fields).
void ResetEntryGlobals(CaseRecord& record);

// What a user does to give a party another gross monthly income: with entries on the party's
// income screen, the W-2 wages move by the difference, so the other sources stay as entered;
// otherwise the Express Entry gross income is typed.
void SetGrossMonthlyIncome(CaseRecord& record, IncomeParty party, double monthly);

}  // namespace tovaris
