#pragma once

#include <optional>

namespace tovaris::calculators {

// The time-value-of-money functions as spreadsheets and BASIC define them. Money received is
// positive and money paid out negative; `rate` is per period; `due` puts payments at the
// beginning of each period instead of the end. A rate of 0 gives the limit of each formula.

double FutureValue(double rate, double periods, double payment, double presentValue = 0,
                   bool due = false);
double PresentValue(double rate, double periods, double payment, double futureValue = 0,
                    bool due = false);
double Payment(double rate, double periods, double presentValue, double futureValue = 0,
               bool due = false);
// The interest part of payment number `period` (from 1) of the level payment series.
double InterestPayment(double rate, double period, double periods, double presentValue,
                       double futureValue = 0, bool due = false);
// The rate per period that makes the series balance; nullopt when the iteration from `guess`
// does not converge.
std::optional<double> Rate(double periods, double payment, double presentValue,
                           double futureValue = 0, bool due = false, double guess = 0.1);

}  // namespace tovaris::calculators
