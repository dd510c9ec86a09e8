#include "tax/payroll_tax.h"

#include <algorithm>
#include <array>
#include <optional>

#include "common/rounding.h"
#include "tax/filing_status.h"

namespace tovaris::tax {
namespace {

constexpr double kWageBase = 160200;  // Social Security wage base
constexpr double kEmployeeRate = 0.0765;
constexpr double kEmployeeTaxAtWageBase = 12255.30;  // 160200 x 7.65 %
constexpr double kMedicareRate = 0.0145;
constexpr double kSelfEmploymentBaseFactor = 0.9235;
constexpr double kSelfEmploymentSocialSecurityRate = 0.124;
constexpr double kSelfEmploymentMedicareRate = 0.029;
constexpr double kAdditionalMedicareRate = 0.009;
constexpr double kSelfEmploymentFloor = 400;

struct MedicareThreshold {
    std::string_view filingStatus;
    double threshold;
};

constexpr std::array<MedicareThreshold, 4> kAdditionalMedicareThresholds = {{
    {kSingle, 200000},
    {kHeadOfHousehold, 200000},
    {kMarriedSeparate, 125000},
    {kJoint, 250000},
}};

std::optional<double> AdditionalMedicareThreshold(std::string_view filingStatus) {
    for (const MedicareThreshold& entry : kAdditionalMedicareThresholds) {
        if (entry.filingStatus == filingStatus) {
            return entry.threshold;
        }
    }
    return std::nullopt;
}

double EmployeeTax(double wages) {
    if (wages <= kWageBase) {
        return wages * kEmployeeRate;
    }
    return (wages - kWageBase) * kMedicareRate + kEmployeeTaxAtWageBase;
}

}  // namespace

double AdditionalMedicareTax(std::string_view filingStatus, double wages,
                             double selfEmploymentBase) {
    const std::optional<double> threshold = AdditionalMedicareThreshold(filingStatus);
    if (threshold && selfEmploymentBase + wages > *threshold) {
        return kAdditionalMedicareRate * (selfEmploymentBase + wages - *threshold);
    }
    return 0;
}

PayrollTaxResult PayrollTax(std::string_view filingStatus, float wages, float selfEmploymentIncome,
                            PayrollTaxRules rules) {
    const double wagesUsed = std::max(wages, 0.0f);
    const float incomeUsed = std::max(selfEmploymentIncome, 0.0f);

    // Self-employment income bears Social Security tax only in the room the wages leave
    // under the wage base.
    double base = incomeUsed * kSelfEmploymentBaseFactor;
    if (rules.selfEmploymentFloor && base < kSelfEmploymentFloor) {
        base = 0;
    }
    const double room = std::max(kWageBase - wagesUsed, 0.0);
    const double socialSecurityPart =
        base > 0 ? kSelfEmploymentSocialSecurityRate * std::min(base, room) : 0.0;
    const double medicarePart = base > 0 ? kSelfEmploymentMedicareRate * base : 0.0;

    const double additionalMedicare =
        rules.additionalMedicare ? AdditionalMedicareTax(filingStatus, wagesUsed, base) : 0.0;
    const double beforeAdditional = EmployeeTax(wagesUsed) + socialSecurityPart + medicarePart;
    return {static_cast<float>(RoundDollars(beforeAdditional + additionalMedicare)),
            static_cast<float>(0.5 * (socialSecurityPart + medicarePart)),
            incomeUsed,
            base,
            beforeAdditional,
            additionalMedicare};
}

}  // namespace tovaris::tax
