#include "maintenance/suggested_award.h"

#include "maintenance/adjusted_income.h"
#include "maintenance/award_limits.h"
#include "maintenance/diff_rate.h"
#include "maintenance/gross_up.h"
#include "maintenance/raw_award.h"
#include "maintenance/target_share.h"
#include "maintenance/weak_case.h"

namespace tovaris::maintenance {
namespace {

struct PartyEntries {
    double grossYearly;
    double grossGuard;
    double dayCareMonthly;
    double healthCareMonthly;
    double specialExpMonthly;
};

PartyEntries EntriesOf(const CaseGlobals& g, IncomeParty party) {
    if (party == IncomeParty::Claimant) {
        return {g.ClaimGrossYearly, kClaimGrossGuard, g.DayCareClaim, g.ClaimHealthCareMo,
                g.ClaimSpecialExp};
    }
    return {g.PayerGrossYearly, kPayerGrossGuard, g.DayCarePayer, g.PayerHealthCareMo,
            g.PayerSpecialExp};
}

PartyIncomeFacts IncomeFactsOf(const CaseRecord& record, IncomeParty party,
                               const PartyTaxFigures& taxes) {
    const PartyEntries e = EntriesOf(record.globals, party);
    const PartyIncomeEntries& screen = record.income.Of(party);
    const GrossUpFactors factors =
        ComputeGrossUp(taxes.FederalTax, e.grossYearly + e.grossGuard, taxes.AGI);
    return {
        .GrossYearly = e.grossYearly,
        .UntaxedGrossUp =
            UntaxedGrossUp(factors, taxes.NontaxableSocialSecurity,
                           screen.YearlyIncome(IncomeSource::Free), taxes.BusinessDeduction),
        .MarginalGrossUp = factors.Marginal,
        .FicaSe = taxes.FicaSe,
        .PriorMaintBefore2019 = screen.Deduction(IncomeDeduction::PriorMaintPaid),
        .PriorMaintAfter2018 = screen.Deduction(IncomeDeduction::PriorMaintPaid2),
        .OtherChildSupportPaid = screen.Deduction(IncomeDeduction::OtherSupport),
        .DayCareMonthly = e.dayCareMonthly,
        .ChildCareCredit = taxes.ChildCareCredit,
        .HealthCareMonthly = e.healthCareMonthly,
        .SpecialExpMonthly = e.specialExpMonthly,
    };
}

CustodyFacts CustodyFactsOf(const CaseGlobals& g) {
    return {
        .CustodyType = g.CustodyType,
        .NumMinors = g.NumMinors,
        .ClaimChildrenSplit = g.ClaimChildrenSplit,
        .PayerChildrenSplit = g.PayerChildrenSplit,
        .ClaimSharedTime = g.ClaimSharedTime,
    };
}

}  // namespace

AwardSuggestion SuggestAward(const CaseRecord& record, const TaxFigures& noAward) {
    const CaseGlobals& g = record.globals;
    const float score = record.results.maintenance.CaseScore;
    const PartyIncomeFacts claim = IncomeFactsOf(record, IncomeParty::Claimant, noAward.Claim);
    const PartyIncomeFacts payer = IncomeFactsOf(record, IncomeParty::Other, noAward.Payer);
    const AdjustedIncomes adjusted =
        ComputeAdjustedIncomes(g.CustodyType, claim, payer, g.ChildSupportMonthly);

    AwardSuggestion s;
    s.TargetShare = TargetShare(CustodyFactsOf(g));
    s.DiffRate = DiffRate(DifferentialAfterPayroll(claim, payer));
    const double raw = RawAward(g.CustodyType, score, g.NumMinors, s.DiffRate, s.TargetShare,
                                adjusted.Claimant, adjusted.Payer);
    const WeakCaseResult weak =
        ReduceWeakCase(raw, score, g.ClaimGrossYearly, g.PayerGrossYearly, g.NumMinors);
    s.Unlikely = weak.Unlikely;
    s.Award = ApplyAwardLimits(weak.Award, score, g.ClaimGrossYearly, g.PayerGrossYearly);
    return s;
}

}  // namespace tovaris::maintenance
