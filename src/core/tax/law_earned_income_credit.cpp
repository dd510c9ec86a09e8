#include "tax/law_earned_income_credit.h"

#include <algorithm>
#include <array>

#include "common/rounding.h"
#include "tax/filing_status.h"
#include "tax/tax_table.h"

namespace tovaris::tax {
namespace {

constexpr double kInvestmentIncomeLimit = 11000;  // IRC 32(i), 2023 (Rev. Proc. 2022-38)
constexpr double kYoungestWithoutChild = 25;
constexpr double kOldestWithoutChild = 65;  // "has not attained age 65"

struct Limits {
    double threshold;  // phase-out starts above it
    double completed;  // the credit is gone here
};

struct StatutoryRow {
    double creditRate;
    double earnedAmount;
    double maximum;
    double phaseOutRate;
    Limits single;  // also Head and MarriedSep
    Limits joint;
};

// Rev. Proc. 2022-38 section 3.06, by qualifying children 0, 1, 2, 3 or more.
constexpr std::array<StatutoryRow, 4> kStatutory = {{
    {0.0765, 7840, 600, 0.0765, {9800, 17640}, {16370, 24210}},
    {0.34, 11750, 3995, 0.1598, {21560, 46560}, {28120, 53120}},
    {0.40, 16510, 6604, 0.2106, {21560, 52918}, {28120, 59478}},
    {0.45, 16510, 7430, 0.2106, {21560, 56838}, {28120, 63398}},
}};

double StatutoryCredit(double income, const StatutoryRow& row, const Limits& limits) {
    const double phasedIn = std::min(row.creditRate * income, row.maximum);
    return std::max(phasedIn - row.phaseOutRate * std::max(income - limits.threshold, 0.0), 0.0);
}

// The EIC table's amount for an income: nothing from the completed phase-out on.
double TableCredit(double income, const StatutoryRow& row, const Limits& limits) {
    if (income <= 0 || income >= limits.completed) {
        return 0;
    }
    return RoundDollars(
        StatutoryCredit(EarnedCreditTableMidpoint(income, limits.completed), row, limits));
}

bool OutsideChildlessAges(const LawEarnedCreditInputs& in) {
    if (in.age) {
        return *in.age < kYoungestWithoutChild || *in.age >= kOldestWithoutChild;
    }
    return in.age65OrOver;
}

bool Qualifies(const LawEarnedCreditInputs& in) {
    if (in.investmentIncome > kInvestmentIncomeLimit) {
        return false;
    }
    if (in.children > 0) {
        return true;
    }
    // Without a qualifying child: no separate return, and the age test. On a joint return either
    // spouse may meet it, and the new spouse's age is not known.
    return in.filingStatus != kMarriedSeparate &&
           (IsJointReturn(in.filingStatus) || !OutsideChildlessAges(in));
}

}  // namespace

float LawEarnedIncomeCredit(const LawEarnedCreditInputs& in) {
    if (!Qualifies(in)) {
        return 0;
    }
    const StatutoryRow& row = kStatutory[std::clamp<int16_t>(in.children, 0, 3)];
    const Limits& limits = IsJointReturn(in.filingStatus) ? row.joint : row.single;
    double credit = TableCredit(in.earnedIncome, row, limits);
    // Pub. 596 Worksheet A, line 5: an AGI not below the threshold is looked up too, the
    // smaller credit stands.
    if (in.agi >= limits.threshold && in.agi != in.earnedIncome) {
        credit = std::min(credit, TableCredit(in.agi, row, limits));
    }
    return static_cast<float>(credit);
}

}  // namespace tovaris::tax
