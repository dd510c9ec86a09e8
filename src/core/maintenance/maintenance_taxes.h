#pragma once

#include "case/case_record.h"

namespace tovaris::maintenance {

// One party's yearly tax figures as the recommendation reads them after a tax run. A joint
// filer's federal tax, credits and state tax are already the party's share of the return.
struct PartyTaxFigures {
    bool Joint = false;
    double FicaSe = 0;
    double AGI = 0;
    double NontaxableSocialSecurity = 0;
    double BusinessDeduction = 0;
    double FederalTax = 0;
    double FederalCredits = 0;
    double ChildCareCredit = 0;  // the party's share, at most its federal tax
    double StateTax = 0;
};

struct TaxFigures {
    PartyTaxFigures Claim;
    PartyTaxFigures Payer;
};

// Both parties' taxes with the yearly award as the Claimant's taxable income and the Other
// Party's deduction, whatever the case's tax treatment: the recommendation sizes every award
// as if it were taxable and only then accounts for an award taxed to the payer. An award of 0
// is the estimate without maintenance. Leaves the run's figures in record.results.tax; throws
// tax::ArithmeticError when a step overflows.
TaxFigures EstimateTaxesWithAward(CaseRecord& record, double yearlyAward);

}  // namespace tovaris::maintenance
