#include "support/support_pass.h"

#include "common/rounding.h"
#include "support/basic_obligation.h"
#include "support/limitations.h"
#include "support/other_children.h"
#include "support/split_schedule.h"
#include "support/transfer.h"

namespace tovaris::support {

namespace {

// Keep divisions by a zero combined income defined.
constexpr float kZeroCombined = 0.00000000001f;
constexpr double kShareGuard = 0.00000001;

// The last family size that keeps a tier.
constexpr int kLastTier = 5;

float RoundedShare(float obligation, float share) {
    return static_cast<float>(RoundDollars(double(obligation) * share));
}

void ShareIncome(const Pass& pass, SupportResults& r) {
    r.CombinedNet = pass.claimNet + pass.payerNet;
    if (r.CombinedNet == 0) {
        r.CombinedNet = kZeroCombined;
    }
    r.ClaimShare = static_cast<float>(pass.claimNet / (double(r.CombinedNet) + kShareGuard));
    r.PayerShare = static_cast<float>(pass.payerNet / (double(r.CombinedNet) + kShareGuard));
}

void PriceDualWorksheets(const Pass& pass, SupportResults& r) {
    const DualWorksheetShares shares =
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
}

// One family of the pass's k children (the Arvey split prices them together too).
void PriceOneFamily(const Pass& pass, SupportResults& r) {
    const BasicObligationLookup lookup =
        LookupBasicObligation(pass.k, r.CombinedNet, pass.extrapolate, pass.method);
    r.PerChildSupport = lookup.perChild;
    r.BasicObligation = lookup.total;
    r.PerChildSupport2 = {};
    r.BasicObligation2 = 0;
    r.Extrapolated = lookup.extrapolated;
    r.ClaimBasicShare = RoundedShare(r.BasicObligation, r.ClaimShare);
    r.PayerBasicShare = RoundedShare(r.BasicObligation, r.PayerShare);
    r.ClaimBasicShare2 = 0;
    r.PayerBasicShare2 = 0;
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

// Expense shares and standard obligations; dual worksheets split the expenses over both.
void ShareExpenses(const CaseGlobals& g, const Pass& pass, SupportResults& r) {
    const double total = TotalExpenses(g);
    r.CareHealthPaidClaim =
        static_cast<float>(double(g.ClaimSpecialExp) + g.DayCareClaim + g.ClaimHealthCareMo);
    r.CareHealthPaidPayer =
        static_cast<float>(double(g.PayerSpecialExp) + g.DayCarePayer + g.PayerHealthCareMo);
    if (pass.DualWorksheets()) {
        const DualWorksheetResult dual = DualWorksheets(
            {r.ClaimShare, r.PayerShare, r.ClaimBasicShare2, r.PayerBasicShare,
             static_cast<float>(total), r.CareHealthPaidClaim, r.CareHealthPaidPayer});
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

// Support by number of children leaves out what the Other Party owes for expenses.
void KeepTier(const Pass& pass, SupportResults& r) {
    if (pass.k > kLastTier) {
        return;
    }
    const double netExpense = double(r.PayerExpenseShare) - r.CareHealthPaidPayer;
    r.TierTransfer[pass.k] = static_cast<float>(r.ChildSupportTransfer - netExpense);
    r.TierSet[pass.k] = true;
    r.Tiers[pass.k] = {static_cast<float>(double(r.BasicObligation) + r.BasicObligation2),
                       r.ClaimTimeFactor, r.PayerTimeFactor, pass.household1, pass.household2};
    if (pass.k == 1) {
        r.TierExpense1 = static_cast<float>(netExpense);
    }
}

}  // namespace

Residence ResidenceOf(const CaseRecord& record) {
    const std::string& custody = record.globals.CustodyType;
    if (custody == "Cust") {
        return Residence::WithClaimant;
    }
    if (custody == "NonCust") {
        return Residence::WithOtherParty;
    }
    if (custody == "Shared") {
        return Residence::Shared;
    }
    if (custody == "Split") {
        return record.options.splitMethod == tovaris::SplitMethod::DualWS ? Residence::SplitDual
                                                                          : Residence::SplitArvey;
    }
    return Residence::NotPriced;
}

void RunSupportPass(CaseRecord& record, const Pass& pass) {
    SupportResults& r = record.results.support;
    ShareIncome(pass, r);
    if (pass.DualWorksheets()) {
        PriceDualWorksheets(pass, r);
    } else {
        PriceOneFamily(pass, r);
    }
    ApplyLimitations(pass, r);
    if (r.LimitsApplied == 1) {
        UseLimitedShares(r);
    }
    ComputeDeviations(record, pass, r);
    if (pass.residence == Residence::Shared) {
        r.ClaimTimeFactor = pass.nights.claim;
        r.PayerTimeFactor = pass.nights.payer;
        r.ClaimBasicShare = SharedBasicShare(pass.sharedMethod, r.ClaimBasicShare);
        r.PayerBasicShare = SharedBasicShare(pass.sharedMethod, r.PayerBasicShare);
    }
    ShareExpenses(record.globals, pass, r);
    r.ChildSupportTransfer = Transfer(pass, r);
    KeepTier(pass, r);
}

}  // namespace tovaris::support
