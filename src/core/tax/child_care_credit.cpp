#include "tax/child_care_credit.h"

#include <algorithm>
#include <array>

#include "common/rounding.h"

namespace tovaris::tax {
namespace {

constexpr double kExpenseCapOneChild = 3000;
constexpr double kExpenseCapTwoOrMore = 6000;

struct RateBand {
    double agiUpTo;  // inclusive
    double rate;
};

// One point less for each further 2000 of AGI above 15000.
constexpr std::array<RateBand, 15> kRateBands = {{
    {15000, 0.35},
    {17000, 0.34},
    {19000, 0.33},
    {21000, 0.32},
    {23000, 0.31},
    {25000, 0.30},
    {27000, 0.29},
    {29000, 0.28},
    {31000, 0.27},
    {33000, 0.26},
    {35000, 0.25},
    {37000, 0.24},
    {39000, 0.23},
    {41000, 0.22},
    {43000, 0.21},
}};
constexpr double kRateAboveBands = 0.20;

double CreditRate(double agi) {
    for (const RateBand& band : kRateBands) {
        if (agi <= band.agiUpTo) {
            return band.rate;
        }
    }
    return kRateAboveBands;
}

double AllowedExpense(double yearlyExpense, int16_t dayCareChildren) {
    if (dayCareChildren <= 0) {
        return 0;
    }
    const double cap = dayCareChildren == 1 ? kExpenseCapOneChild : kExpenseCapTwoOrMore;
    return std::min(yearlyExpense, cap);
}

}  // namespace

float ChildCareCredit(float agi, float yearlyExpense, int16_t dayCareChildren) {
    const double allowed = AllowedExpense(yearlyExpense, dayCareChildren);
    return static_cast<float>(RoundDollars(allowed * CreditRate(agi)));
}

}  // namespace tovaris::tax
