#include "tax/combine_credits.h"

#include <algorithm>

namespace tovaris::tax {
namespace {

constexpr double kEarnedIncomeFloor = 2500;
constexpr double kRefundableRate = 0.15;
constexpr double kRefundableCapPerChild = 1600;
// From this many children the payroll tax can support a larger refundable credit.
constexpr int16_t kChildrenForPayrollBase = 3;

// How much of the unused child tax credit can be refunded.
double RefundableBase(const CombineCreditsInputs& in, double earnedIncomeCredit) {
    double base = std::max((double{in.wages} + in.selfEmploymentIncome - in.halfSelfEmploymentTax -
                            kEarnedIncomeFloor) *
                               kRefundableRate,
                           0.0);
    if (in.taxCreditChildren >= kChildrenForPayrollBase) {
        base =
            std::max(base, double{in.payrollTax} - in.halfSelfEmploymentTax - earnedIncomeCredit);
    }
    return base;
}

}  // namespace

FederalCredits CombineCredits(const CombineCreditsInputs& inputs, FederalCredits credits) {
    const double tax = inputs.federalTax;
    credits.childCare = std::min(credits.childCare, inputs.federalTax);

    double nonrefundable = std::min(double{credits.childCare} + inputs.otherCredits, tax);
    nonrefundable += credits.childTax;
    double unusedChildTax = 0;
    if (nonrefundable >= tax) {
        unusedChildTax = nonrefundable - tax;
        nonrefundable = tax;
    }

    double additional = std::min(unusedChildTax, RefundableBase(inputs, credits.earnedIncome));
    const int16_t children = inputs.taxCreditChildren;
    if (children >= 1 && additional / children >= kRefundableCapPerChild) {
        additional = kRefundableCapPerChild * children;
    }

    credits.additionalChildTax = static_cast<float>(additional);
    credits.total = static_cast<float>(nonrefundable + additional + credits.earnedIncome);
    return credits;
}

}  // namespace tovaris::tax
