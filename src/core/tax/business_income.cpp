#include "tax/business_income.h"

namespace tovaris::tax {

float SCorporationWages(const BusinessIncomeEntries& entries) {
    const auto& [c, d] = entries.sCorporations;
    return static_cast<float>(double{c.ownerWages} + d.ownerWages);
}

float PassThroughDistributions(const BusinessIncomeEntries& entries) {
    const auto& [c, d] = entries.sCorporations;
    return static_cast<float>(double{c.passThrough} + d.passThrough);
}

float SelfEmploymentIncome(float businessIncome, const BusinessIncomeEntries& entries) {
    return static_cast<float>(double{businessIncome} - (double{PassThroughDistributions(entries)} +
                                                        SCorporationWages(entries)));
}

}  // namespace tovaris::tax
