#include "calculators/financial_functions.h"

#include <cmath>

namespace tovaris::calculators {
namespace {

// Below this the annuity factor ((1 + r)^n - 1) / r is taken at its limit n.
constexpr double kZeroRate = 1e-12;

// ((1 + r)^n - 1) / r, the value after n periods of 1 paid at the end of each period.
double AnnuityFactor(double rate, double periods) {
    if (std::fabs(rate) < kZeroRate) {
        return periods;
    }
    return std::expm1(periods * std::log1p(rate)) / rate;
}

double Growth(double rate, double periods) {
    return std::pow(1 + rate, periods);
}

double Timing(double rate, bool due) {
    return due ? 1 + rate : 1;
}

// What is left of the series after `periods` periods; zero when the entries balance.
double Balance(double rate, double periods, double payment, double presentValue, double futureValue,
               bool due) {
    return presentValue * Growth(rate, periods) +
           payment * Timing(rate, due) * AnnuityFactor(rate, periods) + futureValue;
}

}  // namespace

double FutureValue(double rate, double periods, double payment, double presentValue, bool due) {
    return -Balance(rate, periods, payment, presentValue, 0, due);
}

double PresentValue(double rate, double periods, double payment, double futureValue, bool due) {
    return -(futureValue + payment * Timing(rate, due) * AnnuityFactor(rate, periods)) /
           Growth(rate, periods);
}

double Payment(double rate, double periods, double presentValue, double futureValue, bool due) {
    return -(futureValue + presentValue * Growth(rate, periods)) /
           (Timing(rate, due) * AnnuityFactor(rate, periods));
}

// A payment at the beginning of a period pays the interest of the period before it, so the
// first one carries none.
double InterestPayment(double rate, double period, double periods, double presentValue,
                       double futureValue, bool due) {
    const double payment = Payment(rate, periods, presentValue, futureValue, due);
    const double owed = FutureValue(rate, period - 1, payment, presentValue, due);
    if (!due) {
        return owed * rate;
    }
    return period <= 1 ? 0 : owed * rate / (1 + rate);
}

// Newton's method with the derivative taken numerically, which is exact enough near a root and
// needs no separate formula for each payment timing.
std::optional<double> Rate(double periods, double payment, double presentValue, double futureValue,
                           bool due, double guess) {
    constexpr int kMaxSteps = 100;
    constexpr double kTolerance = 1e-10;
    constexpr double kStep = 1e-7;
    double rate = guess;
    for (int step = 0; step < kMaxSteps; ++step) {
        auto balance = [&](double r) {
            return Balance(r, periods, payment, presentValue, futureValue, due);
        };
        const double value = balance(rate);
        const double slope = (balance(rate + kStep) - balance(rate - kStep)) / (2 * kStep);
        if (!std::isfinite(value) || !std::isfinite(slope) || slope == 0) {
            return std::nullopt;
        }
        const double next = rate - value / slope;
        if (!std::isfinite(next) || next <= -1) {
            return std::nullopt;
        }
        if (std::fabs(next - rate) < kTolerance) {
            return next;
        }
        rate = next;
    }
    return std::nullopt;
}

}  // namespace tovaris::calculators
