#include "calculators/business_valuation.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

#include "calculators/entry_number.h"
#include "common/format.h"

namespace tovaris::calculators {
namespace {

// One entry's check, in the order the window checks them.
struct Check {
    std::string BusinessEntries::*entry;
    const char* field;
    const char* message;
    double low;
    double high;
};

constexpr double kNoLimit = 1e300;

const Check kChecks[] = {
    {&BusinessEntries::Multiplier, "Multiplier",
     "Please ReEnter The Excess Earnings Multiplier With A Value Between 1 and 5", 1, 5},
    {&BusinessEntries::FairSalary, "FairSalary", "Please ReEnter The Owner's Fair Market Salary.",
     0, kNoLimit},
    {&BusinessEntries::HardAssets, "HardAssets", "Please ReEnter The Value Of The Hard Assets.", 0,
     kNoLimit},
    {&BusinessEntries::Receivables, "Receivables",
     "Please ReEnter The Business's Total Receivables.", 0, kNoLimit},
    {&BusinessEntries::Likelihood, "Likelihood",
     "Please ReEnter The Likelihood (as a decimal between .00 and 1.00) Of Collecting The "
     "Receivables.",
     0, 1},
    {&BusinessEntries::Liabilities, "Liabilities",
     "Please ReEnter The Business's Total Liabilities.", 0, kNoLimit},
    {&BusinessEntries::Income, "Income",
     "Please ReEnter The Business's Income Before Taxes and Expenses.", 0, kNoLimit},
    {&BusinessEntries::Expenses, "Expenses", "Please ReEnter The Business's Total Expenses.", 0,
     kNoLimit},
    {&BusinessEntries::TaxRate, "TaxRate",
     "Please ReEnter The Owner's Marginal Tax Rate (as a decimal between .00 and .99).", 0, 0.99},
};

// An empty box counts as 0, as on the other calculators; the range then decides.
std::optional<double> Read(const std::string& text, const Check& check) {
    std::optional<double> value = EntryNumber(text);
    if (!value || *value < check.low || *value > check.high) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

Outcome<BusinessValue> ValueBusiness(const BusinessEntries& entries) {
    double values[std::size(kChecks)];
    for (std::size_t i = 0; i < std::size(kChecks); ++i) {
        std::optional<double> value = Read(entries.*kChecks[i].entry, kChecks[i]);
        if (!value) {
            return EntryError{kChecks[i].field, kChecks[i].message};
        }
        values[i] = *value;
    }
    const auto [multiplier, salary, hardAssets, receivables, likelihood, liabilities, income,
                expenses, taxRate] = std::to_array(values);
    BusinessValue result;
    result.NetAssets = hardAssets + receivables * likelihood - liabilities;
    result.NetEarnings = income - expenses;
    result.Goodwill = std::max(0.0, (result.NetEarnings - salary) * multiplier);
    result.Value = result.Goodwill + result.NetAssets;
    result.ValuePostTax = (1 - taxRate) * result.Goodwill + result.NetAssets;
    return result;
}

std::string BusinessAmountText(double amount) {
    return Format(amount, "$###0");
}

double MoveMultiplier(double multiplier, int fromPosition, int toPosition) {
    return multiplier + (toPosition - fromPosition) / 4.0;
}

// A whole multiplier shows without a decimal point, as the default "3" does.
std::string MultiplierText(double multiplier) {
    return Format(multiplier, multiplier == std::floor(multiplier) ? "0" : "0.##");
}

}  // namespace tovaris::calculators
