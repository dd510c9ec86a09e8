#include "support/other_children.h"

#include <algorithm>
#include <array>

#include "case/income_entries.h"
#include "support/basic_obligation.h"

namespace tovaris::support {

namespace {

// Second family method: the allowance for the other children at home by their number, five or
// more sharing the last rate.
constexpr std::array<double, 6> kHouseholdRates = {0, 0.10, 0.15, 0.20, 0.225, 0.25};

constexpr double kShareGuard = 0.00000001;

int OtherChildren(const OtherChildrenBands& b) {
    return b.homeUnder12 + b.home12Plus + b.awayUnder12 + b.away12Plus;
}

int OtherChildrenAtHome(const OtherChildrenBands& b) {
    return b.homeUnder12 + b.home12Plus;
}

// The caption says what a click does, so an applied deviation reads "Hide Deviation".
void EnableDeviation(SupportResults& r) {
    r.DeviationButton = r.DeviationApplied == 1 ? "Hide Deviation" : "Show Deviation";
    r.DeviationButtonEnabled = true;
}

// Whole family method: a parent's deviation is considered only where he pays for the case's
// children, that is in every schedule but the one where the children live with him.
struct WholeFamilyParents {
    bool claim;
    bool payer;
};

WholeFamilyParents WholeFamilyEligible(Residence residence) {
    switch (residence) {
        case Residence::WithClaimant:
            return {false, true};
        case Residence::WithOtherParty:
            return {true, false};
        case Residence::Shared:
        case Residence::SplitArvey:
        case Residence::SplitDual:
            return {true, true};
        case Residence::NotPriced:
            break;
    }
    return {false, false};
}

// A parent's share of what the case's children lose by being priced as part of his larger
// family. Every position of one lookup carries the same amount, so the case's children hold
// caseChildren times the whole family's per-child amount.
float WholeFamilyDeviation(const Pass& pass, SupportResults& r, int caseChildren,
                           float basicObligation, const OtherChildrenBands& others, float share) {
    const int family = caseChildren + OtherChildren(others);
    const BasicObligationLookup whole = LookupBasicObligation(
        static_cast<int16_t>(family), r.CombinedNet, pass.extrapolate, pass.method);
    r.OtherChildrenSum = static_cast<float>(double(caseChildren) * whole.perChild[0]);
    return static_cast<float>((double(basicObligation) - r.OtherChildrenSum) * share);
}

// With dual worksheets each parent's whole family is priced with the household he pays for:
// the Claimant with household 2, the Other Party with household 1.
void ApplyWholeFamilyMethod(const CaseRecord& record, const Pass& pass, SupportResults& r) {
    const WholeFamilyParents eligible = WholeFamilyEligible(pass.residence);
    const CaseGlobals& g = record.globals;
    const bool dual = pass.DualWorksheets();
    if (eligible.payer && record.fields.Ticked("PayerSecFamCheck")) {
        EnableDeviation(r);
        r.PayerDeviationComputed = true;
        r.PayerDeviation = WholeFamilyDeviation(pass, r, dual ? pass.household1 : pass.k,
                                                r.BasicObligation, g.PayerOtherBands, r.PayerShare);
    }
    if (eligible.claim && record.fields.Ticked("ClaimSecFamCheck")) {
        EnableDeviation(r);
        r.ClaimDeviationComputed = true;
        r.ClaimDeviation = WholeFamilyDeviation(pass, r, dual ? pass.household2 : pass.k,
                                                dual ? r.BasicObligation2 : r.BasicObligation,
                                                g.ClaimOtherBands, r.ClaimShare);
    }
}

// Net income less the yearly support paid for other children living elsewhere (it counts only
// when some do) and the allowance for those at home.
double AdjustedNet(float net, const OtherChildrenBands& others, float yearlySupportPaid) {
    const bool someElsewhere = others.awayUnder12 + others.away12Plus > 0;
    const double paid = someElsewhere ? yearlySupportPaid / 12.0 : 0;
    return net - paid - HouseholdAllowanceRate(OtherChildrenAtHome(others)) * net;
}

float BasicObligationAt(int children, double combined, const Pass& pass) {
    if (children <= 0) {
        return 0;
    }
    return LookupBasicObligation(static_cast<int16_t>(children), static_cast<float>(combined),
                                 pass.extrapolate, pass.method)
        .total;
}

// Runs before the shared Colorado factor, so the deviations come from the unmultiplied shares.
void ApplySecondFamilyMethod(const CaseRecord& record, const Pass& pass, SupportResults& r) {
    const CaseFields& fields = record.fields;
    if (!fields.Ticked("ClaimSecFamCheck") && !fields.Ticked("PayerSecFamCheck")) {
        return;
    }
    EnableDeviation(r);
    r.ClaimDeviationComputed = r.PayerDeviationComputed = true;
    const CaseGlobals& g = record.globals;
    auto supportPaid = [&](IncomeParty party) {
        return record.income.Of(party).Deduction(IncomeDeduction::OtherSupport);
    };
    const double claimNet =
        AdjustedNet(pass.claimNet, g.ClaimOtherBands, supportPaid(IncomeParty::Claimant));
    const double payerNet =
        AdjustedNet(pass.payerNet, g.PayerOtherBands, supportPaid(IncomeParty::Other));
    const double combined = claimNet + payerNet;
    const double claimShare = claimNet / (combined + kShareGuard);
    const double payerShare = payerNet / (combined + kShareGuard);
    if (pass.DualWorksheets()) {
        // Each parent against the household he pays for, as the worksheets pair them.
        r.ClaimDeviation = static_cast<float>(
            r.ClaimBasicShare2 - BasicObligationAt(pass.household2, combined, pass) * claimShare);
        r.PayerDeviation = static_cast<float>(
            r.PayerBasicShare - BasicObligationAt(pass.household1, combined, pass) * payerShare);
        return;
    }
    const double adjusted = BasicObligationAt(pass.k, combined, pass);
    r.ClaimDeviation = static_cast<float>(r.ClaimBasicShare - adjusted * claimShare);
    r.PayerDeviation = static_cast<float>(r.PayerBasicShare - adjusted * payerShare);
}

}  // namespace

double HouseholdAllowanceRate(int childrenAtHome) {
    return kHouseholdRates[std::clamp<int>(childrenAtHome, 0, kHouseholdRates.size() - 1)];
}

void ComputeDeviations(const CaseRecord& record, const Pass& pass, SupportResults& r) {
    r.DeviationButton = "No 2nd Families";
    r.DeviationButtonEnabled = false;
    r.ClaimDeviation = 0;
    r.PayerDeviation = 0;
    r.ClaimDeviationComputed = r.PayerDeviationComputed = false;
    r.OtherChildrenSum = 0;
    if (record.options.otherFamilyMethod == OtherFamilyMethod::WholeMethod) {
        ApplyWholeFamilyMethod(record, pass, r);
    } else {
        ApplySecondFamilyMethod(record, pass, r);
    }
}

}  // namespace tovaris::support
