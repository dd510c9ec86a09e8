#pragma once

#include <array>
#include <string>

#include "calculators/entry_error.h"

namespace tovaris::calculators {

// One of the seven calculations of "Financial Calculations": its caption, the labels of the
// entries it uses (in the order `Text1` to `Text4`, nullptr past the last) and its answer.
struct FinancialOption {
    const char* caption;
    std::array<const char*, 4> labels;
    const char* answerLabel;
};

inline constexpr int kFinancialOptionCount = 7;

// Option 1 to 7.
const FinancialOption& FinancialOptionOf(int option);
int EntryCount(const FinancialOption& option);

struct FinancialAnswer {
    double answer = 0;
    std::string answerText;  // as `txtAnswer` shows it
    std::string answerNote;  // `lblAnswerNote`; empty where the option has none
};

// The option's answer from the entries as typed (`Text1` ... `Text4`).
Outcome<FinancialAnswer> CalculateFinancial(int option, const std::array<std::string, 4>& entries);

}  // namespace tovaris::calculators
