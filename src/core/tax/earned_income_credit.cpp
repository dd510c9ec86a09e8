#include "tax/earned_income_credit.h"

#include <algorithm>
#include <array>

#include "tax/filing_status.h"

namespace tovaris::tax {
namespace {

constexpr double kInvestmentIncomeLimit = 11000;

struct PhaseOut {
    double start;  // inclusive end of the plateau
    double end;
};

struct EarnedCreditRow {
    double maximum;
    double earnedForMaximum;
    PhaseOut phaseOut;
    PhaseOut jointPhaseOut;
};

// By number of children: 0, 1, 2, 3 or more.
constexpr std::array<EarnedCreditRow, 4> kEarnedCreditTable = {{
    {600, 7840, {9800, 17640}, {16370, 24210}},
    {3995, 11750, {21560, 46560}, {28120, 53120}},
    {6604, 16510, {21560, 52918}, {28120, 59478}},
    {7430, 16510, {21560, 56838}, {28120, 63398}},
}};

double CreditAt(double income, const EarnedCreditRow& row, const PhaseOut& phaseOut) {
    if (income < row.earnedForMaximum) {
        return row.maximum / row.earnedForMaximum * income;
    }
    if (income <= phaseOut.start) {
        return row.maximum;
    }
    if (income <= phaseOut.end) {
        return row.maximum -
               row.maximum / (phaseOut.end - phaseOut.start) * (income - phaseOut.start);
    }
    return 0;
}

}  // namespace

float EarnedIncomeCredit(float agi, float earnedIncome, float investmentIncome,
                         float halfSelfEmploymentTax, std::string_view filingStatus,
                         int16_t earnedCreditChildren) {
    if (investmentIncome > kInvestmentIncomeLimit || filingStatus == kMarriedSeparate) {
        return 0;
    }
    const EarnedCreditRow& row =
        kEarnedCreditTable[std::clamp<int16_t>(earnedCreditChildren, 0, 3)];
    const PhaseOut& phaseOut = IsJointReturn(filingStatus) ? row.jointPhaseOut : row.phaseOut;
    const double earned = double{earnedIncome} - halfSelfEmploymentTax;
    if (earned > phaseOut.end) {
        return 0;
    }
    // Measured once by the AGI (when it is past the plateau) and once by the earned income;
    // the smaller credit stands.
    const double byAgi = CreditAt(agi <= phaseOut.start ? earned : agi, row, phaseOut);
    const double byEarned = CreditAt(earned, row, phaseOut);
    return static_cast<float>(std::min(byAgi, byEarned));
}

}  // namespace tovaris::tax
