#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tovaris::tax {

// One return's figures for the earned income credit as the 2023 law computes it.
struct LawEarnedCreditInputs {
    float agi = 0;
    // Earned income as IRC 32(c)(2) counts it: taxable wages (no elective deferrals) and net
    // earnings from self-employment, a loss included, less the deductible half of the
    // self-employment tax.
    double earnedIncome = 0;
    // Interest, gains, pass-through distributions, tax-exempt income and positive rents and
    // royalties (Pub. 596, Worksheet 1).
    double investmentIncome = 0;
    std::string filingStatus;
    int16_t children = 0;  // 3 for three or more
    // What is known of the filer's age: the age typed for the Claimant; for the Other Party only
    // whether 65 or older.
    std::optional<double> age{};
    bool age65OrOver = false;
};

// 2023 earned income credit from the Pub. 596 EIC table (the credit at the midpoint of each $50
// band, rounded to the dollar), with the statutory rates of IRC 32(b). A married person filing
// separately qualifies with a qualifying child (IRC 32(d)(2), from 2021: living apart from the
// spouse); without a qualifying child the filer must be 25 to 64 (IRC 32(c)(1)(A)(ii)).
float LawEarnedIncomeCredit(const LawEarnedCreditInputs& inputs);

}  // namespace tovaris::tax
