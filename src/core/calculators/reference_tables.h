#pragma once

#include <array>
#include <string>
#include <vector>

namespace tovaris::calculators {

// A period life table by whole age 0 to 100: survivors to each age out of 100 born and the
// remaining life expectancy in years.
struct LifeTable {
    static constexpr int kLastAge = 100;
    std::array<double, kLastAge + 1> survivors;
    std::array<double, kLastAge + 1> expectancy;
};

// "m" / "f" for the sexes alone, "m_white", "f_hispanic", ... by sex and race/ethnicity.
const LifeTable& LifeTableFor(const std::string& key);

// The IRS single life table, ages 0 to 110.
const std::array<double, 111>& SingleLifeExpectancy();

// The yearly probabilities of death q(x) for the fixed annuitization method, ages 0 to 114.
const std::array<double, 115>& MortalityRates();

// One row of the state minimum wage list: the state or locality and its hourly wage in force on
// 1/1/2023 as the list shows it ("$15.74").
struct MinimumWage {
    std::string name;
    std::string hourly;
};

// The 66 rows in the list's order.
const std::vector<MinimumWage>& StateMinimumWages();

}  // namespace tovaris::calculators
