#include "tax/law_earned_income.h"

namespace tovaris::tax {

double LawCreditWages(const ColumnIncome& column) {
    return column.wages + column.sCorporationWages();
}

double LawEarnedIncome(const ColumnIncome& column, double halfSelfEmploymentTax) {
    return LawCreditWages(column) + column.selfEmployment() - halfSelfEmploymentTax;
}

}  // namespace tovaris::tax
