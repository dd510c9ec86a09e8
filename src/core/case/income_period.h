#pragma once

#include <string_view>

namespace tovaris {

// Entry period of the income detail screens' page 1 and of the business income screens
// (menu "Entry Time Period"; SemiWeekly means every two weeks).
enum class IncomePeriod { Yearly, Monthly, SemiWeekly, Weekly, Hourly };

// Yearly amount = shown amount x factor: 1, 12, 365/14, 365/7, 365/7 x 40 (a 40-hour week).
double PeriodFactor(IncomePeriod period);

// The ratio that turns an amount shown in `from` into the same amount shown in `to`:
// factor(from) / factor(to); 1/12 from Yearly to Monthly, 12 from Monthly to Yearly.
double PeriodConversionRatio(IncomePeriod from, IncomePeriod to);

// The period label of the screens: "YEARLY", "MONTHLY", "SEMIWEEKLY", "WEEKLY", "HOURLY".
std::string_view PeriodLabel(IncomePeriod period);

}  // namespace tovaris
