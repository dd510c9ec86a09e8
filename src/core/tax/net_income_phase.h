#pragma once

namespace tovaris {

struct CaseRecord;

// The first phase of every child support calculation: both parties' payroll taxes, AGIs,
// business income deductions, federal taxes, credits and state taxes, and their yearly and
// monthly net incomes, written into record.results.tax.
void RunNetIncomePhase(CaseRecord& record);

}  // namespace tovaris
