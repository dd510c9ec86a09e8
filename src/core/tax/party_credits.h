#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "tax/combine_credits.h"
#include "tax/federal_credits.h"

namespace tovaris::tax {

enum class Party { Claimant, OtherParty };

// A party has no child care credit when filing separately from a spouse or when the children
// live with the other party (custody code "NonCust" for the Claimant, "Cust" for the Other
// Party).
bool ChildCareCreditAllowed(Party party, std::string_view filingStatus,
                            std::string_view custodyType);

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
};

// The party's credits in their order: child care, child tax, earned income (when asked for),
// then combined.
FederalCredits PartyCredits(const PartyCreditInputs& inputs);

}  // namespace tovaris::tax
