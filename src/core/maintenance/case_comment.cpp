#include "maintenance/case_comment.h"

#include <array>

#include "maintenance/piecewise.h"

namespace tovaris::maintenance {
namespace {

enum class DiffTest { Any, Below, AtLeast };

// A band takes the scores below `scoreLimit` (or on it, when `includesLimit`) that no earlier
// band took. Only 55 belongs to the band below it; every other edge opens the band above.
struct CommentBand {
    double scoreLimit;
    bool includesLimit;
    DiffTest diffTest;
    double diffThreshold;
    std::string_view comment;
};

constexpr std::string_view kVeryWeak = " This Represents A Very Weak Claim For Maintenance.";

constexpr std::array<CommentBand, 15> kBands{{
    {19, false, DiffTest::Below, 70000, kVeryWeak},
    {19, false, DiffTest::AtLeast, 70000,
     " This Is A Very Weak Case. Only Income Differential Is Compelling."},
    {25, false, DiffTest::Below, 70000, kVeryWeak},
    {25, false, DiffTest::AtLeast, 70000,
     " This Is A Weak Case. Income Differential May Merit Some Consideration."},
    {42, false, DiffTest::AtLeast, 30000,
     " This Represents An Arguable Case For Maintenance,\r\n"
     " Due To The Parties' Income Differential."},
    {42, false, DiffTest::Below, 30000,
     " This Is A Moderately Weak Maintenance Case,\r\n"
     " Barring Some Unusual Or Compelling Circumstance."},
    {50, false, DiffTest::AtLeast, 30000, " This Is A Fair Case For Short Term Maintenance."},
    {50, false, DiffTest::Below, 30000,
     " This Is An Arguable/Possible Case For Short Term Maintenance."},
    {55, true, DiffTest::Any, 0, " This Is A Good Case For Short Term Maintenance."},
    {60, false, DiffTest::Any, 0, " This Is A Very Good Case For Short Term Maintenance."},
    {66, false, DiffTest::Any, 0,
     " This Is A Strong Case For Maintenance In Some Term Of Years.\r\n"
     " Long Term Maintenance Is Possible."},
    {73, false, DiffTest::Any, 0,
     " This Is A Very Good Case For Long Term Maintenance.\r\n"
     " Certain Cases Where The Marriage Exceeds 20 Years And Children Were Born,\r\n"
     " Deserve Review For A Permanent Maintenance Award."},
    {78, false, DiffTest::Any, 0,
     " This Represents A Very Strong Case For Long Term Maintenance.\r\n"
     " A Permanent Award Is Possible."},
    {83, false, DiffTest::Any, 0,
     " This Is A Good Case For Permanent Maintenance.\r\n"
     " At A Minimum, A Long Term Award Is Justified."},
    {kNoLimit, false, DiffTest::Any, 0, " Permanent Maintenance Is Justified."},
}};

bool Takes(const CommentBand& band, double score, double incomeDiff) {
    const bool inBand = score < band.scoreLimit || (band.includesLimit && score == band.scoreLimit);
    switch (band.diffTest) {
        case DiffTest::Below:
            return inBand && incomeDiff < band.diffThreshold;
        case DiffTest::AtLeast:
            return inBand && incomeDiff >= band.diffThreshold;
        case DiffTest::Any:
            break;
    }
    return inBand;
}

}  // namespace

std::string_view CaseCommentFor(double score, double incomeDiff) {
    for (const CommentBand& band : kBands) {
        if (Takes(band, score, incomeDiff)) {
            return band.comment;
        }
    }
    return kBands.back().comment;
}

}  // namespace tovaris::maintenance
