#pragma once

#include "case/case_record.h"
#include "case/income_fields.h"
#include "case/income_period.h"

namespace tovaris {

// Refreshes one party's business income screen, both columns: every amount is re-read and shown
// again "$ ###,###.#0" (not numeric: emptied, 0); TotalWages (C + D wages), TotalPass (C + D
// pass-through) and the business income (A/B qualified and not qualified, C/D wages and
// pass-through; REIT left out) are derived as yearly amounts. A column with any non-zero
// business income sets the income screen's business income (ClaimSelf, or ClaimSelf1 for the
// new spouse) to that sum, in the income screen's period; an all-zero column leaves what was
// typed there. The business income deduction itself is computed by the tax estimate.
void RefreshBusinessScreen(CaseRecord& record, IncomeParty party);

// Both parties' business income screens.
void RefreshBusinessScreens(CaseRecord& record);

// The business screen's "Entry Time Period" commands: like the income screens, every amount of
// both columns is shown again in the new period, except the depreciable assets (a value, not a
// flow, which no period changes).
void ChangeBusinessPeriod(CaseRecord& record, IncomeParty party, IncomePeriod period);

}  // namespace tovaris
