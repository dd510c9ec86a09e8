#include "maintenance/award_settlement.h"

#include "common/rounding.h"
#include "maintenance/net_income.h"
#include "maintenance/status_text.h"
#include "maintenance/tax_treatment.h"
#include "maintenance/taxed_to_payer.h"
#include "support/child_support_calculation.h"

namespace tovaris::maintenance {
namespace {

bool AwardOutOfTaxes(const MaintenanceResults& m) {
    return m.UnallocatedMode == "Y";
}

bool AwardFeedsChildSupport(const CaseRecord& record) {
    return record.options.applyMaintToCS && !AwardOutOfTaxes(record.results.maintenance);
}

// Child support again with the award as the monthly maintenance, in whole dollars.
void RefreshChildSupport(CaseRecord& record) {
    CaseGlobals& g = record.globals;
    MaintenanceResults& m = record.results.maintenance;
    g.MaintForChildSupport = static_cast<float>(RoundHalfEven(m.SuggestedAward / 12.0));
    m.MaintForChildSupport = g.MaintForChildSupport;
    if (g.NumMinors > 0) {
        CalculateChildSupport(record);
        g.ChildSupportMonthly = static_cast<float>(RoundChildSupport(g.ChildSupportMonthly));
    }
}

struct PartyOutlays {
    double priorMaint = 0;  // both kinds
    double priorChildSupport = 0;
    double priorPaid = 0;
    double careAndHealth = 0;
    float grossYearly = 0;
    bool imputed = false;
};

PartyOutlays OutlaysOf(const CaseRecord& record, IncomeParty party) {
    const CaseGlobals& g = record.globals;
    const PartyIncomeEntries& screen = record.income.Of(party);
    const bool claimant = party == IncomeParty::Claimant;
    const double before2019 = screen.Deduction(IncomeDeduction::PriorMaintPaid);
    const double after2018 = screen.Deduction(IncomeDeduction::PriorMaintPaid2);
    const double childSupport = screen.Deduction(IncomeDeduction::OtherSupport);
    return {
        .priorMaint = before2019 + after2018,
        .priorChildSupport = childSupport,
        .priorPaid = PriorPaid(before2019, childSupport, after2018),
        .careAndHealth =
            claimant
                ? CareAndHealthPaidYearly(g.DayCareClaim, g.ClaimHealthCareMo, g.ClaimSpecialExp)
                : CareAndHealthPaidYearly(g.DayCarePayer, g.PayerHealthCareMo, g.PayerSpecialExp),
        .grossYearly = claimant ? g.ClaimGrossYearly : g.PayerGrossYearly,
        .imputed = (claimant ? g.ClaimImputeStatus : g.PayerImputeStatus) == "Imputed",
    };
}

PartyNetFacts NetFactsOf(const PartyOutlays& o, const PartyTaxFigures& t) {
    return {
        .GrossYearly = o.grossYearly,
        .PriorPaid = o.priorPaid,
        .CareAndHealthPaid = o.careAndHealth,
        .FicaSe = t.FicaSe,
        .StateTax = t.StateTax,
        .FederalTax = t.FederalTax,
        .FederalCredits = t.FederalCredits,
    };
}

MaintenanceColumn ColumnOf(const PartyOutlays& o, const PartyTaxFigures& t, double maintenance,
                           double childSupport, double net) {
    return {
        .Imputed = o.imputed,
        .Joint = t.Joint,
        .GrossYearly = o.grossYearly,
        .PriorMaintPaid = static_cast<float>(o.priorMaint),
        .PriorChildSupportPaid = static_cast<float>(o.priorChildSupport),
        .FicaSe = static_cast<float>(t.FicaSe),
        .Maintenance = static_cast<float>(maintenance),
        .StateTax = static_cast<float>(t.StateTax),
        .FederalTax = static_cast<float>(t.FederalTax),
        .FederalCredits = static_cast<float>(t.FederalCredits),
        .CareAndHealthPaid = static_cast<float>(o.careAndHealth),
        .ChildSupport = static_cast<float>(childSupport),
        .NetYearly = static_cast<float>(net),
    };
}

// The net incomes with the award and the child support in force, over the given taxes.
void StoreNetIncomes(CaseRecord& record, const TaxFigures& taxes) {
    const CaseGlobals& g = record.globals;
    MaintenanceResults& m = record.results.maintenance;
    const PartyOutlays claim = OutlaysOf(record, IncomeParty::Claimant);
    const PartyOutlays payer = OutlaysOf(record, IncomeParty::Other);
    const NetIncomes nets =
        ComputeNetIncomes(g.CustodyType, NetFactsOf(claim, taxes.Claim),
                          NetFactsOf(payer, taxes.Payer), m.SuggestedAward, g.ChildSupportMonthly);
    // The yearly support the net incomes move to the Claimant (negative: the Claimant pays).
    const double supportToClaimant =
        ComputeNetIncomes(g.CustodyType, {}, {}, 0, g.ChildSupportMonthly).ClaimNetYearly;
    m.PriorPaidClaim = static_cast<float>(claim.priorPaid);
    m.PriorPaidPayer = static_cast<float>(payer.priorPaid);
    m.ClaimNetYearly = static_cast<float>(nets.ClaimNetYearly);
    m.PayerNetYearly = static_cast<float>(nets.PayerNetYearly);
    m.Claim = ColumnOf(claim, taxes.Claim, m.SuggestedAward, supportToClaimant, m.ClaimNetYearly);
    m.Payer = ColumnOf(payer, taxes.Payer, -m.SuggestedAward, -supportToClaimant, m.PayerNetYearly);
}

// One pass: the taxes with the award, the child support with it when it is taxable, the net
// incomes. Returns the taxes the net incomes stand on.
TaxFigures NetIncomePass(CaseRecord& record, const TaxFigures& noAward) {
    const MaintenanceResults& m = record.results.maintenance;
    const TaxFigures taxes =
        AwardOutOfTaxes(m) ? noAward : EstimateTaxesWithAward(record, m.SuggestedAward);
    if (AwardFeedsChildSupport(record) && record.globals.TaxTreatment == kTaxedToPayee) {
        RefreshChildSupport(record);
    }
    StoreNetIncomes(record, taxes);
    return taxes;
}

// After the pass without an award: the after-tax award that keeps the Claimant's share of the
// combined net income the taxable award gave, put in place over the taxes of that pass.
void SettlePayerTaxedAward(CaseRecord& record, double claimantShare, const TaxFigures& taxes) {
    CaseGlobals& g = record.globals;
    MaintenanceResults& m = record.results.maintenance;
    m.SuggestedAward =
        static_cast<float>(PayerTaxedAward(claimantShare, m.ClaimNetYearly, m.PayerNetYearly));
    const bool typed = g.AwardOverride == "Y";
    // The suggestion stands as it was made: a typed award runs the passes again from the child
    // support that award left, which must not move the suggestion the sentence states.
    if (!typed) {
        m.SuggestedAwardSaved = m.SuggestedAward;
    }
    g.TaxTreatment = kTaxedToPayer;
    m.CalcStatusText = StatusLine(kTaxedToPayer, typed);
    if (typed) {
        m.SuggestedAward = m.TypedAward;
    }
    if (AwardFeedsChildSupport(record)) {
        RefreshChildSupport(record);
    }
    StoreNetIncomes(record, taxes);
}

}  // namespace

void SettleAward(CaseRecord& record, const TaxFigures& noAward) {
    CaseGlobals& g = record.globals;
    MaintenanceResults& m = record.results.maintenance;
    NetIncomePass(record, noAward);
    if (g.TaxTreatment != kTaxedToPayer) {
        return;
    }
    const double claimantShare = ClaimantNetShare(m.ClaimNetYearly, m.PayerNetYearly);
    m.SuggestedAward = 0;
    g.TaxTreatment = kBetweenPayerPasses;
    const TaxFigures withoutAward = NetIncomePass(record, noAward);
    SettlePayerTaxedAward(record, claimantShare, withoutAward);
}

}  // namespace tovaris::maintenance
