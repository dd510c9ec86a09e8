#include "tax_json.h"

#include "case_snapshot.h"

namespace tovaris::cli {

namespace {

nlohmann::ordered_json PartyJson(const PartyTaxResults& r, bool joint) {
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
        {"NetYearly", r.NetYearly},
        {"NetMonthly", r.NetMonthly},
        {"NetMonthlyComputed", r.NetMonthlyComputed},
    };
    for (const auto& [key, value] : values) {
        json[key] = SingleNumber(value);
    }
    return json;
}

}  // namespace

nlohmann::ordered_json TaxJson(const TaxResults& tax, bool claimJoint, bool payerJoint) {
    return {{"Claim", PartyJson(tax.Claim, claimJoint)},
            {"Payer", PartyJson(tax.Payer, payerJoint)}};
}

}  // namespace tovaris::cli
