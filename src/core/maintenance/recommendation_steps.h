#pragma once

// The pieces of a maintenance recommendation. RecommendMaintenance, which owns the case record
// and the tax and child support runs, is a thin sequence of calls over them, in this order
// (amounts yearly, arithmetic in double, results stored as single):
//
//   ComputeCaseScore first (case_score.h), unless a maintenance screen command only changes
//   the award: it writes CaseScore and CaseComment and sets AwardOverride to "N".
//
//    1. CalcStatusText = " ".
//    2. TargetShare (target_share.h).
//    3. Tax estimate of both parties without maintenance. A joint filer's federal tax and
//       credits times the party's joint-income share; the child care credit is 0 for a
//       "MarriedSep" filer and for the noncustodial party, and at most the party's federal tax.
//    4. ComputeGrossUp per party, with ClaimGrossYearly + kClaimGrossGuard and
//       PayerGrossYearly + kPayerGrossGuard (gross_up.h).
//    5. UntaxedGrossUp per party.
//    6. ComputeAdjustedIncomes (adjusted_income.h).
//    7. DiffRate(DifferentialAfterPayroll(...)) (diff_rate.h).
//    8. RawAward (raw_award.h).
//    9. ReduceWeakCase (weak_case.h); when Unlikely, CaseComment = kUnlikelyCaseComment. A score
//       below 42 reprints the comment on the maintenance screen.
//   10. ApplyAwardLimits (award_limits.h).
//   11. TermSentences, on the award before rounding (term_sentences.h).
//   12. SuggestedAward = RoundToWholeMonths(award).
//   13. SuggestedAwardSaved = SuggestedAward when UnallocatedMode, AwardOverride and
//       NewUnallocFlag are all "N".
//   14. Taxed to payee (tax_treatment.h): a typed award replaces SuggestedAward when
//       AwardOverride is "Y"; CalcStatusText = StatusLine (status_text.h).
//   15. Unless UnallocatedMode is "Y", tax estimate again with SuggestedAward as the Claimant's
//       income and the Other Party's deduction (state tax recomputed on the new AGI). When
//       ApplyMaintToCS is on and the award is taxed to the payee: MaintForChildSupport =
//       round(SuggestedAward / 12), child support again, its care and health figures made yearly,
//       ChildSupportMonthly = RoundChildSupport. Then PriorPaid, CareAndHealthPaidYearly and
//       ComputeNetIncomes (net_income.h).
//       Taxed to payer: keep ClaimantNetShare (taxed_to_payer.h), set SuggestedAward = 0 and
//       TaxTreatment = kBetweenPayerPasses, and repeat this step once.
//   16. After the second pass: SuggestedAward = SuggestedAwardSaved = PayerTaxedAward on the
//       net incomes of that pass; TaxTreatment = kTaxedToPayer; CalcStatusText = StatusLine (a
//       typed award still replaces the suggestion); refresh child support as in step 15 and
//       ComputeNetIncomes with the award on the no-award taxes.
//   17. Show the results (AwardSentence, award_sentence.h); UnallocatedMode back to "N".

#include "maintenance/adjusted_income.h"
#include "maintenance/award_limits.h"
#include "maintenance/award_sentence.h"
#include "maintenance/case_score.h"
#include "maintenance/diff_rate.h"
#include "maintenance/gross_up.h"
#include "maintenance/net_income.h"
#include "maintenance/raw_award.h"
#include "maintenance/status_text.h"
#include "maintenance/target_share.h"
#include "maintenance/tax_treatment.h"
#include "maintenance/taxed_to_payer.h"
#include "maintenance/term_sentences.h"
#include "maintenance/weak_case.h"
