#include "maintenance_json.h"

#include "case_snapshot.h"
#include "display_json.h"
#include "maintenance/maintenance_rows.h"

namespace tovaris::cli {

namespace {

nlohmann::ordered_json DisplayJson(const CaseRecord& record) {
    maintenance::MaintenanceDisplay display = maintenance::MaintenanceDisplayOf(record);
    nlohmann::ordered_json json = nlohmann::ordered_json::object();
    json["CaseScore"] = display.caseScore;
    json["Comment"] = RowsJson(display.comment);
    json["Terms"] = RowsJson(display.terms);
    json["AwardSentence"] = display.awardSentence;
    json["Status"] = display.status;
    json["CaseData"] = RowsJson(display.caseData);
    json["ClaimHead"] = display.claimHeading;
    json["OtherHead"] = display.payerHeading;
    json["ClaimColumn"] = RowsJson(display.claimColumn);
    json["OtherColumn"] = RowsJson(display.payerColumn);
    if (!display.taxRulesNotice.empty()) {
        json["TaxRulesNotice"] = display.taxRulesNotice;
    }
    return json;
}

}  // namespace

nlohmann::ordered_json MaintenanceJson(const CaseRecord& record) {
    const maintenance::MaintenanceResults& m = record.results.maintenance;
    nlohmann::ordered_json json = nlohmann::ordered_json::object();
    json["CaseScore"] = SingleNumber(m.CaseScore);
    json["CaseComment"] = m.CaseComment;
    json["TargetShare"] = m.TargetShare;
    json["DiffRate"] = m.DiffRate;
    json["SuggestedAward"] = SingleNumber(m.SuggestedAward);
    json["SuggestedAwardSaved"] = SingleNumber(m.SuggestedAwardSaved);
    json["TermLine1"] = m.TermLine1;
    json["TermLine2"] = m.TermLine2;
    json["CalcStatusText"] = m.CalcStatusText;
    json["MaintForChildSupport"] = SingleNumber(record.globals.MaintForChildSupport);
    json["ChildSupportMonthly"] = SingleNumber(record.globals.ChildSupportMonthly);
    json["ClaimNetYearly"] = SingleNumber(m.ClaimNetYearly);
    json["PayerNetYearly"] = SingleNumber(m.PayerNetYearly);
    json["PriorPaidClaim"] = SingleNumber(m.PriorPaidClaim);
    json["PriorPaidPayer"] = SingleNumber(m.PriorPaidPayer);
    json["display"] = DisplayJson(record);
    return json;
}

}  // namespace tovaris::cli
