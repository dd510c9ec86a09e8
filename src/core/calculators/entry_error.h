#pragma once

#include <string>
#include <variant>

namespace tovaris::calculators {

// The calculators stop at the first entry they cannot use: the message is shown in a box titled
// "Entry Error" and the focus goes back to the named screen control.
inline constexpr const char* kEntryErrorTitle = "Entry Error";

struct EntryError {
    std::string field;  // the control's name, e.g. "CurrentAgeYrs"
    std::string message;
};

// A calculator's results, or the entry that stopped it.
template <typename Results>
using Outcome = std::variant<Results, EntryError>;

}  // namespace tovaris::calculators
