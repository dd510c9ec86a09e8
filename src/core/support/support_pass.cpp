#include "support/support_pass.h"

#include "common/rounding.h"
#include "support/basic_obligation.h"
#include "support/shared_schedule.h"
#include "support/split_schedule.h"

namespace tovaris::support {

namespace {

// Keep divisions by a zero combined income defined.
constexpr float kZeroCombined = 0.00000000001f;
constexpr double kShareGuard = 0.00000001;

SharedMethod SharedMethodOf(const CaseOptions& options) {
    switch (options.sharedMethod) {
        case tovaris::SharedMethod::SumDaysColorado:
            return SharedMethod::SumDaysColorado;
        case tovaris::SharedMethod::SquaredDays:
            return SharedMethod::SquaredDays;
        default:
            return SharedMethod::SumDays;
    }
}

void PriceBasicObligations(const Pass& pass, SupportResults& r) {
    if (pass.dualWorksheets) {
        DualWorksheetShares shares =
            DualWorksheetBasicShares(pass.household1, pass.household2, r.CombinedNet, r.ClaimShare,
                                     r.PayerShare, pass.extrapolate, pass.method);
        r.PerChildSupport = shares.household1.perChild;
        r.BasicObligation = shares.household1.total;
        r.PerChildSupport2 = shares.household2.perChild;
        r.BasicObligation2 = shares.household2.total;
        r.Extrapolated = shares.household1.extrapolated || shares.household2.extrapolated;
        r.ClaimBasicShare = shares.claimBasicShare;
        r.PayerBasicShare = shares.payerBasicShare;
        r.ClaimBasicShare2 = shares.claimBasicShare2;
        r.PayerBasicShare2 = shares.payerBasicShare2;
        return;
    }
    BasicObligationLookup lookup =
        LookupBasicObligation(pass.k, r.CombinedNet, pass.extrapolate, pass.method);
    r.PerChildSupport = lookup.perChild;
    r.BasicObligation = lookup.total;
    r.PerChildSupport2 = {};
    r.BasicObligation2 = 0;
    r.Extrapolated = lookup.extrapolated;
    r.ClaimBasicShare = static_cast<float>(RoundDollars(double(r.BasicObligation) * r.ClaimShare));
    r.PayerBasicShare = static_cast<float>(RoundDollars(double(r.BasicObligation) * r.PayerShare));
    r.ClaimBasicShare2 = r.PayerBasicShare2 = 0;
}

void UseLimitedShares(SupportResults& r) {
    r.ClaimBasicShare = r.ClaimLimitedShare;
    r.PayerBasicShare = r.PayerLimitedShare;
    r.ClaimBasicShare2 = r.ClaimLimitedShare2;
    r.PayerBasicShare2 = r.PayerLimitedShare2;
}

double TotalExpenses(const CaseGlobals& g) {
    return (double(g.PayerHealthCareMo) + g.ClaimHealthCareMo) +
           (double(g.ClaimSpecialExp) + g.DayCareClaim + g.DayCarePayer + g.PayerSpecialExp);
}

void ShareExpenses(const CaseGlobals& g, const Pass& pass, SupportResults& r) {
    double total = TotalExpenses(g);
    r.CareHealthPaidClaim =
        static_cast<float>(double(g.ClaimSpecialExp) + g.DayCareClaim + g.ClaimHealthCareMo);
    r.CareHealthPaidPayer =
        static_cast<float>(double(g.PayerSpecialExp) + g.DayCarePayer + g.PayerHealthCareMo);
    if (pass.dualWorksheets) {
        DualWorksheetResult dual = DualWorksheets({r.ClaimShare, r.PayerShare, r.ClaimBasicShare2,
                                                   r.PayerBasicShare, static_cast<float>(total),
                                                   r.CareHealthPaidClaim, r.CareHealthPaidPayer});
        r.ClaimExpenseShare = dual.claimExpenseShare;
        r.PayerExpenseShare = dual.payerExpenseShare;
        r.ClaimStandardObligation = dual.claimStandardObligation;
        r.PayerStandardObligation = dual.payerStandardObligation;
        r.SplitNet = dual.splitNet;
        return;
    }
    r.ClaimExpenseShare = static_cast<float>(RoundDollars(r.ClaimShare * total));
    r.PayerExpenseShare = static_cast<float>(RoundDollars(r.PayerShare * total));
    r.ClaimStandardObligation =
        static_cast<float>(double(r.ClaimExpenseShare) + r.ClaimBasicShare - r.CareHealthPaidClaim);
    r.PayerStandardObligation =
        static_cast<float>(double(r.PayerExpenseShare) + r.PayerBasicShare - r.CareHealthPaidPayer);
}

// A parent's deviation counts unless his limitation blocks it.
double DeviationOf(const SupportResults& r, float deviation, const std::string& mark) {
    if (r.DeviationApplied != 1 || (mark == "NA" && r.LimitsApplied == 1)) {
        return 0;
    }
    return deviation;
}

float Transfer(const CaseRecord& record, const Pass& pass, const SupportResults& r) {
    double oc = r.ClaimStandardObligation - DeviationOf(r, r.ClaimDeviation, r.ClaimLimitMark);
    double op = r.PayerStandardObligation - DeviationOf(r, r.PayerDeviation, r.PayerLimitMark);
    if (pass.custody == "Cust") {
        return static_cast<float>(op);
    }
    if (pass.custody == "NonCust") {
        return static_cast<float>(-oc);
    }
    if (pass.custody == "Shared") {
        return SharedTransfer(SharedMethodOf(record.options), static_cast<float>(oc),
                              static_cast<float>(op), r.ClaimTimeFactor, r.PayerTimeFactor);
    }
    if (pass.arvey) {
        return ArveyTransfer(static_cast<float>(oc), static_cast<float>(op), pass.household1,
                             pass.household2, pass.k);
    }
    return static_cast<float>(op - oc);  // dual worksheets
}

void KeepTier(const Pass& pass, SupportResults& r) {
    if (pass.k > 5) {
        return;
    }
    double netExpense = double(r.PayerExpenseShare) - r.CareHealthPaidPayer;
    r.TierTransfer[pass.k] = static_cast<float>(r.ChildSupportTransfer - netExpense);
    r.TierSet[pass.k] = true;
    if (pass.k == 1) {
        r.TierExpense1 = static_cast<float>(netExpense);
    }
}

}  // namespace

void RunSupportPass(CaseRecord& record, const Pass& pass) {
    SupportResults& r = record.results.support;
    r.CombinedNet = pass.claimNet + pass.payerNet;
    if (r.CombinedNet == 0) {
        r.CombinedNet = kZeroCombined;
    }
    r.ClaimShare = static_cast<float>(pass.claimNet / (double(r.CombinedNet) + kShareGuard));
    r.PayerShare = static_cast<float>(pass.payerNet / (double(r.CombinedNet) + kShareGuard));
    PriceBasicObligations(pass, r);
    ApplyLimitations(r, pass);
    if (r.LimitsApplied == 1) {
        UseLimitedShares(r);
    }
    ComputeDeviations(record, pass, r);
    if (pass.custody == "Shared") {
        SharedMethod method = SharedMethodOf(record.options);
        r.ClaimBasicShare = SharedBasicShare(method, r.ClaimBasicShare);
        r.PayerBasicShare = SharedBasicShare(method, r.PayerBasicShare);
    }
    ShareExpenses(record.globals, pass, r);
    r.ChildSupportTransfer = Transfer(record, pass, r);
    KeepTier(pass, r);
}

}  // namespace tovaris::support
