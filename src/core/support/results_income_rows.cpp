#include "support/results_display.h"
#include "support/results_formats.h"

namespace tovaris {

namespace {

using support::Addition;
using support::Deduction;

std::string Signed(double amount) {
    return amount < 0 ? Deduction(amount) : Addition(amount);
}

// No typed net income shows as "-$0": the adjustment is what the typed figure took away.
std::string ManualAdjustment(double amount) {
    return amount > 0 ? Addition(amount) : Deduction(amount);
}

std::string GrossLabel(const std::string& imputeStatus) {
    return imputeStatus == "Imputed" ? " Imputed Gross Income" : " Gross Income";
}

}  // namespace

double HouseholdIncomeMonthly(const CaseRecord& record, bool claimant) {
    const SupportResults& support = record.results.support;
    const PartyTaxResults& r = claimant ? record.results.tax.Claim : record.results.tax.Payer;
    // The transfer is positive when the Other Party pays.
    const double childSupport =
        claimant ? support.ChildSupportTransfer : -double(support.ChildSupportTransfer);
    const double careAndHealth =
        claimant ? support.CareHealthPaidClaim : support.CareHealthPaidPayer;
    return r.NetMonthly + childSupport - careAndHealth;
}

DisplayRows IncomeRows(const CaseRecord& record, bool claimant) {
    const CaseGlobals& g = record.globals;
    const TaxResults& tax = record.results.tax;
    const SupportResults& support = record.results.support;
    const PartyTaxResults& r = claimant ? tax.Claim : tax.Payer;
    const bool joint = (claimant ? g.ClaimFilingStatus : g.PayerFilingStatus) == "MFJ";
    const double maintenance = 12.0 * tax.MonthlyMaintenance;
    // The transfer is positive when the Other Party pays.
    const double childSupport =
        claimant ? support.ChildSupportTransfer : -double(support.ChildSupportTransfer);
    const double careAndHealth =
        claimant ? support.CareHealthPaidClaim : support.CareHealthPaidPayer;
    const double share = claimant ? support.ClaimShare : support.PayerShare;

    DisplayRows rows = {
        {GrossLabel(claimant ? g.ClaimImputeStatus : g.PayerImputeStatus), Addition(r.GrossYearly)},
        {" Income Deductions", Deduction(r.Deductions)},
        {" Current Maint. Received", Addition(claimant ? maintenance : 0)},
        {" Current Maint. Paid", Deduction(claimant ? 0 : maintenance)},
        {" FICA/SE", Deduction(r.PayrollTax)},
        {" State Tax", Deduction(r.StateTax)},
        {joint ? " Federal Tax (prorated)" : " Federal Tax", Deduction(r.FederalTax)},
        {" Federal Tax Credits", Addition(r.TotalCredits)},
        {"", "----------"},
        {" Pre Adj Income", Addition(r.NetYearly)},
        {" Pre Adj Net/Month", Addition(r.NetMonthlyComputed)},
        {" Manual Adj/Month", ManualAdjustment(double(r.NetMonthly) - r.NetMonthlyComputed)},
        {" Adj Net/Month", Addition(r.NetMonthly)},
        {" Child Support/Month", Signed(childSupport)},
        {" Care & Health Paid", Deduction(careAndHealth)},
        {" Income/Month", Signed(HouseholdIncomeMonthly(record, claimant))},
        {" Pays % Of Expenses At", Format(share, "##.0%")},
        {" 45% Of Net Income", Addition(0.45 * r.NetMonthly)},
    };
    if (g.CustodyType == "NoMinors") {
        rows.resize(rows.size() - 2);  // the expense share and the 45 % limit belong to a pass
    }
    return rows;
}

}  // namespace tovaris
