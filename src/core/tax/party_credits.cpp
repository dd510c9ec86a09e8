#include "tax/party_credits.h"

#include <algorithm>

#include "tax/child_care_credit.h"
#include "tax/child_tax_credit.h"
#include "tax/earned_income_credit.h"
#include "tax/filing_status.h"
#include "tax/law_earned_income_credit.h"

namespace tovaris::tax {

namespace {

bool UnderLaw(const PartyCreditInputs& in) {
    return in.rules == FederalTaxRules::Law2023;
}

float CareExpenseAllowed(const PartyCreditInputs& in) {
    if (!UnderLaw(in)) {
        return in.yearlyDayCare;
    }
    return static_cast<float>(
        std::max(std::min<double>(in.yearlyDayCare, in.careEarnedIncomeLimit), 0.0));
}

float EarnedCredit(const PartyCreditInputs& in) {
    const CombineCreditsInputs& limits = in.limits;
    const auto earned = static_cast<float>(double{limits.wages} + limits.selfEmploymentIncome);
    if (!UnderLaw(in)) {
        return EarnedIncomeCredit(in.agi, earned, in.investmentIncome, limits.halfSelfEmploymentTax,
                                  in.filingStatus, in.earnedCreditChildren);
    }
    return LawEarnedIncomeCredit({.agi = in.agi,
                                  .earnedIncome = double{earned} - limits.halfSelfEmploymentTax,
                                  .investmentIncome = in.investmentIncome,
                                  .filingStatus = in.filingStatus,
                                  .children = in.earnedCreditChildren,
                                  .age = in.age,
                                  .age65OrOver = in.age65OrOver});
}

}  // namespace

bool ChildCareCreditAllowed(Party party, std::string_view filingStatus,
                            std::string_view custodyType, FederalTaxRules rules) {
    const std::string_view childrenWithOtherParty = party == Party::Claimant ? "NonCust" : "Cust";
    const bool separateReturnAllowed = rules == FederalTaxRules::Law2023;
    return (separateReturnAllowed || filingStatus != kMarriedSeparate) &&
           custodyType != childrenWithOtherParty;
}

FederalCredits PartyCredits(const PartyCreditInputs& in) {
    const CombineCreditsInputs& limits = in.limits;
    FederalCredits credits;
    if (in.childCareAllowed) {
        credits.childCare = ChildCareCredit(in.agi, CareExpenseAllowed(in), in.dayCareChildren);
    }
    credits.childTax = ChildTaxCredit(in.agi, in.filingStatus, limits.taxCreditChildren);
    if (in.calculateEarnedCredit) {
        credits.earnedIncome = EarnedCredit(in);
    }
    return CombineCredits(limits, credits);
}

}  // namespace tovaris::tax
