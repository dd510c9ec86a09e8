#include "tax/law_business_income.h"

namespace tovaris::tax {

BusinessIncomeEntries LessAttributableDeductions(BusinessIncomeEntries entries,
                                                 double selfEmploymentIncome,
                                                 double attributableDeductions) {
    if (selfEmploymentIncome <= 0 || attributableDeductions <= 0) {
        return entries;
    }
    for (BusinessIncomeEntries::Proprietorship& business : entries.proprietorships) {
        if (business.qualifiedIncome > 0) {
            const double share = business.qualifiedIncome / selfEmploymentIncome;
            business.qualifiedIncome =
                static_cast<float>(business.qualifiedIncome - attributableDeductions * share);
        }
    }
    return entries;
}

}  // namespace tovaris::tax
