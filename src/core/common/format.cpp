#include "common/format.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <type_traits>

namespace tovaris {
namespace {

bool IsPlaceholder(char c) {
    return c == '#' || c == '0';
}

struct Pattern {
    std::string prefix;
    std::string suffix;
    std::string integerPlaces;   // '#' and '0' before the point
    std::string fractionPlaces;  // '#' and '0' after the point
    bool groupThousands = false;
    bool hasPoint = false;
    bool percent = false;
    bool writesOwnMinus = false;
};

Pattern ParsePattern(std::string_view text) {
    Pattern p;
    size_t begin = text.find_first_of("#0.");
    size_t end = text.find_last_of("#0");
    if (begin == std::string_view::npos) {
        p.prefix = std::string(text);
    } else {
        if (end == std::string_view::npos || end < begin) {
            end = begin;
        }
        p.prefix = std::string(text.substr(0, begin));
        p.suffix = std::string(text.substr(end + 1));
        for (char c : text.substr(begin, end - begin + 1)) {
            if (c == '.') {
                p.hasPoint = true;
            } else if (c == ',' && !p.hasPoint) {
                p.groupThousands = true;
            } else if (IsPlaceholder(c)) {
                (p.hasPoint ? p.fractionPlaces : p.integerPlaces) += c;
            }
        }
    }
    p.percent = p.prefix.find('%') != std::string::npos || p.suffix.find('%') != std::string::npos;
    p.writesOwnMinus = p.prefix.find('-') != std::string::npos;
    return p;
}

// The magnitude as decimal digits split at the point, rounded half away from zero to
// `fractionDigits` places from its first `significant` digits.
struct Digits {
    std::string integer;   // no leading zeros; empty for zero
    std::string fraction;  // exactly fractionDigits long
};

// The value's decimal digits in scientific notation ("1.234565e+03"), as a double prints them
// to 15 significant digits or a single in the shortest form that reads back to it.
using Scientific = std::string;

Scientific DoubleDigits(double magnitude) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*e", 14, magnitude);
    return buf;
}

Scientific SingleDigits(float magnitude) {
    char buf[64];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific);
    return ec == std::errc() ? std::string(buf, end) : std::string("0e+00");
}

// `shift` moves the point to the right (2 for a percent pattern).
Digits RoundToDigits(const Scientific& scientific, int shift, int fractionDigits) {
    std::string mantissa;
    const char* p = scientific.c_str();
    for (; *p != 'e'; ++p) {
        if (*p != '.') {
            mantissa += *p;
        }
    }
    int exponent = std::atoi(p + 1) + shift;
    int pointPos = exponent + 1;  // number of digits before the point within mantissa

    // Lay the digits out on a fixed grid: lead zeros so the point falls inside.
    int lead = pointPos < 1 ? 1 - pointPos : 0;
    std::string grid = std::string(lead, '0') + mantissa;
    pointPos += lead;
    int keep = pointPos + fractionDigits;
    if (static_cast<int>(grid.size()) < keep + 1) {
        grid.append(keep + 1 - grid.size(), '0');
    }
    bool roundUp = grid[keep] >= '5';
    grid.resize(keep);
    for (int i = keep - 1; roundUp && i >= 0; --i) {
        if (grid[i] == '9') {
            grid[i] = '0';
        } else {
            ++grid[i];
            roundUp = false;
        }
    }
    if (roundUp) {
        grid.insert(grid.begin(), '1');
        ++pointPos;
    }
    Digits d;
    d.integer = grid.substr(0, pointPos);
    d.fraction = grid.substr(pointPos);
    size_t firstNonZero = d.integer.find_first_not_of('0');
    d.integer = firstNonZero == std::string::npos ? "" : d.integer.substr(firstNonZero);
    return d;
}

std::string GroupThousands(const std::string& digits) {
    std::string out;
    int n = static_cast<int>(digits.size());
    for (int i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) {
            out += ',';
        }
        out += digits[i];
    }
    return out;
}

template <typename Number>
std::string FormatNumber(Number value, std::string_view patternText) {
    if (!std::isfinite(value)) {
        return {};  // no pattern can show it; the caller reports the failed calculation
    }
    Pattern pattern = ParsePattern(patternText);
    int fractionDigits = static_cast<int>(pattern.fractionPlaces.size());
    Scientific magnitude;
    if constexpr (std::is_same_v<Number, float>) {
        magnitude = SingleDigits(std::fabs(value));
    } else {
        magnitude = DoubleDigits(std::fabs(value));
    }
    Digits digits = RoundToDigits(magnitude, pattern.percent ? 2 : 0, fractionDigits);

    size_t firstZero = pattern.integerPlaces.find('0');
    size_t minInteger =
        firstZero == std::string::npos ? 0 : pattern.integerPlaces.size() - firstZero;
    std::string integer = digits.integer;
    if (integer.size() < minInteger) {
        integer.insert(0, minInteger - integer.size(), '0');
    }
    if (pattern.groupThousands) {
        integer = GroupThousands(integer);
    }

    size_t lastZero = pattern.fractionPlaces.find_last_of('0');
    size_t minFraction = lastZero == std::string::npos ? 0 : lastZero + 1;
    std::string fraction = digits.fraction;
    while (fraction.size() > minFraction && fraction.back() == '0') {
        fraction.pop_back();
    }

    bool isZero =
        digits.integer.empty() && digits.fraction.find_first_not_of('0') == std::string::npos;
    std::string out;
    if (value < 0 && !isZero && !pattern.writesOwnMinus) {
        out += '-';
    }
    out += pattern.prefix;
    out += integer;
    if (pattern.hasPoint) {
        out += '.';
        out += fraction;
    }
    out += pattern.suffix;
    return out;
}

}  // namespace

std::string Format(double value, std::string_view pattern) {
    return FormatNumber(value, pattern);
}

std::string FormatSingle(float value, std::string_view pattern) {
    return FormatNumber(value, pattern);
}

}  // namespace tovaris
