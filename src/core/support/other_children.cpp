#include <array>

#include "case/income_entries.h"
#include "support/basic_obligation.h"
#include "support/support_pass.h"

namespace tovaris::support {

namespace {

// Second family method: the part of a parent's net income set aside for the children of his
// household, by how many live there (five or more share the last rate).
constexpr std::array<double, 6> kHouseholdRates = {0, 0.10, 0.15, 0.20, 0.225, 0.25};

int OtherChildren(const OtherChildrenBands& b) {
    return b.homeUnder12 + b.home12Plus + b.awayUnder12 + b.away12Plus;
}

int OtherChildrenAtHome(const OtherChildrenBands& b) {
    return b.homeUnder12 + b.home12Plus;
}

void EnableDeviation(SupportResults& r) {
    r.DeviationButton = "Show Deviation";
    r.DeviationButtonEnabled = true;
}

// The whole family method for one parent: his share of what the case's children lose by being
// priced as part of his larger family.
float WholeFamilyDeviation(const Pass& pass, SupportResults& r, int caseChildren,
                           float basicObligation, const OtherChildrenBands& others, float share) {
    int family = caseChildren + OtherChildren(others);
    BasicObligationLookup whole = LookupBasicObligation(static_cast<int16_t>(family), r.CombinedNet,
                                                        pass.extrapolate, pass.method);
    r.OtherChildrenSum = static_cast<float>(double(caseChildren) * whole.perChild[0]);
    return static_cast<float>((double(basicObligation) - r.OtherChildrenSum) * share);
}

void ApplyWholeFamilyMethod(const CaseRecord& record, const Pass& pass, SupportResults& r) {
    const CaseFields& fields = record.fields;
    const CaseGlobals& g = record.globals;
    bool oneFamilyPricing = pass.custody == "Shared" || pass.arvey;
    // With dual worksheets each parent's family is priced with the household he pays for.
    bool payer = fields.Ticked("PayerSecFamCheck") &&
                 (pass.custody == "Cust" || oneFamilyPricing || pass.dualWorksheets);
    bool claim = fields.Ticked("ClaimSecFamCheck") &&
                 (pass.custody == "NonCust" || oneFamilyPricing || pass.dualWorksheets);
    if (payer) {
        EnableDeviation(r);
        int children = pass.dualWorksheets ? pass.household1 : pass.k;
        r.PayerDeviation = WholeFamilyDeviation(pass, r, children, r.BasicObligation,
                                                g.PayerOtherBands, r.PayerShare);
    }
    if (claim) {
        EnableDeviation(r);
        int children = pass.dualWorksheets ? pass.household2 : pass.k;
        float obligation = pass.dualWorksheets ? r.BasicObligation2 : r.BasicObligation;
        r.ClaimDeviation =
            WholeFamilyDeviation(pass, r, children, obligation, g.ClaimOtherBands, r.ClaimShare);
    }
}

// Net income less support paid for children elsewhere and the household's allowance.
double AdjustedNet(float net, const OtherChildrenBands& others, float yearlySupportPaid) {
    int atHome = std::min(OtherChildrenAtHome(others), 5);
    bool someElsewhere = others.awayUnder12 + others.away12Plus > 0;
    double paid = someElsewhere ? yearlySupportPaid / 12.0 : 0;
    return net - paid - kHouseholdRates[atHome] * net;
}

float BasicObligationAt(int children, double combined, const Pass& pass) {
    if (children <= 0) {
        return 0;
    }
    return LookupBasicObligation(static_cast<int16_t>(children), static_cast<float>(combined),
                                 pass.extrapolate, pass.method)
        .total;
}

void ApplySecondFamilyMethod(const CaseRecord& record, const Pass& pass, SupportResults& r) {
    const CaseFields& fields = record.fields;
    if (!fields.Ticked("ClaimSecFamCheck") && !fields.Ticked("PayerSecFamCheck")) {
        return;
    }
    EnableDeviation(r);
    const CaseGlobals& g = record.globals;
    auto supportPaid = [&](IncomeParty party) {
        return record.income.Of(party).Deduction(IncomeDeduction::OtherSupport);
    };
    double claimNet =
        AdjustedNet(pass.claimNet, g.ClaimOtherBands, supportPaid(IncomeParty::Claimant));
    double payerNet =
        AdjustedNet(pass.payerNet, g.PayerOtherBands, supportPaid(IncomeParty::Other));
    double combined = claimNet + payerNet;
    double claimShare = claimNet / (combined + 0.00000001);
    double payerShare = payerNet / (combined + 0.00000001);
    if (pass.dualWorksheets) {
        r.ClaimDeviation = static_cast<float>(
            r.ClaimBasicShare2 - BasicObligationAt(pass.household2, combined, pass) * claimShare);
        r.PayerDeviation = static_cast<float>(
            r.PayerBasicShare - BasicObligationAt(pass.household1, combined, pass) * payerShare);
        return;
    }
    double adjusted = BasicObligationAt(pass.k, combined, pass);
    r.ClaimDeviation = static_cast<float>(r.ClaimBasicShare - adjusted * claimShare);
    r.PayerDeviation = static_cast<float>(r.PayerBasicShare - adjusted * payerShare);
}

}  // namespace

void ComputeDeviations(const CaseRecord& record, const Pass& pass, SupportResults& r) {
    r.DeviationButton = "No 2nd Families";
    r.DeviationButtonEnabled = false;
    r.ClaimDeviation = 0;
    r.PayerDeviation = 0;
    r.OtherChildrenSum = 0;
    if (record.options.otherFamilyMethod == OtherFamilyMethod::WholeMethod) {
        ApplyWholeFamilyMethod(record, pass, r);
    } else {
        ApplySecondFamilyMethod(record, pass, r);
    }
}

}  // namespace tovaris::support
