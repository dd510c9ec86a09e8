#pragma once

namespace tovaris {

struct CaseRecord;

// The first phase of every child support calculation: both parties' payroll taxes, AGIs,
// business income deductions, federal taxes, credits and state taxes, and their yearly and
// monthly net incomes, written into record.results.tax.
// Monthly maintenance comes from record.results.tax.MonthlyMaintenance, set by the caller.
void RunNetIncomePhase(CaseRecord& record);

// The tax steps alone (payroll tax to state tax), as the worksheet and declaration estimates use.
void RunTaxSteps(CaseRecord& record);

// The worksheet's "Estimate Taxes": the four typed monthly tax amounts of the worksheet columns
// from the tax steps, for a later run with the worksheet's taxes in force.
void EstimateWorksheetTaxes(CaseRecord& record);

}  // namespace tovaris
