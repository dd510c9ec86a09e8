#pragma once

namespace tovaris::maintenance {

// A dollar a party does not pay tax on, or must pay from taxed income, is worth more than a
// dollar of gross. The two factors convert such dollars to gross-income terms.
struct GrossUpFactors {
    double Average = 1;   // g0 = 1 / (1 - F/G)
    double Marginal = 1;  // g1 = 1.2 / (1 - (0.05 AGI + F)/G): outlays paid from the top dollar
};

// Added to the yearly gross before dividing by it, so that a party without income still gets
// finite factors. The guards differ between the parties; either only keeps the division defined.
inline constexpr double kClaimGrossGuard = 0.00001;
inline constexpr double kPayerGrossGuard = 0.0000001;

// federalTax: the party's yearly federal income tax (a joint filer's already multiplied by the
// party's share of the joint income); guardedGross: the yearly gross plus the party's guard.
GrossUpFactors ComputeGrossUp(double federalTax, double guardedGross, double adjustedGrossIncome);

// The gross-income value of the party's untaxed income: the nontaxable part of Social Security
// benefits, income not subject to federal tax and the qualified business income deduction.
double UntaxedGrossUp(const GrossUpFactors& factors, double nontaxableSocialSecurity,
                      double incomeNotFederallyTaxed, double businessIncomeDeduction);

}  // namespace tovaris::maintenance
