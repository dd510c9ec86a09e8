#include "support/child_support_calculation.h"

#include <algorithm>

#include "case/case_record.h"
#include "case/express_party.h"
#include "case/parenting_time_table.h"
#include "common/entry_text.h"
#include "common/format.h"
#include "support/parenting_time.h"
#include "support/support_pass.h"
#include "tax/net_income_phase.h"

namespace tovaris {

namespace {

using support::Pass;

constexpr float kDefaultReserve = 1519;

support::ExtrapolationMethod MethodOf(Extrapolation choice) {
    switch (choice) {
        case Extrapolation::Curve:
            return support::ExtrapolationMethod::Curve;
        case Extrapolation::Linear:
            return support::ExtrapolationMethod::Linear;
        default:
            return support::ExtrapolationMethod::Dont;
    }
}

// The reserve typed on the worksheet; anything that is not a number puts the default back.
float ReadReserve(CaseRecord& record) {
    std::optional<double> typed = ReadAmount(record.fields.Text("NeedLimit"));
    if (!typed) {
        record.fields.SetText("NeedLimit", "$ 1519");
        return kDefaultReserve;
    }
    return static_cast<float>(*typed);
}

// The split of the k children of a pass between the households: the per-child choices of the
// k youngest when all are made, else as many as the Claimant's count allows with the Claimant.
void CountHouseholds(const CaseRecord& record, Pass& pass) {
    const CaseGlobals& g = record.globals;
    if (pass.k == g.NumMinors) {
        pass.household1 = g.ClaimChildrenSplit;
        pass.household2 = g.PayerChildrenSplit;
        return;
    }
    int claim = 0;
    int other = 0;
    for (int i = 0; i < pass.k && i < 5; ++i) {
        claim += record.fields.Selected(ElementName("ClaimChild", i)) ? 1 : 0;
        other += record.fields.Selected(ElementName("OtherChild", i)) ? 1 : 0;
    }
    if (claim + other == pass.k) {
        pass.household1 = static_cast<int16_t>(claim);
        pass.household2 = static_cast<int16_t>(other);
        return;
    }
    pass.household1 = std::min<int16_t>(pass.k, g.ClaimChildrenSplit);
    pass.household2 = static_cast<int16_t>(pass.k - pass.household1);
}

Pass FirstPass(CaseRecord& record) {
    const CaseGlobals& g = record.globals;
    const CaseOptions& o = record.options;
    Pass pass;
    pass.claimNet = record.results.tax.Claim.NetMonthly;
    pass.payerNet = record.results.tax.Payer.NetMonthly;
    pass.custody = g.CustodyType;
    bool split = g.CustodyType == "Split";
    pass.dualWorksheets = split && o.splitMethod == SplitMethod::DualWS;
    pass.arvey = split && o.splitMethod == SplitMethod::Arvey;
    pass.method = MethodOf(o.extrapolation);
    pass.extrapolate = o.extrapolation == Extrapolation::Dont ? 0 : 1;
    return pass;
}

// Everything but the button switches is recomputed by each run.
void ResetResults(SupportResults& r) {
    SupportResults fresh;
    fresh.LimitsApplied = r.LimitsApplied;
    fresh.DeviationApplied = r.DeviationApplied;
    r = fresh;
}

void FinishCalculation(CaseRecord& record) {
    SupportResults& r = record.results.support;
    CaseGlobals& g = record.globals;
    record.fields.SetText("ChildSupport", FormatSingle(r.ChildSupportTransfer, "$###,##0"));
    if (record.options.applyMaintToCS) {
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
    Pass pass = FirstPass(record);
    r.ExtrapolateFlag = pass.extrapolate;
    int16_t minors = record.globals.NumMinors;
    auto averages = support::AvgNightsByFamilySize(ClaimNightsOldestFirst(record.fields, minors));
    for (int16_t k = 1; k <= minors; ++k) {
        pass.k = k;
        pass.reserve = ReadReserve(record);
        record.globals.SelfSupportReserve = pass.reserve;
        CountHouseholds(record, pass);
        const support::AverageNights& nights = averages[std::min<int>(k, averages.size()) - 1];
        r.ClaimTimeFactor = nights.claim;
        r.PayerTimeFactor = nights.payer;
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
