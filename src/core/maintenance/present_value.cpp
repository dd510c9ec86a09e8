#include "maintenance/present_value.h"

#include <cmath>

namespace tovaris::maintenance {
namespace {

bool IsRate(const std::optional<double>& rate) {
    return rate && *rate >= 0 && *rate < 1;
}

// 12 x duration may land a hair below a whole month (7/12 of a year typed as .5833333).
constexpr double kMonthTolerance = 1e-6;

}  // namespace

std::optional<PresentValueEntryError> CheckPresentValueEntries(const PresentValueEntries& in) {
    if (!in.DurationYears || *in.DurationYears <= 0) {
        return PresentValueEntryError{
            PresentValueField::Duration,
            "Please ReEnter The Duration In Years For A Present Value Calculation"};
    }
    if (!IsRate(in.TaxRate)) {
        return PresentValueEntryError{
            PresentValueField::TaxRate,
            "Please ReEnter The Tax Rate For A Present Value Calculation(As A Decimal)"};
    }
    if (!IsRate(in.DiscountRate)) {
        return PresentValueEntryError{
            PresentValueField::DiscountRate,
            "Please ReEnter The Discount Rate For A Present Value Calculation(As A Decimal)"};
    }
    return std::nullopt;
}

float PresentValue(double yearlyAward, double durationYears, double taxRate, double discountRate) {
    const double payment = yearlyAward / 12 * (1 - taxRate);
    const double keptPerMonth = 1 - discountRate / 12;
    const long months = static_cast<long>(std::floor(12 * durationYears + kMonthTolerance));
    double total = 0;
    double factor = 1;  // (1 - d)^(i - 1)
    for (long i = 1; i <= months; ++i) {
        total += payment * factor;
        factor *= keptPerMonth;
    }
    return static_cast<float>(total);
}

}  // namespace tovaris::maintenance
