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

PayrollTaxResult PayrollTax(std::string_view filingStatus, float wages,
                            float selfEmploymentIncome) {
    const double wagesUsed = std::max(wages, 0.0f);
    const float incomeUsed = std::max(selfEmploymentIncome, 0.0f);

    // Self-employment income bears Social Security tax only in the room the wages leave
    // under the wage base.
    const double base = incomeUsed * kSelfEmploymentBaseFactor;
    const double room = std::max(kWageBase - wagesUsed, 0.0);
    const double socialSecurityPart =
        base > 0 ? kSelfEmploymentSocialSecurityRate * std::min(base, room) : 0.0;
    const double medicarePart = base > 0 ? kSelfEmploymentMedicareRate * base : 0.0;

    double additionalMedicare = 0;
    const std::optional<double> threshold = AdditionalMedicareThreshold(filingStatus);
    if (threshold && base + wagesUsed > *threshold) {
        additionalMedicare = kAdditionalMedicareRate * (base + wagesUsed - *threshold);
    }

    const double payroll =
        EmployeeTax(wagesUsed) + socialSecurityPart + medicarePart + additionalMedicare;
    return {static_cast<float>(RoundDollars(payroll)),
            static_cast<float>(0.5 * (socialSecurityPart + medicarePart)), incomeUsed};
}

}  // namespace tovaris::tax
