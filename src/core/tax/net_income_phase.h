#pragma once

#include <stdexcept>

namespace tovaris {

struct CaseRecord;

namespace tax {

// A floating-point overflow or invalid operation in a tax step: the calculation stops.
struct ArithmeticError : std::runtime_error {
    ArithmeticError() : std::runtime_error("arithmetic error in the net-income phase") {}
};

}  // namespace tax

// The first phase of every child support calculation: both parties' payroll taxes, AGIs,
// business income deductions, federal taxes, credits and state taxes, and their yearly and
// monthly net incomes, written into record.results.tax.
// Monthly maintenance comes from record.results.tax.MonthlyMaintenance, set by the caller.
// Throws tax::ArithmeticError when any step overflows or makes an invalid operation.
void RunNetIncomePhase(CaseRecord& record);

// How a tax run treats the monthly maintenance of record.results.tax.
struct MaintenanceTreatment {
    bool taxedToPayee = false;            // added to the Claimant's AGI, taken from the other's
    bool inSocialSecurityIncome = false;  // also in the income the Social Security test sees
};

// The tax steps alone (payroll tax to state tax), as the worksheet and declaration estimates use,
// with the maintenance treated as the case's option says; throws tax::ArithmeticError likewise.
void RunTaxSteps(CaseRecord& record);

// The same with the maintenance treated as the caller says (the maintenance recommendation
// taxes its award to the payee in every run).
void RunTaxSteps(CaseRecord& record, MaintenanceTreatment treatment);

struct PartyTaxResults;

// A party's taxes as the tax estimates show them per month: income taxes (federal tax less
// credits, plus state tax) and FICA (payroll tax), not yet rounded.
struct MonthlyTaxes {
    double incomeTaxes = 0;
    double fica = 0;
};
MonthlyTaxes MonthlyTaxesOf(const PartyTaxResults& results);

// The worksheet's "Estimate Taxes": brings the income screens to yearly figures, then fills the
// four typed monthly tax amounts of the worksheet columns from the tax steps, for a later run
// with the worksheet's taxes in force.
void EstimateWorksheetTaxes(CaseRecord& record);

}  // namespace tovaris
