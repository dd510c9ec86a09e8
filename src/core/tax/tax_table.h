#pragma once

namespace tovaris::tax {

// Form 1040 takes the tax on a taxable income below 100000 from the IRS Tax Table, which taxes
// every income of a band ($50 wide from 3000 up) as the band's midpoint, rounded to the dollar.
inline constexpr double kTaxTableLimit = 100000;

// The income the Tax Table taxes in place of `taxable` (only meaningful below kTaxTableLimit).
double TaxTableMidpoint(double taxable);

// The earned income credit tables of Pub. 596 likewise read the credit at the midpoint of a $50
// band of earned income or AGI; the last band before the credit ends is cut off at `end`.
double EarnedCreditTableMidpoint(double income, double end);

}  // namespace tovaris::tax
