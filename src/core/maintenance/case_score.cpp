#include "maintenance/case_score.h"

#include <algorithm>
#include <array>

#include "common/rounding.h"
#include "maintenance/as_typed.h"
#include "maintenance/case_comment.h"
#include "maintenance/piecewise.h"

namespace tovaris::maintenance {
namespace {

// Years of marriage on a 0 to 100 scale; the part weighs 0.35 of it. Twenty years exactly is a
// point of its own (70), between the rising 10-20 line and the 21-30 line.
constexpr double kMarriageWeight = 0.35;
constexpr std::array<Piece, 6> kMarriageScale{{
    {5, true, 0},
    {10, true, 0, 5, 4.7},
    {20, false, 23.3, 10, 4.7},
    {20, true, 70},
    {30, false, 73, 21, 3},
    {kNoLimit, false, 100},
}};

constexpr std::array<Piece, 5> kAgeScale{{
    {30, true, 0},
    {35, true, 0, 30, 0.2},
    {45, true, 1, 35, 3 * 0.1},
    {60, false, 4, 45, 0.4},
    {kNoLimit, false, 10},
}};

// Indexed by the number of children born during the marriage; five or more count as five.
constexpr std::array<double, 6> kChildrenPoints{-5, 5, 7.5, 10, 12.5, 15};

constexpr std::array<Piece, 4> kIncomeDiffAmount{{
    {20000, false, 0},
    {20000, true, 500},
    {193354, false, 500, 20000, 0.2393939},
    {kNoLimit, false, 42000},
}};

// The Claimant's income less the differential amount: 0 or less earns all 30 points, 42,000 or
// more earns none.
constexpr std::array<Piece, 3> kIncomeScale{{
    {0, true, 30},
    {42000, false, 0, 42000, -0.71428571428 / 1000},
    {kNoLimit, false, 0},
}};

// Indexed by the caregiver code 1 to 3 (slot 0 unused); any other code adds nothing.
constexpr std::array<double, 4> kCaregiverPoints{0, 0, -1, -15};
constexpr int kFirstCaregiverCode = 1;

}  // namespace

double MarriagePoints(float yearsMarried) {
    return EvaluatePieces(kMarriageScale, AsTyped(yearsMarried)) * kMarriageWeight;
}

double AgePoints(float claimantAge) {
    return EvaluatePieces(kAgeScale, AsTyped(claimantAge));
}

double ChildrenPoints(int16_t numChildren) {
    const int last = static_cast<int>(kChildrenPoints.size()) - 1;
    return kChildrenPoints[std::clamp<int>(numChildren, 0, last)];
}

double IncomeDiffAmount(float incomeDiff) {
    return EvaluatePieces(kIncomeDiffAmount, incomeDiff);
}

double IncomePoints(float claimGrossYearly, float incomeDiff) {
    return EvaluatePieces(kIncomeScale, claimGrossYearly - IncomeDiffAmount(incomeDiff));
}

double CaregiverPoints(int16_t numChildren, int16_t caregiverCode) {
    const int last = static_cast<int>(kCaregiverPoints.size()) - 1;
    if (numChildren == 0 || caregiverCode < kFirstCaregiverCode || caregiverCode > last) {
        return 0;
    }
    return kCaregiverPoints[caregiverCode];
}

CaseScoreResult ComputeCaseScore(const CaseScoreInputs& in) {
    CaseScoreResult out;
    out.IncomeDiff = static_cast<float>(double{in.PayerGrossYearly} - double{in.ClaimGrossYearly});
    CaseScoreParts& p = out.Parts;
    p.Marriage = MarriagePoints(in.YearsMarried);
    p.Age = AgePoints(in.ClaimantAge);
    p.Children = ChildrenPoints(in.NumChildren);
    p.EdSkill = in.ClaimantEdSkill;
    p.Income = IncomePoints(in.ClaimGrossYearly, out.IncomeDiff);
    p.Caregiving = CaregiverPoints(in.NumChildren, in.CaregiverCode);

    double score = p.Marriage + p.Age + p.Children + p.EdSkill + p.Income + p.Caregiving;
    score = score <= 1 ? 1 : std::min(score, 100.0);
    // The verdict reads the score before rounding: 55.004 shows as 55.00 yet reads "Very Good".
    out.CaseComment = std::string(CaseCommentFor(score, out.IncomeDiff));
    out.CaseScore = static_cast<float>(RoundHalfEven(score * 100) / 100);
    return out;
}

}  // namespace tovaris::maintenance
