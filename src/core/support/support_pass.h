#pragma once

#include <cstdint>

#include "case/case_record.h"
#include "support/extrapolation.h"
#include "support/parenting_time.h"
#include "support/shared_schedule.h"

namespace tovaris::support {

// Where the children live, with the split method the menus chose; it picks the pricing and the
// transfer formula of every pass.
enum class Residence {
    WithClaimant,    // "Cust"
    WithOtherParty,  // "NonCust"
    Shared,          // "Shared", by the chosen shared method
    SplitArvey,      // "Split", one family of all the children
    SplitDual,       // "Split", one worksheet per household
    NotPriced,       // any other custody code: no pass changes the transfer
};

// The case's CustodyType with the split method of the menus.
Residence ResidenceOf(const CaseRecord& record);

// What stays the same in every pass of one calculation, and the family of the pass.
struct Pass {
    Residence residence = Residence::NotPriced;
    SharedMethod sharedMethod = SharedMethod::SumDays;
    float claimNet = 0;
    float payerNet = 0;
    int16_t extrapolate = 0;
    ExtrapolationMethod method = ExtrapolationMethod::Dont;

    int16_t k = 0;           // children priced in this pass
    float reserve = 1519;    // the self-support reserve, read afresh for each pass
    int16_t household1 = 0;  // split: the children of the pass living with the Claimant
    int16_t household2 = 0;  // ... and with the Other Party
    AverageNights nights;    // shared: the pass family's average overnights

    bool DualWorksheets() const { return residence == Residence::SplitDual; }

    // The children a $50 minimum counts: the household's own for dual worksheets, else all.
    int16_t MinimumChildren(int household) const {
        if (!DualWorksheets()) {
            return k;
        }
        return household == 1 ? household1 : household2;
    }
};

// One pass for the family of pass.k children: shares, basic obligations, limitations,
// deviations, expenses, standard obligations, the transfer and its tier, written to
// record.results.support.
void RunSupportPass(CaseRecord& record, const Pass& pass);

}  // namespace tovaris::support
