#include "tax/child_tax_credit.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

#include "common/rounding.h"
#include "tax/filing_status.h"

namespace tovaris::tax {
namespace {

constexpr double kCreditPerChild = 2000;
constexpr double kReductionPerStep = 50;
constexpr double kIncomePerStep = 1000;
// Added before truncating so that a part of a step counts as a whole one.
constexpr double kPartStepAsWhole = 0.999999;

struct PhaseOutStart {
    std::string_view filingStatus;
    double agi;
};

constexpr std::array<PhaseOutStart, 4> kPhaseOutStarts = {{
    {kSingle, 200000},
    {kHeadOfHousehold, 200000},
    {kMarriedSeparate, 200000},
    {kJoint, 400000},
}};

// Another code has no phase-out.
std::optional<double> PhaseOutStartFor(std::string_view filingStatus) {
    for (const PhaseOutStart& entry : kPhaseOutStarts) {
        if (entry.filingStatus == filingStatus) {
            return entry.agi;
        }
    }
    return std::nullopt;
}

}  // namespace

float ChildTaxCredit(float agi, std::string_view filingStatus, int16_t taxCreditChildren) {
    double credit = kCreditPerChild * taxCreditChildren;
    const std::optional<double> start = PhaseOutStartFor(filingStatus);
    if (start && agi > *start) {
        const double steps = std::floor((agi - *start) / kIncomePerStep + kPartStepAsWhole);
        credit = std::max(credit - kReductionPerStep * steps, 0.0);
    }
    return static_cast<float>(RoundDollars(credit));
}

}  // namespace tovaris::tax
