#include "maintenance/gross_up.h"

namespace tovaris::maintenance {

GrossUpFactors ComputeGrossUp(double federalTax, double guardedGross, double adjustedGrossIncome) {
    return {
        .Average = 1 / (1 - federalTax / guardedGross),
        .Marginal = 1.2 / (1 - (0.05 * adjustedGrossIncome + federalTax) / guardedGross),
    };
}

double UntaxedGrossUp(const GrossUpFactors& factors, double nontaxableSocialSecurity,
                      double incomeNotFederallyTaxed, double businessIncomeDeduction) {
    return (factors.Average - 1) *
           (nontaxableSocialSecurity + incomeNotFederallyTaxed + businessIncomeDeduction);
}

}  // namespace tovaris::maintenance
