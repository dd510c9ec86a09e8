#include "common/entry_text.h"

#include <cctype>
#include <cstdlib>

namespace tovaris {

std::string RemoveChars(std::string_view text, std::string_view chars) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (chars.find(c) == std::string_view::npos) {
            out += c;
        }
    }
    return out;
}

std::string RemoveCurrencyChars(std::string_view text) {
    return RemoveChars(text, ",$ %");
}

namespace {

bool IsDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// Consumes digits from pos; returns how many were read.
size_t SkipDigits(std::string_view text, size_t& pos) {
    size_t start = pos;
    while (pos < text.size() && IsDigit(text[pos])) {
        ++pos;
    }
    return pos - start;
}

}  // namespace

bool IsNumeric(std::string_view text) {
    size_t pos = 0;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        ++pos;
    }
    size_t digits = SkipDigits(text, pos);
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        digits += SkipDigits(text, pos);
    }
    if (digits == 0) {
        return false;
    }
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        ++pos;
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
            ++pos;
        }
        if (SkipDigits(text, pos) == 0) {
            return false;
        }
    }
    return pos == text.size();
}

std::optional<double> ToNumber(std::string_view text) {
    if (!IsNumeric(text)) {
        return std::nullopt;
    }
    std::string copy(text);
    return std::strtod(copy.c_str(), nullptr);
}

std::optional<double> ReadAmount(std::string_view text) {
    return ToNumber(RemoveCurrencyChars(text));
}

std::string ReplaceDoubleQuotes(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c == '"') {
            c = '\'';
        }
    }
    return out;
}

}  // namespace tovaris
