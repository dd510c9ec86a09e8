#pragma once

#include <string_view>

namespace tovaris::calculators {

// The reference tables of data/ as compiled in (CSV text with its header line); generated at
// build time.
std::string_view LifeTablesCsv();
std::string_view SingleLifeExpectancyCsv();
std::string_view MortalityCsv();
std::string_view MinimumWagesCsv();

}  // namespace tovaris::calculators
