#include "display_json.h"

#include "support/results_display.h"

namespace tovaris::cli {

nlohmann::ordered_json RowsJson(const DisplayRows& rows) {
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const DisplayRow& row : rows) {
        list.push_back({{"label", row.label}, {"value", row.value}});
    }
    return list;
}

nlohmann::ordered_json SupportDisplayJson(const CaseRecord& record) {
    SupportDisplay display = BuildSupportDisplay(record);
    nlohmann::ordered_json json = nlohmann::ordered_json::object();
    json["ClaimHead"] = display.claimHead;
    json["OtherHead"] = display.otherHead;
    json["ClaimIncome"] = RowsJson(display.claimIncome);
    json["OtherIncome"] = RowsJson(display.otherIncome);
    json["CaseFacts"] = RowsJson(display.caseFacts);
    json["Obligations"] = RowsJson(display.obligations);
    json["Transfer"] = display.transfer;
    json["Method"] = display.method;
    json["PerChild"] = display.perChild;
    json["TableNotes"] = display.tableNotes;
    json["Tiers"] = TierLines(record);
    json["TierCaption"] = TierCaption(record);
    if (!display.taxNotes.empty()) {
        json["TaxNotes"] = display.taxNotes;
    }
    return json;
}

}  // namespace tovaris::cli
