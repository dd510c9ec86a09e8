#include "support/transfer.h"

#include "support/split_schedule.h"

namespace tovaris::support {

bool DeviationBlocked(const SupportResults& r, const std::string& limitMark) {
    return limitMark == "NA" && r.LimitsApplied == 1;
}

double DeviationInForce(const SupportResults& r, float deviation, const std::string& limitMark) {
    if (r.DeviationApplied != 1 || DeviationBlocked(r, limitMark)) {
        return 0;
    }
    return deviation;
}

float Transfer(const Pass& pass, const SupportResults& r) {
    // Each formula takes the obligations with the deviations in force (Oc and Op).
    const auto oc = static_cast<float>(r.ClaimStandardObligation -
                                       DeviationInForce(r, r.ClaimDeviation, r.ClaimLimitMark));
    const auto op = static_cast<float>(r.PayerStandardObligation -
                                       DeviationInForce(r, r.PayerDeviation, r.PayerLimitMark));
    switch (pass.residence) {
        case Residence::WithClaimant:
            return op;
        case Residence::WithOtherParty:
            return -oc;
        case Residence::Shared:
            return SharedTransfer(pass.sharedMethod, oc, op, pass.nights.claim, pass.nights.payer);
        case Residence::SplitArvey:
            return ArveyTransfer(oc, op, pass.household1, pass.household2, pass.k);
        case Residence::SplitDual:
            return static_cast<float>(double(op) - oc);
        case Residence::NotPriced:
            break;
    }
    return r.ChildSupportTransfer;
}

}  // namespace tovaris::support
