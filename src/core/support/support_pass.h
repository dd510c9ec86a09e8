#pragma once

#include <cstdint>
#include <string>

#include "case/case_record.h"
#include "support/extrapolation.h"

namespace tovaris::support {

// What stays the same in every pass of one calculation, and what changes with k.
struct Pass {
    int16_t k = 0;  // children priced in this pass
    float claimNet = 0;
    float payerNet = 0;
    std::string custody;
    bool dualWorksheets = false;  // "Split" with the dual worksheet method
    bool arvey = false;           // "Split" with the Arvey method
    int16_t household1 = 0;       // split: the children of the pass living with the Claimant
    int16_t household2 = 0;       // ... and with the Other Party
    int16_t extrapolate = 0;
    ExtrapolationMethod method = ExtrapolationMethod::Dont;
    float reserve = 1519;

    // The children a $50 minimum counts: the household's own for dual worksheets.
    int16_t MinimumChildren(int household) const {
        return dualWorksheets ? (household == 1 ? household1 : household2) : k;
    }
};

// Steps 3 to 14 of one pass, writing record.results.support.
void RunSupportPass(CaseRecord& record, const Pass& pass);

// The low-income limitations of one pass: limited shares, texts, marks and the limits button.
void ApplyLimitations(SupportResults& r, const Pass& pass);

// Each parent's deviation for children of other relationships in this pass (0 where none), and
// the deviation button.
void ComputeDeviations(const CaseRecord& record, const Pass& pass, SupportResults& r);

}  // namespace tovaris::support
