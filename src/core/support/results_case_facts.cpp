#include "case/filing_status_code.h"
#include "common/format.h"
#include "support/results_display.h"

namespace tovaris {

namespace {

constexpr const char* kManualAdjustmentNames[] = {"None", "Claimant", "Other", "Both"};

std::string ManualAdjustmentName(int16_t netOverrideState) {
    return netOverrideState >= 1 && netOverrideState <= 4
               ? kManualAdjustmentNames[netOverrideState - 1]
               : kManualAdjustmentNames[0];
}

void AddOtherChildren(const CaseRecord& record, DisplayRows& rows) {
    bool claimant = record.fields.Ticked("ClaimSecFamCheck");
    bool other = record.fields.Ticked("PayerSecFamCheck");
    if (claimant && other) {
        rows.push_back({" Both Have Other Children", ""});
    } else if (claimant) {
        rows.push_back({" Claimant Has Other Children", ""});
    } else if (other) {
        rows.push_back({" Other Parent Has Other Children", ""});
    }
}

// Shared: the nights the calculation priced the whole family with (the parenting-time table's
// average), which need not be the share typed on the Express Entry screen.
void AddResidence(const CaseGlobals& g, const SupportResults& r, DisplayRows& rows) {
    if (g.CustodyType == "Split") {
        rows.push_back({"    - Split Custody -", ""});
        rows.push_back({" Claimant's Children", std::to_string(g.ClaimChildrenSplit)});
        rows.push_back({" Other's Children", std::to_string(g.PayerChildrenSplit)});
    } else if (g.CustodyType == "Shared") {
        rows.push_back({"    - Shared Custody - ", ""});
        rows.push_back({" Claimant's Nights ", FormatSingle(r.ClaimTimeFactor, "###.0")});
        rows.push_back({" Other's Nights ", FormatSingle(r.PayerTimeFactor, "###.0")});
    }
}

}  // namespace

DisplayRows CaseFactRows(const CaseRecord& record) {
    const CaseGlobals& g = record.globals;
    DisplayRows rows = {
        {" Claimant's Exemptions ", record.fields.Text("ClaimDependents")},
        {" Number Of Children", std::to_string(g.NumChildren)},
        {" Number Of Minors", std::to_string(g.NumMinors)},
        {" Children Claimed Under Age 17", ""},
        {" Claimant = ", std::to_string(g.ClaimDepend17Count)},
        {" Other Parent = ", std::to_string(g.PayerDepend17Count)},
    };
    AddOtherChildren(record, rows);
    AddResidence(g, record.results.support, rows);
    rows.push_back({" Claimant's File Status: ", FilingStatusCode(g.ClaimFilingStatus)});
    rows.push_back({" Other's File Status: ", FilingStatusCode(g.PayerFilingStatus)});
    rows.push_back(
        {" Manual Inc Adj = ", ManualAdjustmentName(record.results.tax.NetOverrideState)});
    return rows;
}

}  // namespace tovaris
