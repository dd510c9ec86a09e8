#pragma once

#include <string>

#include "calculators/entry_error.h"

namespace tovaris::calculators {

// The entries of the business valuation window as typed, named as its controls.
struct BusinessEntries {
    std::string HardAssets;
    std::string Liabilities;
    std::string Receivables;
    std::string Likelihood;  // of collecting the receivables, decimal
    std::string Income;
    std::string Expenses;
    std::string TaxRate;  // the owner's marginal rate, decimal
    std::string FairSalary;
    std::string Multiplier = "3";
};

struct BusinessValue {
    double NetAssets = 0;
    double NetEarnings = 0;
    double Goodwill = 0;
    double Value = 0;
    double ValuePostTax = 0;
};

// The excess earnings method: net tangible assets plus goodwill, goodwill being the earnings
// above a fair salary times the multiplier (never below 0).
Outcome<BusinessValue> ValueBusiness(const BusinessEntries& entries);

// The outputs' "$###0".
std::string BusinessAmountText(double amount);

// The sliders that help choose the multiplier: each step moves it by a quarter.
inline constexpr int kSliderSteps = 8;
inline constexpr int kSliderMiddle = 4;
double MoveMultiplier(double multiplier, int fromPosition, int toPosition);
std::string MultiplierText(double multiplier);

}  // namespace tovaris::calculators
