#pragma once

#include <optional>
#include <string_view>

namespace tovaris::calculators {

// An entry box read as a number after the currency clean-up, an empty box counting as 0;
// nullopt when the text is no number.
std::optional<double> EntryNumber(std::string_view text);

}  // namespace tovaris::calculators
