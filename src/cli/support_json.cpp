#include "support_json.h"

#include "case_snapshot.h"

namespace tovaris::cli {

namespace {

nlohmann::ordered_json List(const std::array<float, 10>& values) {
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (float value : values) {
        list.push_back(SingleNumber(value));
    }
    return list;
}

void AddPassResults(const CaseRecord& record, nlohmann::ordered_json& json) {
    const SupportResults& r = record.results.support;
    bool dual =
        record.globals.CustodyType == "Split" && record.options.splitMethod == SplitMethod::DualWS;
    json["CombinedNet"] = SingleNumber(r.CombinedNet);
    json["ClaimShare"] = SingleNumber(r.ClaimShare);
    json["PayerShare"] = SingleNumber(r.PayerShare);
    json["BasicObligation"] = SingleNumber(r.BasicObligation);
    json["PerChildSupport"] = List(r.PerChildSupport);
    if (dual) {
        json["BasicObligation2"] = SingleNumber(r.BasicObligation2);
        json["PerChildSupport2"] = List(r.PerChildSupport2);
    }
    json["ClaimBasicShare"] = SingleNumber(r.ClaimBasicShare);
    json["PayerBasicShare"] = SingleNumber(r.PayerBasicShare);
    if (dual) {
        json["ClaimBasicShare2"] = SingleNumber(r.ClaimBasicShare2);
        json["PayerBasicShare2"] = SingleNumber(r.PayerBasicShare2);
    }
    const std::pair<const char*, float> amounts[] = {
        {"ClaimLimitedShare", r.ClaimLimitedShare},
        {"PayerLimitedShare", r.PayerLimitedShare},
    };
    for (const auto& [key, value] : amounts) {
        json[key] = SingleNumber(value);
    }
    json["ClaimLimitText"] = r.ClaimLimitText;
    json["PayerLimitText"] = r.PayerLimitText;
    json["ClaimLimitMark"] = r.ClaimLimitMark;
    json["PayerLimitMark"] = r.PayerLimitMark;
    const std::pair<const char*, float> more[] = {
        {"ClaimExpenseShare", r.ClaimExpenseShare},
        {"PayerExpenseShare", r.PayerExpenseShare},
        {"CareHealthPaidClaim", r.CareHealthPaidClaim},
        {"CareHealthPaidPayer", r.CareHealthPaidPayer},
        {"ClaimStandardObligation", r.ClaimStandardObligation},
        {"PayerStandardObligation", r.PayerStandardObligation},
    };
    for (const auto& [key, value] : more) {
        json[key] = SingleNumber(value);
    }
    if (r.ClaimDeviationComputed) {
        json["ClaimDeviation"] = SingleNumber(r.ClaimDeviation);
    }
    if (r.PayerDeviationComputed) {
        json["PayerDeviation"] = SingleNumber(r.PayerDeviation);
    }
    if (record.globals.CustodyType == "Shared") {
        json["ClaimTimeFactor"] = SingleNumber(r.ClaimTimeFactor);
        json["PayerTimeFactor"] = SingleNumber(r.PayerTimeFactor);
    }
    json["ChildSupportTransfer"] = SingleNumber(r.ChildSupportTransfer);
    nlohmann::ordered_json tiers = nlohmann::ordered_json::array();
    for (int k = 1; k < static_cast<int>(r.TierSet.size()); ++k) {
        if (r.TierSet[k]) {
            tiers.push_back(SingleNumber(r.TierTransfer[k]));
        }
    }
    json["TierTransfer"] = tiers;
    json["TierExpense1"] = SingleNumber(r.TierExpense1);
}

}  // namespace

nlohmann::ordered_json SupportJson(const CaseRecord& record) {
    const SupportResults& r = record.results.support;
    nlohmann::ordered_json json = nlohmann::ordered_json::object();
    if (r.Computed) {
        if (record.globals.NumMinors > 0) {
            AddPassResults(record, json);
        }
        json["LimitsButton"] = r.LimitsButton;
        json["DeviationButton"] = r.DeviationButton;
    }
    json["ChildSupportField"] = record.fields.Text("ChildSupport");
    json["NetOverrideState"] = record.results.tax.NetOverrideState;
    return json;
}

}  // namespace tovaris::cli
