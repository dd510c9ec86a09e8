#include "maintenance/maintenance_taxes.h"

#include <algorithm>

#include "tax/net_income_phase.h"

namespace tovaris::maintenance {
namespace {

PartyTaxFigures FiguresOf(const PartyTaxResults& r, const std::string& filingStatus) {
    const bool joint = filingStatus == "MFJ";
    // The credit figures are the whole return's; the party carries its share of it.
    const double share = joint ? double{r.IncomeShare} : 1.0;
    return {
        .Joint = joint,
        .FicaSe = r.PayrollTax,
        .AGI = r.AGI,
        .NontaxableSocialSecurity = r.NontaxableSS,
        .BusinessDeduction = r.BusinessDeduction,
        .FederalTax = r.FederalTax,
        .FederalCredits = r.TotalCredits,
        .ChildCareCredit = std::min(r.Credits.childCare * share, double{r.FederalTax}),
        .StateTax = r.StateTax,
    };
}

}  // namespace

TaxFigures EstimateTaxesWithAward(CaseRecord& record, double yearlyAward) {
    TaxResults& tax = record.results.tax;
    tax.MonthlyMaintenance = static_cast<float>(yearlyAward / 12);
    RunTaxSteps(record, {.taxedToPayee = true, .inSocialSecurityIncome = true});
    return {FiguresOf(tax.Claim, record.globals.ClaimFilingStatus),
            FiguresOf(tax.Payer, record.globals.PayerFilingStatus)};
}

}  // namespace tovaris::maintenance
