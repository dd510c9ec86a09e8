#include "tax/federal_income_tax.h"

#include <algorithm>
#include <array>
#include <cstddef>

#include "common/rounding.h"
#include "tax/federal_tables.h"
#include "tax/standard_deduction.h"
#include "tax/tax_table.h"

namespace tovaris::tax {
namespace {

using BracketTops = std::array<float, 6>;

struct TaxableIncome {
    double ordinary;
    double preferential;
};

// A deduction larger than the ordinary income goes on to reduce the preferential income.
TaxableIncome SplitTaxableIncome(const ReturnIncome& income, double deduction) {
    const double ordinaryIncome = double{income.incomeForTax} - income.preferentialIncome;
    if (ordinaryIncome >= deduction) {
        return {double{income.incomeForTax} - deduction - income.preferentialIncome,
                income.preferentialIncome};
    }
    return {0.0, std::max(double{income.incomeForTax} - deduction, 0.0)};
}

// Tax on the whole of each bracket up to its top, accumulated in single precision.
std::array<float, 6> CumulativeBracketTax(const BracketTops& tops) {
    std::array<float, 6> cumulative{};
    float below = 0;
    float previousTop = 0;
    for (std::size_t i = 0; i < tops.size(); ++i) {
        cumulative[i] =
            static_cast<float>((double{tops[i]} - previousTop) * kOrdinaryRates[i] + below);
        below = cumulative[i];
        previousTop = tops[i];
    }
    return cumulative;
}

float OrdinaryTax(double taxable, const BracketTops& tops) {
    const std::array<float, 6> cumulative = CumulativeBracketTax(tops);
    std::size_t bracket = 0;  // tops are inclusive: an amount on a top stays in the lower bracket
    while (bracket < tops.size() && taxable > tops[bracket]) {
        ++bracket;
    }
    const double taxBelow = bracket == 0 ? 0.0 : cumulative[bracket - 1];
    const double bracketBottom = bracket == 0 ? 0.0 : tops[bracket - 1];
    return static_cast<float>(taxBelow + (taxable - bracketBottom) * kOrdinaryRates[bracket]);
}

// The gains sit on top of the ordinary income and fill the 0 %, 15 % and 20 % bands in turn.
double PreferentialTax(const TaxableIncome& taxable, const std::array<float, 2>& tops) {
    const double ordinary = taxable.ordinary;
    const double total = ordinary + taxable.preferential;
    const double top0 = tops[0];
    const double top15 = tops[1];
    const double rate15 = kPreferentialRates[1];
    const double rate20 = kPreferentialRates[2];
    if (total <= top0) {
        return 0;
    }
    if (ordinary > top15) {
        return rate20 * taxable.preferential;
    }
    if (total <= top15) {
        return rate15 * (ordinary <= top0 ? total - top0 : taxable.preferential);
    }
    return rate15 * (top15 - std::max(ordinary, top0)) + rate20 * (total - top15);
}

// The Tax Table's figure is the band midpoint's tax rounded to the dollar (Form 1040
// instructions, line 16).
float OrdinaryTaxOf(const ReturnIncome& income, double taxable, const BracketTops& tops) {
    if (income.taxTable && taxable < kTaxTableLimit) {
        return static_cast<float>(RoundDollars(OrdinaryTax(TaxTableMidpoint(taxable), tops)));
    }
    return OrdinaryTax(taxable, tops);
}

double InvestmentIncomeTax(const ReturnIncome& income, double threshold) {
    const double measured = income.modifiedAgi.value_or(income.incomeForTax);
    if (income.netInvestmentIncome <= 0 || measured <= threshold) {
        return 0;
    }
    const double excess = measured - threshold;
    return kInvestmentIncomeTaxRate * std::min<double>(income.netInvestmentIncome, excess);
}

}  // namespace

float FederalIncomeTax(const ReturnIncome& income) {
    const FederalStatusTable& table = FederalTableFor(income.filingStatus);
    const float deduction =
        DeductionUsed(income.filingStatus, income.age65OrOver, income.itemizedDeductions);
    const TaxableIncome taxable = SplitTaxableIncome(income, deduction);

    // The running tax is kept in single precision after each step.
    float tax = OrdinaryTaxOf(income, taxable.ordinary, table.bracketTops);
    tax = static_cast<float>(tax + PreferentialTax(taxable, table.preferentialTops));
    tax = static_cast<float>(tax + InvestmentIncomeTax(income, table.investmentIncomeThreshold));
    return static_cast<float>(RoundDollars(std::max(tax, 0.0f)));
}

}  // namespace tovaris::tax
