#pragma once

#include <cstdint>
#include <string>

namespace tovaris::maintenance {

// The six case facts the score is built from, as the read-in holds them.
struct CaseScoreInputs {
    float YearsMarried = 0;
    float ClaimantAge = 0;
    float ClaimantEdSkill = 0;  // typed from the education/skills reference table, 0-15
    int16_t NumChildren = 0;    // born during the marriage
    int16_t CaregiverCode = 0;  // 1 Claimant, 2 shared, 3 Other Parent
    float ClaimGrossYearly = 0;
    float PayerGrossYearly = 0;
};

// The points each fact contributed, before the clamp.
struct CaseScoreParts {
    double Marriage = 0;
    double Age = 0;
    double Children = 0;
    double EdSkill = 0;
    double Income = 0;
    double Caregiving = 0;
};

struct CaseScoreResult {
    float CaseScore = 1;      // 1.00 to 100.00, two decimals
    std::string CaseComment;  // lines begin with a blank and are joined by "\r\n"
    float IncomeDiff = 0;     // PayerGrossYearly - ClaimGrossYearly
    CaseScoreParts Parts;
};

// How strong the Claimant's claim for maintenance is, 1 to 100, with its verdict comment.
// The caller also resets AwardOverride to "N": a new score discards a typed award.
CaseScoreResult ComputeCaseScore(const CaseScoreInputs& in);

// The parts one by one, at most 35, 10, 15 and 30 points for marriage, age, children and income.
// Years and age count as typed (AsTyped), as every entry does where it meets a scale's bounds.
double MarriagePoints(float yearsMarried);
double AgePoints(float claimantAge);
double ChildrenPoints(int16_t numChildren);
// The dollars per year by which a large income differential lowers the Claimant's income
// before it is rated.
double IncomeDiffAmount(float incomeDiff);
double IncomePoints(float claimGrossYearly, float incomeDiff);
double CaregiverPoints(int16_t numChildren, int16_t caregiverCode);

}  // namespace tovaris::maintenance
