#include "maintenance/as_typed.h"

#include <charconv>

namespace tovaris::maintenance {

double AsTyped(float value) {
    char buf[32];
    const auto written = std::to_chars(buf, buf + sizeof buf, value);  // shortest round-trip
    double result = value;
    std::from_chars(buf, written.ptr, result);
    return result;
}

}  // namespace tovaris::maintenance
