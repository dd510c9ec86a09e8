#include "tax/tax_table.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace tovaris::tax {
namespace {

struct Band {
    double from;  // bands of `width` start here
    double upTo;  // exclusive
    double width;
};

// 2023 Tax Table: 0-5, then $10 bands to 25, $25 bands to 3000, $50 bands to 100000.
constexpr std::array<Band, 4> kTaxTableBands = {{
    {0, 5, 5},
    {5, 25, 10},
    {25, 3000, 25},
    {3000, kTaxTableLimit, 50},
}};

constexpr double kEarnedCreditBand = 50;

double Midpoint(double income, double from, double width) {
    const double lower = from + std::floor((income - from) / width) * width;
    return lower + width / 2;
}

}  // namespace

double TaxTableMidpoint(double taxable) {
    for (const Band& band : kTaxTableBands) {
        if (taxable < band.upTo) {
            return Midpoint(std::max(taxable, band.from), band.from, band.width);
        }
    }
    return taxable;
}

double EarnedCreditTableMidpoint(double income, double end) {
    const double lower = std::floor(income / kEarnedCreditBand) * kEarnedCreditBand;
    const double upper = std::min(lower + kEarnedCreditBand, end);
    return (lower + upper) / 2;
}

}  // namespace tovaris::tax
