#pragma once

#include <string>
#include <vector>

#include "calculators/entry_error.h"

namespace tovaris::calculators {

enum class Ira72tMethod { LE, Amortization, Annuity };  // `MethodMin`, `MethodAmort`, ...

// The entries of "72(t) IRA Withdrawals" as typed, named as its controls.
struct Ira72tEntries {
    std::string CurrentAgeYrs;
    std::string AgeEndYrs;
    std::string IRAAmount;
    std::string IraInterestRate;  // the account's yearly gain, percent
    std::string InterestRate;     // 120 % of the federal mid-term rate, percent
    Ira72tMethod method = Ira72tMethod::LE;
};

struct ProjectedBalance {
    int age;
    double balance;  // at the end of the year of that age
};

struct Ira72tWithdrawals {
    double LEYearly = 0;
    double LEMonthly = 0;
    double AmortYearly = 0;
    double AmortMonthly = 0;
    double AnnuityYearly = 0;
    double AnnuityMonthly = 0;
    double lifeExpectancy = 0;  // single life table at the current age
    double annuityFactor = 0;
    std::vector<ProjectedBalance> projection;  // for the chosen method
};

Outcome<Ira72tWithdrawals> CalculateIra72t(const Ira72tEntries& entries);

// The annuity-due factor of the fixed annuitization method: survival to each age from `age` on,
// discounted at `rate` (decimal), age `age` itself counted with weight 1.
double AnnuityFactor(int age, double rate);

// The withdrawal boxes' "$###,###,###" and a line of the projection list.
std::string WithdrawalText(double amount);
std::string ProjectionLine(const ProjectedBalance& year);

}  // namespace tovaris::calculators
