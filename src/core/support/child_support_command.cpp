#include "support/child_support_command.h"

#include "case/express_commands.h"
#include "case/income_refresh.h"
#include "case/parenting_time_table.h"
#include "case/warn_no_income_entry.h"
#include "common/format.h"
#include "support/child_support_calculation.h"

namespace tovaris {

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

ReadInResult RunChildSupportCommand(CaseRecord& record, Interaction& interaction,
                                    const std::function<void()>& afterReadIn) {
    return CalculateAfterReadIn(record, interaction, ChildSupportReadIn(record, interaction),
                                afterReadIn, [&] { CalculateChildSupport(record); });
}

ReadInResult CalculateAfterReadIn(CaseRecord& record, Interaction& interaction, ReadInResult readIn,
                                  const std::function<void()>& afterReadIn,
                                  const std::function<void()>& calculation) {
    if (!readIn.stopped) {
        readIn = WarnNoIncomeEntries(record, interaction);
    }
    if (afterReadIn) {
        afterReadIn();
    }
    if (readIn.stopped) {
        return readIn;
    }
    BringIncomeScreensToYearly(record);
    RestoreParentingRows(record);
    if (!RunReportingOverflow(interaction, calculation)) {
        return {true, kCalculationErrorTitle, kCalculationErrorMessage, ""};
    }
    return readIn;
}

bool RecalculateChildSupport(CaseRecord& record, Interaction& interaction) {
    return RunReportingOverflow(interaction, [&] { CalculateChildSupport(record); });
}

std::string TransferSentence(const CaseRecord& record) {
    if (record.globals.CustodyType == "NoMinors") {
        return kNoMinorsSentence;
    }
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
