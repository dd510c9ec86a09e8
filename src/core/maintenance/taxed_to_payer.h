#pragma once

namespace tovaris::maintenance {

// Maintenance taxed to the payer is paid from after-tax income, so it is sized to give the
// Claimant the share of combined net income that the taxable award gave.

// The Claimant's share of combined net income with the taxable award in place.
double ClaimantNetShare(double claimNetYearly, double payerNetYearly);

// The after-tax award that restores that share, from the net incomes without any award;
// never negative.
double PayerTaxedAward(double claimantNetShare, double claimNetYearly, double payerNetYearly);

}  // namespace tovaris::maintenance
