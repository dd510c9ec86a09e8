#include "support/child_support_calculation.h"

#include <vector>

#include "case/case_record.h"
#include "case/parenting_time_table.h"
#include "common/format.h"
#include "support/parenting_time.h"
#include "support/pass_family.h"
#include "support/self_support_reserve.h"
#include "support/support_pass.h"
#include "tax/net_income_phase.h"

namespace tovaris {

namespace {

using support::Pass;
using support::Residence;

support::SharedMethod SharedMethodOf(SharedMethod choice) {
    switch (choice) {
        case SharedMethod::SumDaysColorado:
            return support::SharedMethod::SumDaysColorado;
        case SharedMethod::SquaredDays:
            return support::SharedMethod::SquaredDays;
        case SharedMethod::SumDays:
            break;
    }
    return support::SharedMethod::SumDays;
}

// The settings every pass shares; SetPassFamily adds what changes with k.
Pass PassSettings(const CaseRecord& record) {
    Pass pass;
    pass.residence = support::ResidenceOf(record);
    pass.sharedMethod = SharedMethodOf(record.options.sharedMethod);
    pass.claimNet = record.results.tax.Claim.NetMonthly;
    pass.payerNet = record.results.tax.Payer.NetMonthly;
    pass.method = support::ExtrapolationOf(record.options.extrapolation);
    pass.extrapolate = record.options.extrapolation == Extrapolation::Dont ? 0 : 1;
    return pass;
}

// Everything but the button switches is recomputed by each run.
void ResetResults(SupportResults& r) {
    SupportResults fresh;
    fresh.LimitsApplied = r.LimitsApplied;
    fresh.DeviationApplied = r.DeviationApplied;
    r = fresh;
}

// The family of k children: the split households, or the average nights of the k youngest.
void SetPassFamily(const CaseRecord& record, const std::vector<float>& claimNights, int16_t k,
                   Pass& pass) {
    pass.k = k;
    const bool split =
        pass.residence == Residence::SplitArvey || pass.residence == Residence::SplitDual;
    const support::Households households =
        split ? support::SplitHouseholds(record, k) : support::Households{};
    pass.household1 = households.claim;
    pass.household2 = households.payer;
    pass.nights = support::AvgNightsForFamily(claimNights, k);
}

void FinishCalculation(CaseRecord& record) {
    SupportResults& r = record.results.support;
    CaseGlobals& g = record.globals;
    record.fields.SetText("ChildSupport", FormatSingle(r.ChildSupportTransfer, "$###,##0"));
    if (record.options.applyMaintToCS) {
        // Maintenance works with the amount the noncustodial Claimant pays.
        g.ChildSupportMonthly = r.ChildSupportTransfer;
        if (g.CustodyType == "NonCust" && g.ChildSupportMonthly < 0) {
            g.ChildSupportMonthly = -g.ChildSupportMonthly;
        }
    }
    r.LimitsAppliedAtCalc = r.LimitsApplied;
    r.Computed = true;
}

}  // namespace

void RunSupportPhase(CaseRecord& record) {
    SupportResults& r = record.results.support;
    ResetResults(r);
    Pass pass = PassSettings(record);
    r.ExtrapolateFlag = pass.extrapolate;
    const int16_t minors = record.globals.NumMinors;
    const std::vector<float> claimNights = ClaimNightsOldestFirst(record.fields, minors);
    // The last pass, with every minor, leaves the case's results; the earlier ones their tiers.
    for (int16_t k = 1; k <= minors; ++k) {
        SetPassFamily(record, claimNights, k, pass);
        pass.reserve = support::ReadSelfSupportReserve(record.fields);
        record.globals.SelfSupportReserve = pass.reserve;
        support::RunSupportPass(record, pass);
    }
    FinishCalculation(record);
}

void CalculateChildSupport(CaseRecord& record) {
    record.results.tax.MonthlyMaintenance = record.globals.MaintForChildSupport;
    RunNetIncomePhase(record);
    RunSupportPhase(record);
}

}  // namespace tovaris
