#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tovaris {

// The clean-up every amount entry goes through before it is read as a number:
// "," "$" blanks and "%" are removed, nothing else.
std::string RemoveCurrencyChars(std::string_view text);

// True when the text (already cleaned) is a plain number: optional sign, digits with at most
// one decimal point (at least one digit), optional exponent. Empty text is not numeric.
bool IsNumeric(std::string_view text);

// The number a numeric text stands for; nullopt when IsNumeric is false.
std::optional<double> ToNumber(std::string_view text);

// RemoveCurrencyChars then ToNumber: the usual way an amount field is read.
std::optional<double> ReadAmount(std::string_view text);

// A typed double quote becomes an apostrophe, so that case files stay parseable.
std::string ReplaceDoubleQuotes(std::string_view text);

// The text with every character of `chars` removed.
std::string RemoveChars(std::string_view text, std::string_view chars);

}  // namespace tovaris
