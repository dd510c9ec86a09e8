#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "case/case_options.h"
#include "tax/combine_credits.h"
#include "tax/federal_credits.h"

namespace tovaris::tax {

enum class Party { Claimant, OtherParty };

// A party has no child care credit when the children live with the other party (custody code
// "NonCust" for the Claimant, "Cust" for the Other Party), and under the schedule's rules when
// filing separately from a spouse. The 2023 law treats a married person who lived apart from
// the spouse and kept the child's home as unmarried for the credit (IRC 21(e)(4)).
bool ChildCareCreditAllowed(Party party, std::string_view filingStatus,
                            std::string_view custodyType,
                            FederalTaxRules rules = FederalTaxRules::Schedule);

// One party's credit figures, or a joint return's (then AGI, wages, self-employment income and
// investment income are the couple's).
struct PartyCreditInputs {
    float agi = 0;
    std::string filingStatus;
    bool childCareAllowed = true;  // see ChildCareCreditAllowed
    float yearlyDayCare = 0;       // 12 x the monthly day care expense
    int16_t dayCareChildren = 0;
    bool calculateEarnedCredit = false;  // the party asked for the earned income credit
    int16_t earnedCreditChildren = 0;
    // Short-term gains and interest, pass-through distributions, long-term gains and income
    // not subject to federal tax.
    float investmentIncome = 0;
    CombineCreditsInputs limits;  // its wages plus self-employment income are the earned income

    FederalTaxRules rules = FederalTaxRules::Schedule;
    // 2023 law only: the child care expense is limited to the earned income of the party, or the
    // lower of the two spouses' on a joint return (IRC 21(d)(1)).
    double careEarnedIncomeLimit = 0;
    // 2023 law only: what is known of the party's age, for the earned income credit without a
    // qualifying child.
    std::optional<double> age{};
    bool age65OrOver = false;
};

// The party's credits in their order: child care, child tax, earned income (when asked for),
// then combined.
FederalCredits PartyCredits(const PartyCreditInputs& inputs);

}  // namespace tovaris::tax
