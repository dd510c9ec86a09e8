#pragma once

#include <cstdint>
#include <string_view>

#include "support/basic_obligation.h"

namespace tovaris::support {

// How a split residential schedule, with some children living with each parent, is priced
// ("Split Calculation Default" menu).
enum class SplitMethod {
    Arvey,   // one family of all children; each parent owes for the children with the other
    DualWS,  // one worksheet per household, netted
};

std::string_view MenuCaption(SplitMethod method);

// Arvey: each parent owes his standard obligation in proportion to the children living with the
// other parent. Positive when the Other Party pays the Claimant; not rounded. childCount is the
// family of the pass (at least 1); the split counts are its children with each parent.
float ArveyTransfer(float claimObligation, float payerObligation, float claimSplitCount,
                    float payerSplitCount, int16_t childCount);

// Dual worksheets, first half: both households priced at the full combined income, and each
// parent's rounded share of each. Household 1 is the children living with the Claimant,
// household 2 those living with the Other Party; an empty household costs 0.
struct DualWorksheetShares {
    BasicObligationLookup household1;  // PerChildSupport, BasicObligation
    BasicObligationLookup household2;  // PerChildSupport2, BasicObligation2
    float claimBasicShare = 0;
    float payerBasicShare = 0;
    float claimBasicShare2 = 0;
    float payerBasicShare2 = 0;
};

DualWorksheetShares DualWorksheetBasicShares(int16_t claimHouseholdChildren,
                                             int16_t payerHouseholdChildren, float combinedNet,
                                             float claimShare, float payerShare,
                                             int16_t extrapolate, ExtrapolationMethod method);

// Dual worksheets, second half, after the limitations have settled the basic shares: each
// parent owes his share for the household of the other parent, and each worksheet carries half
// of the children's expenses.
struct DualWorksheetInputs {
    float claimShare = 0;
    float payerShare = 0;
    float claimBasicShare2 = 0;  // the Claimant's share for the children with the Other Party
    float payerBasicShare = 0;   // the Other Party's share for the children with the Claimant
    float totalExpenses = 0;     // day care, health care and special expenses of both parents
    float careHealthPaidClaim = 0;
    float careHealthPaidPayer = 0;
};

struct DualWorksheetResult {
    float claimExpenseShare = 0;  // not rounded, unlike one-household cases
    float payerExpenseShare = 0;
    float claimStandardObligation = 0;
    float payerStandardObligation = 0;
    float splitNet = 0;  // the transfer, positive when the Other Party pays the Claimant
};

DualWorksheetResult DualWorksheets(const DualWorksheetInputs& in);

}  // namespace tovaris::support
