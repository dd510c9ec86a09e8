#pragma once

#include <cstdint>
#include <string_view>

namespace tovaris::maintenance {

inline constexpr std::string_view kUnlikelyCaseComment =
    " This Is An Unlikely Maintenance Case,\r\n"
    " Barring Some Unusual Or Compelling Circumstance.";

struct WeakCaseResult {
    double Award = 0;
    bool Unlikely = false;  // CaseComment becomes kUnlikelyCaseComment
};

// Scores below 42 lose award in proportion to how far the income differential falls short of
// 1,250,000 / score; what is left below 250 a year marks the case as unlikely. Higher scores
// pass through unchanged.
WeakCaseResult ReduceWeakCase(double award, float caseScore, float claimGrossYearly,
                              float payerGrossYearly, int16_t numMinors);

}  // namespace tovaris::maintenance
