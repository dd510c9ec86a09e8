#pragma once

#include <cstdint>
#include <string>

#include "case/case_record.h"
#include "support/child_support_calculation.h"

namespace tovaris::testing {

// A case as the support phase sees it: the read-in's globals, the menu options and both final
// monthly net incomes, with the usual $1,519 self-support reserve typed on the worksheet.
struct SupportCase {
    CaseRecord record;

    SupportCase(std::string custody, int16_t minors, float claimNet, float payerNet) {
        record.globals.CustodyType = std::move(custody);
        record.globals.NumMinors = minors;
        record.fields.SetText("NeedLimit", "$ 1,519");
        record.results.tax.Claim.NetMonthly = claimNet;
        record.results.tax.Payer.NetMonthly = payerNet;
    }

    CaseGlobals& globals() { return record.globals; }
    SupportResults& results() { return record.results.support; }

    // Split: the case's children with each parent.
    SupportCase& Split(SplitMethod method, int16_t withClaimant, int16_t withPayer) {
        record.options.splitMethod = method;
        record.globals.ClaimChildrenSplit = withClaimant;
        record.globals.PayerChildrenSplit = withPayer;
        return *this;
    }

    SupportCase& Switches(int16_t limits, int16_t deviation) {
        record.results.support.LimitsApplied = limits;
        record.results.support.DeviationApplied = deviation;
        return *this;
    }

    const SupportResults& Run() {
        RunSupportPhase(record);
        return record.results.support;
    }
};

}  // namespace tovaris::testing
