#pragma once

#include <string_view>

namespace tovaris::maintenance {

// One party's yearly figures (monthly where named) that the adjusted income is built from.
struct PartyIncomeFacts {
    double GrossYearly = 0;
    double UntaxedGrossUp = 0;   // from UntaxedGrossUp
    double MarginalGrossUp = 1;  // g1 from ComputeGrossUp
    double FicaSe = 0;           // payroll and self-employment tax
    double PriorMaintBefore2019 = 0;
    double PriorMaintAfter2018 = 0;
    double OtherChildSupportPaid = 0;
    double DayCareMonthly = 0;
    double ChildCareCredit = 0;
    double HealthCareMonthly = 0;
    double SpecialExpMonthly = 0;  // education and other special expenses
};

struct AdjustedIncomes {
    double Claimant = 0;  // A
    double Payer = 0;     // B
};

// Each party's income available for sharing: gross plus the value of untaxed income, less
// payroll tax, prior maintenance, and the children's costs at their gross-income value, with
// the child support transfer moved at its gross-income value from payer to recipient.
// childSupportMonthly is positive when paid to the party the children live with.
AdjustedIncomes ComputeAdjustedIncomes(std::string_view custodyType, PartyIncomeFacts claim,
                                       PartyIncomeFacts payer, double childSupportMonthly);

// The differential that sets the rate: each party's gross plus untaxed value less payroll tax,
// the Other Party's minus the Claimant's.
double DifferentialAfterPayroll(const PartyIncomeFacts& claim, const PartyIncomeFacts& payer);

}  // namespace tovaris::maintenance
