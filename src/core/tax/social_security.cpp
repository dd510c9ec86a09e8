#include "tax/social_security.h"

#include <algorithm>

#include "tax/federal_tables.h"

namespace tovaris::tax {
namespace {

constexpr double kTaxableShare = 0.85;

double TaxableBenefits(double benefits, double provisional, const FederalStatusTable& table) {
    const double base1 = table.socialSecurityBase1;
    const double base2 = table.socialSecurityBase2;
    const double halfBenefits = benefits / 2;
    if (provisional < base1) {
        return 0;
    }
    if (provisional <= base2) {
        return std::min((provisional - base1) / 2, halfBenefits);
    }
    return kTaxableShare * (provisional - base2) + std::min((base2 - base1) / 2, halfBenefits);
}

}  // namespace

float NontaxableSocialSecurity(float benefits, float otherIncome, std::string_view filingStatus,
                               float adjustments) {
    const double provisional = (double{otherIncome} - adjustments) + double{benefits} / 2;
    if (provisional <= 0) {
        return benefits;
    }
    const double taxable =
        std::min(TaxableBenefits(benefits, provisional, FederalTableFor(filingStatus)),
                 kTaxableShare * benefits);
    return static_cast<float>(benefits - taxable);
}

}  // namespace tovaris::tax
