#include "maintenance/term_sentences.h"

#include <array>
#include <string_view>

#include "common/format.h"
#include "maintenance/as_typed.h"
#include "maintenance/piecewise.h"

namespace tovaris::maintenance {
namespace {

// A sentence is `text`, or, when `numerator` is not 0, `text` + years x numerator / denominator
// formatted "#0.0" + `tail`.
struct Sentence {
    std::string_view text{};
    double numerator = 0;
    double denominator = 1;
    std::string_view tail{};
};

enum class Award { Some, None };
enum class YearsTest { Any, AtLeast, Above, AtMost, Below };

// A row takes cases with the award, a score in [scoreFrom, scoreBelow) and years x yearsScale
// passing the test. Rows are tried in order, so a later row of a score band takes what the
// earlier ones of the band left.
struct TermRow {
    Award award;
    double scoreFrom;
    double scoreBelow;
    YearsTest test;
    double yearsScale;
    double threshold;
    Sentence line1;
    Sentence line2;
};

constexpr double kNone = -kNoLimit;
constexpr Sentence kEmpty{};
constexpr Sentence kNoneRecommended{" No Maintenance Is Recommended."};

// Texts print exactly as written here, the capitals of "A period", "is Suggested" and
// "Maintenance is Awarded" and the missing period after "Long Term ... Years" included. Between 73
// and 78 points a marriage of 20 years or more always gives more than 6 years at 0.46, so only the
// shorter marriages can fall back to 6 years.
constexpr std::array<TermRow, 22> kTermRows{{
    {Award::Some,
     83,
     kNoLimit,
     YearsTest::Any,
     1,
     0,
     {" Maintenance Should Not Be Limited By Any Term Of Years."},
     kEmpty},
    {Award::Some,
     78,
     83,
     YearsTest::AtLeast,
     1,
     22,
     {" Permanent Maintenance Is Advised."},
     {" A Term, If Chosen, Should Run For ", 0.5, 1, " Years."}},
    {Award::Some,
     78,
     83,
     YearsTest::Any,
     1,
     0,
     {" Permanent Maintenance Should Be Considered."},
     {" Long Term Maintenance Should Run For ", 0.48, 1, " Years"}},
    {Award::Some,
     73,
     78,
     YearsTest::AtLeast,
     1,
     20,
     {" Permanent Maintenance Could Be Considered."},
     {" Maintenance Should Continue For ", 0.46, 1, " Years."}},
    {Award::Some,
     73,
     78,
     YearsTest::Above,
     0.45,
     6,
     {" Maintenance Should Continue For ", 0.45, 1, " Years."},
     kEmpty},
    {Award::Some,
     73,
     78,
     YearsTest::Any,
     1,
     0,
     {" Maintenance Should Continue For 6 Years."},
     kEmpty},
    {Award::Some,
     66,
     73,
     YearsTest::Any,
     1,
     0,
     {" Maintenance Should Run For A Period Of ", 0.395, 1, " Years."},
     kEmpty},
    {Award::Some,
     60,
     66,
     YearsTest::AtLeast,
     1,
     17.8,
     {" Maintenance Should Run For A period Between 6 And ", 3.5, 10, " Years."},
     kEmpty},
    {Award::Some,
     60,
     66,
     YearsTest::Any,
     1,
     0,
     {" Maintenance Should Run For A Period Between ", 3.3, 10, " And 5 Years."},
     kEmpty},
    {Award::Some,
     50,
     60,
     YearsTest::AtMost,
     0.3,
     5,
     {" Maintenance Should Run For ", 3, 10, " To 5 Years."},
     kEmpty},
    {Award::Some,
     50,
     60,
     YearsTest::Any,
     1,
     0,
     {" Maintenance Should Run For 5 To ", 32, 100, " Years."},
     kEmpty},
    {Award::None,
     kNone,
     50,
     YearsTest::Any,
     1,
     0,
     {" Barring Unusual Circumstances, This Case Does Not Justify An Award"},
     kEmpty},
    {Award::None,
     50,
     kNoLimit,
     YearsTest::Any,
     1,
     0,
     {" While This Case Has Maintenance Aspects, No Award Is Suggested."},
     {" A Greater Income Differential Would Justify An Award."}},
    {Award::Some,
     25,
     50,
     YearsTest::Below,
     0.3,
     3,
     {" Maintenance Should Run For ", 3, 10, " Years."},
     {" Assuming An Award, The Maximum Duration Is 3 Years."}},
    {Award::Some,
     25,
     50,
     YearsTest::AtMost,
     0.3,
     4.2,
     {" Three Years Of Maintenance Should Be Awarded."},
     kEmpty},
    {Award::Some,
     25,
     50,
     YearsTest::Any,
     1,
     0,
     {" Maintenance Should Run From 3 To 5 Years."},
     kEmpty},
    {Award::Some,
     19,
     25,
     YearsTest::Below,
     0.3,
     3,
     {" If Maintenance Is Awarded, Maintenance Should Run For ", 3, 10, " Years."},
     {" Assuming An Award, A Period No Longer Than 3 Years is Suggested."}},
    {Award::Some,
     19,
     25,
     YearsTest::AtMost,
     0.3,
     4.2,
     {" If Maintenance is Awarded, A Maximum Duration Of 3 Years Is Suggested."},
     kEmpty},
    {Award::Some,
     19,
     25,
     YearsTest::Any,
     1,
     0,
     {" If Maintenance is Awarded, A Maximum Duration Of 3 To 5 Years Is Suggested."},
     kEmpty},
    {Award::Some,
     kNone,
     19,
     YearsTest::Below,
     0.3,
     3,
     kNoneRecommended,
     {" But If Awarded, Maintenance Should Run For ", 3, 10, " Years."}},
    {Award::Some,
     kNone,
     19,
     YearsTest::AtMost,
     0.3,
     4.2,
     kNoneRecommended,
     {" But If Awarded, A Maximum Duration Of 3 Years Is Suggested."}},
    {Award::Some,
     kNone,
     19,
     YearsTest::Any,
     1,
     0,
     kNoneRecommended,
     {" But If Awarded, A Maximum Duration Of 3 To 5 Years Is Suggested."}},
}};

bool Passes(YearsTest test, double value, double threshold) {
    switch (test) {
        case YearsTest::Any:
            return true;
        case YearsTest::AtLeast:
            return value >= threshold;
        case YearsTest::Above:
            return value > threshold;
        case YearsTest::AtMost:
            return value <= threshold;
        case YearsTest::Below:
            return value < threshold;
    }
    return false;
}

bool Takes(const TermRow& row, double score, double years, double award) {
    const bool awardMatches = (award > 0) == (row.award == Award::Some);
    return awardMatches && score >= row.scoreFrom && score < row.scoreBelow &&
           Passes(row.test, years * row.yearsScale, row.threshold);
}

std::string Write(const Sentence& s, double years) {
    std::string text(s.text);
    if (s.numerator != 0) {
        text += Format(years * s.numerator / s.denominator, "#0.0");
        text += s.tail;
    }
    return text;
}

}  // namespace

TermLines TermSentences(float caseScore, float yearsMarried, double award) {
    const double years = AsTyped(yearsMarried);
    for (const TermRow& row : kTermRows) {
        if (Takes(row, caseScore, years, award)) {
            return {Write(row.line1, years), Write(row.line2, years)};
        }
    }
    return {};  // the rows cover every score and award; only a NaN gets here
}

}  // namespace tovaris::maintenance
