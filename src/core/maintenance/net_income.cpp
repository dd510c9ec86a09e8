#include "maintenance/net_income.h"

#include <cmath>

namespace tovaris::maintenance {
namespace {

double NetBeforeTransfers(const PartyNetFacts& p) {
    return p.GrossYearly - p.PriorPaid - p.CareAndHealthPaid - p.FicaSe - p.StateTax -
           p.FederalTax + p.FederalCredits;
}

// +1 when the Claimant receives the child support, -1 when the Claimant pays it.
double ClaimantSupportSign(std::string_view custodyType) {
    if (custodyType == "NoMinors") {
        return 0;
    }
    return custodyType == "NonCust" ? -1 : 1;
}

}  // namespace

double PriorPaid(double priorMaintBefore2019, double otherChildSupportPaid,
                 double priorMaintAfter2018) {
    return priorMaintBefore2019 + otherChildSupportPaid + priorMaintAfter2018;
}

double CareAndHealthPaidYearly(double dayCareMonthly, double healthCareMonthly,
                               double specialExpMonthly) {
    return 12 * (dayCareMonthly + healthCareMonthly + specialExpMonthly);
}

double RoundChildSupport(double childSupportMonthly) {
    return std::floor(childSupportMonthly + 0.5);
}

NetIncomes ComputeNetIncomes(std::string_view custodyType, const PartyNetFacts& claim,
                             const PartyNetFacts& payer, double award, double childSupportMonthly) {
    const double support = ClaimantSupportSign(custodyType) * 12 * childSupportMonthly;
    return {
        .ClaimNetYearly = NetBeforeTransfers(claim) + award + support,
        .PayerNetYearly = NetBeforeTransfers(payer) - award - support,
    };
}

}  // namespace tovaris::maintenance
