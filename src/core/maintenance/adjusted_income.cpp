#include "maintenance/adjusted_income.h"

namespace tovaris::maintenance {
namespace {

double AdjustedIncome(const PartyIncomeFacts& p) {
    const double g1 = p.MarginalGrossUp;
    return p.GrossYearly + p.UntaxedGrossUp - p.FicaSe - p.PriorMaintBefore2019 -
           p.PriorMaintAfter2018 -
           g1 * (p.OtherChildSupportPaid + 12 * p.DayCareMonthly - p.ChildCareCredit) -
           g1 * 12 * (p.HealthCareMonthly + p.SpecialExpMonthly);
}

}  // namespace

AdjustedIncomes ComputeAdjustedIncomes(std::string_view custodyType, PartyIncomeFacts claim,
                                       PartyIncomeFacts payer, double childSupportMonthly) {
    if (custodyType == "NoMinors") {
        // Without minors no support or child costs remain; only the Claimant's day care is
        // dropped, the Other Party's stays as entered.
        childSupportMonthly = 0;
        claim.DayCareMonthly = 0;
        claim.HealthCareMonthly = claim.SpecialExpMonthly = 0;
        payer.HealthCareMonthly = payer.SpecialExpMonthly = 0;
    }
    // The Claimant receives the support except when the children live with the Other Party.
    const double toClaimant = custodyType == "NonCust" ? -1 : 1;
    return {
        .Claimant =
            AdjustedIncome(claim) + toClaimant * claim.MarginalGrossUp * 12 * childSupportMonthly,
        .Payer =
            AdjustedIncome(payer) - toClaimant * payer.MarginalGrossUp * 12 * childSupportMonthly,
    };
}

double DifferentialAfterPayroll(const PartyIncomeFacts& claim, const PartyIncomeFacts& payer) {
    return (payer.GrossYearly + payer.UntaxedGrossUp - payer.FicaSe) -
           (claim.GrossYearly + claim.UntaxedGrossUp - claim.FicaSe);
}

}  // namespace tovaris::maintenance
