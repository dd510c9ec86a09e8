#pragma once

namespace tovaris::maintenance {

// The floors and ceilings on a yearly award, applied in this order:
//   below 250 a year, no award;
//   a score below 19 with an income differential below 70,000, no award;
//   a Claimant earning over 80,000 loses 2 % of the award per 20,000 above 70,000, at most 90 %;
//   never more than half the Other Party's gross.
double ApplyAwardLimits(double award, float caseScore, float claimGrossYearly,
                        float payerGrossYearly);

// The award as a whole number of dollars per month, times 12 (halves to even).
float RoundToWholeMonths(double award);

}  // namespace tovaris::maintenance
