#pragma once

#include <string_view>

namespace tovaris::tax {

// Federal filing status codes as the case holds them; they are compared exactly.
inline constexpr std::string_view kSingle = "Single";
inline constexpr std::string_view kHeadOfHousehold = "Head";
inline constexpr std::string_view kMarriedSeparate = "MarriedSep";
// A joint return with a new spouse, whose incomes join the party's.
inline constexpr std::string_view kJoint = "MFJ";

inline bool IsJointReturn(std::string_view filingStatus) {
    return filingStatus == kJoint;
}

}  // namespace tovaris::tax
