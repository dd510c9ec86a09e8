#include "common/format.h"
#include "support/results_display.h"
#include "support/results_formats.h"

namespace tovaris {

namespace {

std::string Credit(double amount) {
    return Format(amount, "-$###,##0");
}

void AddBasicObligations(const CaseRecord& record, DisplayRows& rows) {
    const SupportResults& r = record.results.support;
    const std::string& custody = record.globals.CustodyType;
    if (custody == "Split" && record.options.splitMethod == SplitMethod::DualWS) {
        rows.push_back({" Claimant's Basic Ob. To Fam 2 ", support::Addition(r.ClaimBasicShare2)});
        rows.push_back({" Other's Basic Ob. To Fam 1 ", support::Addition(r.PayerBasicShare)});
    } else if (custody == "Shared" &&
               record.options.sharedMethod == SharedMethod::SumDaysColorado) {
        rows.push_back(
            {" Claimant's Basic Ob. (Times 1.5) ", support::Addition(r.ClaimBasicShare)});
        rows.push_back({" Other's Basic Ob. (Times 1.5)  ", support::Addition(r.PayerBasicShare)});
    } else {
        rows.push_back({" Claimant's Basic Obligation  ", support::Addition(r.ClaimBasicShare)});
        rows.push_back({" Other's Basic Obligation  ", support::Addition(r.PayerBasicShare)});
    }
}

// Dual worksheets carry half of each expense figure on each worksheet.
void AddExpenses(const CaseRecord& record, DisplayRows& rows) {
    const SupportResults& r = record.results.support;
    const bool dual =
        record.globals.CustodyType == "Split" && record.options.splitMethod == SplitMethod::DualWS;
    const std::string prefix = dual ? " 1/2" : "";
    const double part = dual ? 0.5 : 1.0;
    rows.push_back({prefix + " Claimant's Expenses Obligation  ",
                    support::Addition(part * r.ClaimExpenseShare)});
    rows.push_back(
        {prefix + " Other's Expenses Obligation  ", support::Addition(part * r.PayerExpenseShare)});
    rows.push_back({prefix + " Claimant's Expenses Credit ", Credit(part * r.CareHealthPaidClaim)});
    rows.push_back({prefix + " Other's Expenses Credit  ", Credit(part * r.CareHealthPaidPayer)});
}

}  // namespace

DisplayRows ObligationRows(const CaseRecord& record) {
    const SupportResults& r = record.results.support;
    DisplayRows rows;
    if (record.globals.CustodyType == "NoMinors") {
        return rows;  // no pass priced an obligation
    }
    AddBasicObligations(record, rows);
    AddExpenses(record, rows);
    rows.push_back({" Claimant's Net Obligation ", support::Addition(r.ClaimStandardObligation)});
    rows.push_back({" Other's Net Obligation  ", support::Addition(r.PayerStandardObligation)});
    if (r.LimitsButton == "Hide Limits") {
        rows.push_back({" Basic Support Shown Is The Limitation ", ""});
    }
    return rows;
}

}  // namespace tovaris
