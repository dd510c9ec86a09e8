#include "support/results_display.h"

#include "support/child_support_command.h"
#include "support/results_lines.h"
#include "tax/tax_rule_notes.h"

namespace tovaris {

namespace {

struct HeadPair {
    std::string_view custody;
    const char* claim;
    const char* other;
};

constexpr HeadPair kColumnHeads[] = {
    {"Cust", "Claimant (custodial)", "Other (noncustodial)"},
    {"NonCust", "Claimant (noncustodial)", "Other (custodial)"},
    {"Split", "Claimant (split custody)", "Other (split custody)"},
    {"Shared", "Claimant (shared cust.)", "Other (shared custody)"},
};

}  // namespace

std::pair<std::string, std::string> ColumnHeads(const CaseRecord& record) {
    for (const HeadPair& heads : kColumnHeads) {
        if (heads.custody == record.globals.CustodyType) {
            return {heads.claim, heads.other};
        }
    }
    return {"Claimant", "Other"};
}

SupportDisplay BuildSupportDisplay(const CaseRecord& record) {
    SupportDisplay display;
    std::tie(display.claimHead, display.otherHead) = ColumnHeads(record);
    display.claimIncome = IncomeRows(record, true);
    display.otherIncome = IncomeRows(record, false);
    display.caseFacts = CaseFactRows(record);
    display.obligations = ObligationRows(record);
    display.transfer = TransferSentence(record);
    display.method = MethodLines(record);
    display.perChild = PerChildLines(record);
    display.tableNotes = TableNotes(record);
    display.limitReasons = LimitReasons(record);
    display.taxNotes = tax::TaxRulesNotes(record);
    return display;
}

std::vector<std::string> LimitReasons(const CaseRecord& record) {
    const SupportResults& r = record.results.support;
    std::vector<std::string> reasons;
    if (!r.LimitsButtonEnabled) {
        return reasons;
    }
    for (const std::string* text : {&r.ClaimLimitText, &r.PayerLimitText}) {
        if (!text->empty()) {
            reasons.push_back(*text);
        }
    }
    return reasons;
}

}  // namespace tovaris
