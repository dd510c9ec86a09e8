#include "case/income_period.h"

namespace tovaris {
namespace {

struct PeriodRow {
    IncomePeriod period;
    std::string_view label;
    double factor;
};

constexpr PeriodRow kPeriods[] = {
    {IncomePeriod::Yearly, "YEARLY", 1.0},
    {IncomePeriod::Monthly, "MONTHLY", 12.0},
    {IncomePeriod::SemiWeekly, "SEMIWEEKLY", 365.0 / 14.0},
    {IncomePeriod::Weekly, "WEEKLY", 365.0 / 7.0},
    {IncomePeriod::Hourly, "HOURLY", 365.0 / 7.0 * 40.0},
};

const PeriodRow& RowOf(IncomePeriod period) {
    return kPeriods[static_cast<int>(period)];
}

}  // namespace

double PeriodFactor(IncomePeriod period) {
    return RowOf(period).factor;
}

double PeriodConversionRatio(IncomePeriod from, IncomePeriod to) {
    return PeriodFactor(from) / PeriodFactor(to);
}

std::string_view PeriodLabel(IncomePeriod period) {
    return RowOf(period).label;
}

}  // namespace tovaris
