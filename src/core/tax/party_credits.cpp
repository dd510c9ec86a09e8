#include "tax/party_credits.h"

#include "tax/child_care_credit.h"
#include "tax/child_tax_credit.h"
#include "tax/earned_income_credit.h"
#include "tax/filing_status.h"

namespace tovaris::tax {

bool ChildCareCreditAllowed(Party party, std::string_view filingStatus,
                            std::string_view custodyType) {
    const std::string_view childrenWithOtherParty = party == Party::Claimant ? "NonCust" : "Cust";
    return filingStatus != kMarriedSeparate && custodyType != childrenWithOtherParty;
}

FederalCredits PartyCredits(const PartyCreditInputs& in) {
    const CombineCreditsInputs& limits = in.limits;
    FederalCredits credits;
    if (in.childCareAllowed) {
        credits.childCare = ChildCareCredit(in.agi, in.yearlyDayCare, in.dayCareChildren);
    }
    credits.childTax = ChildTaxCredit(in.agi, in.filingStatus, limits.taxCreditChildren);
    if (in.calculateEarnedCredit) {
        const auto earned = static_cast<float>(double{limits.wages} + limits.selfEmploymentIncome);
        credits.earnedIncome =
            EarnedIncomeCredit(in.agi, earned, in.investmentIncome, limits.halfSelfEmploymentTax,
                               in.filingStatus, in.earnedCreditChildren);
    }
    return CombineCredits(limits, credits);
}

}  // namespace tovaris::tax
