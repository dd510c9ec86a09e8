#include "maintenance/taxed_to_payer.h"

#include <algorithm>

namespace tovaris::maintenance {

double ClaimantNetShare(double claimNetYearly, double payerNetYearly) {
    return claimNetYearly / (claimNetYearly + payerNetYearly + 0.0000001);  // guard: both 0
}

double PayerTaxedAward(double claimantNetShare, double claimNetYearly, double payerNetYearly) {
    return std::max(claimantNetShare * (claimNetYearly + payerNetYearly) - claimNetYearly, 0.0);
}

}  // namespace tovaris::maintenance
