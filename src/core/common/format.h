#pragma once

#include <string>
#include <string_view>

namespace tovaris {

// Formats a number with a display pattern the way the classic BASIC Format function does:
//   '#' digit or nothing, '0' digit or zero, ',' in the integer part groups thousands,
//   '.' the decimal point (always shown when the pattern has one), '%' multiplies by 100,
//   anything else before or after the placeholders is copied literally ("$ ", "%").
// Rounding is half away from zero on the decimal digits of the value (15 significant digits,
// as a double prints). A negative value gets a leading "-" unless the pattern writes its own
// "-"; a value that rounds to zero shows no sign. An infinite or NaN value gives "".
std::string Format(double value, std::string_view pattern);

// The same for an amount held in single precision: its decimal digits are the shortest decimal
// that reads back to the same single, so 1234.565f and 150000.55f format as the user typed them,
// not as their binary values, and no digit of a typed amount is lost however large.
std::string FormatSingle(float value, std::string_view pattern);

}  // namespace tovaris
