#include "support/child_support_command.h"

#include "case/express_commands.h"
#include "case/income_refresh.h"
#include "case/parenting_time_table.h"
#include "common/format.h"
#include "support/child_support_calculation.h"
#include "tax/net_income_phase.h"

namespace tovaris {

namespace {

// The deviation wording for the parent who pays, when the deviation is applied.
std::string DeviationPhrase(const CaseRecord& record) {
    const SupportResults& r = record.results.support;
    if (r.DeviationApplied != 1 || !r.DeviationButtonEnabled) {
        return "";
    }
    bool claimantPays = record.globals.CustodyType == "NonCust" ||
                        (record.globals.CustodyType != "Cust" && r.ChildSupportTransfer < 0);
    float deviation = claimantPays ? r.ClaimDeviation : r.PayerDeviation;
    const std::string& mark = claimantPays ? r.ClaimLimitMark : r.PayerLimitMark;
    bool whole = record.options.otherFamilyMethod == OtherFamilyMethod::WholeMethod;
    if (mark == "NA" && r.LimitsApplied == 1) {
        return whole ? " (WFM Deviation Does Not Apply) " : " (SFM Deviation Does Not Apply) ";
    }
    return (whole ? " Minus A Whole Family Deviation Of "
                  : " Minus A Second Family Deviation Of ") +
           FormatSingle(deviation, "$##,###,##0");
}

}  // namespace

ReadInResult RunChildSupportCommand(CaseRecord& record, Interaction& interaction,
                                    const std::function<void()>& afterReadIn) {
    ReadInResult result = ChildSupportReadIn(record, interaction);
    if (afterReadIn) {
        afterReadIn();
    }
    if (result.stopped) {
        return result;
    }
    BringIncomeScreensToYearly(record);
    RestoreParentingRows(record);
    if (!RecalculateChildSupport(record, interaction)) {
        return {true, kCalculationErrorTitle, kCalculationErrorMessage, ""};
    }
    return result;
}

bool RecalculateChildSupport(CaseRecord& record, Interaction& interaction) {
    try {
        CalculateChildSupport(record);
    } catch (const tax::ArithmeticError&) {
        interaction.Box(kCalculationErrorTitle, kCalculationErrorMessage, BoxButtons::Ok);
        return false;
    }
    return true;
}

std::string TransferSentence(const CaseRecord& record) {
    float transfer = record.results.support.ChildSupportTransfer;
    std::string sentence = "Child Support Is " + FormatSingle(transfer, "$###,##0") + " Per Month" +
                           DeviationPhrase(record);
    if (transfer < 0) {
        return sentence + ". Paid By Claimant. ";
    }
    if (transfer > 0) {
        return sentence + ". Paid By Other Parent. ";
    }
    return sentence + ". There Is No Transfer.";
}

}  // namespace tovaris
