#pragma once

#include <string>

#include "common/format.h"

namespace tovaris::support {

// Whole dollars as the results show an amount added: "$1,234", a negative one "-$1,234".
inline std::string Addition(double amount) {
    return Format(amount, "$##,###,##0");
}

// An amount taken off always carries the minus, "-$0" included.
inline std::string Deduction(double amount) {
    return Format(amount, "-$##,###,##0");
}

}  // namespace tovaris::support
