#include "calculators/entry_number.h"

#include "common/entry_text.h"

namespace tovaris::calculators {

std::optional<double> EntryNumber(std::string_view text) {
    const std::string cleaned = RemoveCurrencyChars(text);
    return cleaned.empty() ? std::optional<double>(0.0) : ToNumber(cleaned);
}

}  // namespace tovaris::calculators
