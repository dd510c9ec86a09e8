#include "tax/business_component.h"

#include <algorithm>

#include "tax/filing_status.h"

namespace tovaris::tax {
namespace {

struct PhaseInRange {
    double lower;
    double upper;
};

constexpr PhaseInRange kPhaseIn = {182100, 232100};
constexpr PhaseInRange kJointPhaseIn = {364200, 464200};

constexpr double kWageShare = 0.50;
constexpr double kWageShareWithAssets = 0.25;
constexpr double kAssetShare = 0.025;

double WageAndAssetLimit(double w2Wages, double depreciableAssets) {
    return std::max(kWageShare * w2Wages,
                    kWageShareWithAssets * w2Wages + kAssetShare * depreciableAssets);
}

}  // namespace

float BusinessComponent(float taxableIncome, float qualifiedIncome, float w2Wages,
                        float depreciableAssets, std::string_view filingStatus, bool serviceTrade) {
    const PhaseInRange range = IsJointReturn(filingStatus) ? kJointPhaseIn : kPhaseIn;
    const double tentative = kBusinessDeductionRate * qualifiedIncome;
    double component = tentative;
    if (taxableIncome >= range.lower) {
        const double limited = std::min(tentative, WageAndAssetLimit(w2Wages, depreciableAssets));
        const double phaseIn =
            std::clamp((taxableIncome - range.lower) / (range.upper - range.lower), 0.0, 1.0);
        if (serviceTrade) {
            const double applicable = std::clamp(1 - phaseIn, 0.0, 1.0);
            component = applicable * tentative -
                        (1 - applicable) * (applicable * tentative - applicable * limited);
        } else {
            component = tentative - phaseIn * (tentative - limited);
        }
    }
    return static_cast<float>(std::max(component, 0.0));
}

}  // namespace tovaris::tax
