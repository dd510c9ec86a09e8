#include "tax_json.h"

#include "case_snapshot.h"
#include "tax/tax_rule_notes.h"

namespace tovaris::cli {

namespace {

nlohmann::ordered_json PartyJson(const PartyTaxResults& r, bool joint, bool netComputed) {
    nlohmann::ordered_json json;
    if (joint) {
        json["IncomeShare"] = SingleNumber(r.IncomeShare);
    }
    const std::pair<const char*, float> values[] = {
        {"PayrollTax", r.PayrollTax},
        {"HalfSETax", r.HalfSETax},
        {"NontaxableSS", r.NontaxableSS},
        {"AGI", r.AGI},
        {"BusinessDeduction", r.BusinessDeduction},
        {"FederalTax", r.FederalTax},
        {"ChildCareCredit", r.Credits.childCare},
        {"ChildTaxCredit", r.Credits.childTax},
        {"EarnedIncomeCredit", r.Credits.earnedIncome},
        {"AdditionalChildTaxCredit", r.Credits.additionalChildTax},
        {"TotalCredits", r.TotalCredits},
        {"StateTax", r.StateTax},
    };
    for (const auto& [key, value] : values) {
        json[key] = SingleNumber(value);
    }
    if (netComputed) {
        json["NetYearly"] = SingleNumber(r.NetYearly);
        json["NetMonthly"] = SingleNumber(r.NetMonthly);
        json["NetMonthlyComputed"] = SingleNumber(r.NetMonthlyComputed);
    }
    return json;
}

}  // namespace

nlohmann::ordered_json TaxJson(const TaxResults& tax, bool claimJoint, bool payerJoint) {
    return {{"Claim", PartyJson(tax.Claim, claimJoint, tax.NetComputed)},
            {"Payer", PartyJson(tax.Payer, payerJoint, tax.NetComputed)}};
}

void AddTaxRulesNotes(nlohmann::ordered_json& tax, const CaseRecord& record) {
    const std::string notice = tax::FederalTaxRulesNotice(record.options.federalTaxRules);
    if (notice.empty()) {
        return;
    }
    tax["TaxRules"] = "law";
    tax["Notice"] = notice;
    tax["Claim"]["LawDifferences"] = tax::LawDifferenceLines(record, IncomeParty::Claimant);
    tax["Payer"]["LawDifferences"] = tax::LawDifferenceLines(record, IncomeParty::Other);
}

}  // namespace tovaris::cli
