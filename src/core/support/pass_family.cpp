#include "support/pass_family.h"

#include <algorithm>

#include "case/express_party.h"

namespace tovaris::support {

namespace {

// The Express Entry screen offers a split choice for five children.
constexpr int kSplitChoices = 5;

}  // namespace

Households SplitHouseholds(const CaseRecord& record, int16_t k) {
    const CaseGlobals& g = record.globals;
    if (k == g.NumMinors) {
        return {g.ClaimChildrenSplit, g.PayerChildrenSplit};
    }
    int claim = 0;
    int payer = 0;
    for (int child = 0; child < k && child < kSplitChoices; ++child) {
        claim += record.fields.Selected(ElementName("ClaimChild", child)) ? 1 : 0;
        payer += record.fields.Selected(ElementName("OtherChild", child)) ? 1 : 0;
    }
    if (claim + payer == k) {
        return {static_cast<int16_t>(claim), static_cast<int16_t>(payer)};
    }
    int16_t withClaimant = std::clamp<int16_t>(g.ClaimChildrenSplit, 0, k);
    return {withClaimant, static_cast<int16_t>(k - withClaimant)};
}

}  // namespace tovaris::support
