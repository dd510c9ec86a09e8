#pragma once

#include <string>

namespace tovaris {

// The short code the results show for a filing status: "S", "HH", "MFS", "MFJ"; an unknown
// status as it stands.
std::string FilingStatusCode(const std::string& status);

}  // namespace tovaris
