#pragma once

#include <string_view>

namespace tovaris::maintenance {

// One party's yearly figures after a tax run, for the net income with the award in place.
struct PartyNetFacts {
    double GrossYearly = 0;
    double PriorPaid = 0;          // PriorPaid
    double CareAndHealthPaid = 0;  // CareAndHealthPaidYearly
    double FicaSe = 0;
    double StateTax = 0;
    double FederalTax = 0;  // a joint filer's share
    double FederalCredits = 0;
};

struct NetIncomes {
    double ClaimNetYearly = 0;
    double PayerNetYearly = 0;
};

// Prior maintenance of both kinds and other child support paid, per year.
double PriorPaid(double priorMaintBefore2019, double otherChildSupportPaid,
                 double priorMaintAfter2018);

// Day care, health care and special expenses paid for the children, per year.
double CareAndHealthPaidYearly(double dayCareMonthly, double healthCareMonthly,
                               double specialExpMonthly);

// The monthly child support as the net incomes use it: whole dollars, halves up.
double RoundChildSupport(double childSupportMonthly);

// Both parties' net incomes per year with the yearly award moved from the Other Party to the
// Claimant and the child support moved to the party the children live with.
NetIncomes ComputeNetIncomes(std::string_view custodyType, const PartyNetFacts& claim,
                             const PartyNetFacts& payer, double award, double childSupportMonthly);

}  // namespace tovaris::maintenance
