#include "maintenance/recommend_maintenance.h"

#include "maintenance/award_limits.h"
#include "maintenance/award_settlement.h"
#include "maintenance/case_score.h"
#include "maintenance/maintenance_taxes.h"
#include "maintenance/status_text.h"
#include "maintenance/suggested_award.h"
#include "maintenance/tax_treatment.h"
#include "maintenance/term_sentences.h"
#include "maintenance/weak_case.h"

namespace tovaris {
namespace {

using maintenance::MaintenanceResults;

maintenance::CaseScoreInputs CaseScoreInputsOf(const CaseGlobals& g) {
    return {
        .YearsMarried = g.YearsMarried,
        .ClaimantAge = g.ClaimantAge,
        .ClaimantEdSkill = g.ClaimantEdSkill,
        .NumChildren = g.NumChildren,
        .CaregiverCode = g.CaregiverCode,
        .ClaimGrossYearly = g.ClaimGrossYearly,
        .PayerGrossYearly = g.PayerGrossYearly,
    };
}

// Only the suggestion itself is remembered; a typed award or an unallocated transfer is not.
bool SuggestionInForce(const CaseGlobals& g, const MaintenanceResults& m) {
    return m.UnallocatedMode == "N" && g.AwardOverride == "N" && g.NewUnallocFlag == "N";
}

void SetSuggestedAward(CaseRecord& record, double award) {
    const CaseGlobals& g = record.globals;
    MaintenanceResults& m = record.results.maintenance;
    const maintenance::TermLines terms =
        maintenance::TermSentences(m.CaseScore, g.YearsMarried, award);
    m.TermLine1 = terms.TermLine1;
    m.TermLine2 = terms.TermLine2;
    m.SuggestedAward = maintenance::RoundToWholeMonths(award);
    if (SuggestionInForce(g, m)) {
        m.SuggestedAwardSaved = m.SuggestedAward;
    }
}

// Taxed to the payee the award is final here; taxed to the payer its status waits for its
// after-tax size (SettleAward).
void ApplyPayeeTaxedOverride(CaseRecord& record) {
    const CaseGlobals& g = record.globals;
    MaintenanceResults& m = record.results.maintenance;
    if (g.TaxTreatment != maintenance::kTaxedToPayee) {
        return;
    }
    const bool typed = g.AwardOverride == "Y";
    if (typed) {
        m.SuggestedAward = m.TypedAward;
    }
    m.CalcStatusText = maintenance::StatusLine(maintenance::kTaxedToPayee, typed);
}

}  // namespace

void ComputeCaseScore(CaseRecord& record) {
    const maintenance::CaseScoreResult score =
        maintenance::ComputeCaseScore(CaseScoreInputsOf(record.globals));
    MaintenanceResults& m = record.results.maintenance;
    m.CaseScore = score.CaseScore;
    m.CaseComment = score.CaseComment;
    record.globals.AwardOverride = "N";
}

void RecommendMaintenance(CaseRecord& record) {
    MaintenanceResults& m = record.results.maintenance;
    m.CalcStatusText = " ";
    m.ForgetPresentValue();
    const maintenance::TaxFigures noAward = maintenance::EstimateTaxesWithAward(record, 0);
    const maintenance::AwardSuggestion suggestion = maintenance::SuggestAward(record, noAward);
    m.TargetShare = suggestion.TargetShare;
    m.DiffRate = suggestion.DiffRate;
    if (suggestion.Unlikely) {
        m.CaseComment = maintenance::kUnlikelyCaseComment;
    }
    SetSuggestedAward(record, suggestion.Award);
    ApplyPayeeTaxedOverride(record);
    maintenance::SettleAward(record, noAward);
    m.UnallocatedMode = "N";
    m.Computed = true;
}

}  // namespace tovaris
