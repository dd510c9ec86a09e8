#pragma once

#include <string>

namespace tovaris::maintenance {

struct TermLines {
    std::string TermLine1;
    std::string TermLine2;  // often empty
};

// The two sentences on the term of maintenance, from the case score, the years of marriage and
// the yearly award after floors and ceilings (before rounding to whole months).
TermLines TermSentences(float caseScore, float yearsMarried, double award);

}  // namespace tovaris::maintenance
