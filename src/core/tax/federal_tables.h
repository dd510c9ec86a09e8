#pragma once

#include <array>
#include <string_view>

namespace tovaris::tax {

// 2023 federal income tax figures that depend on the filing status. The tax is computed from
// single-precision tables, so every figure and rate here is a float (22 % is 0.22f).
struct FederalStatusTable {
    float standardDeduction;
    float age65Addition;                    // once per return, also on a joint return
    std::array<float, 6> bracketTops;       // inclusive tops of the 10 % to 35 % brackets
    std::array<float, 2> preferentialTops;  // inclusive tops of the 0 % and 15 % gain bands
    float investmentIncomeThreshold;        // income above it bears the net investment income tax
    float socialSecurityBase1;
    float socialSecurityBase2;
};

inline constexpr std::array<float, 7> kOrdinaryRates = {0.10f, 0.12f, 0.22f, 0.24f,
                                                        0.32f, 0.35f, 0.37f};
inline constexpr std::array<float, 3> kPreferentialRates = {0.0f, 0.15f, 0.20f};
inline constexpr float kInvestmentIncomeTaxRate = 0.038f;

// The table for "Single", "Head", "MarriedSep" or "MFJ"; any other code gets an all-zero
// table (callers never pass one).
const FederalStatusTable& FederalTableFor(std::string_view filingStatus);

}  // namespace tovaris::tax
