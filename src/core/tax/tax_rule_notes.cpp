#include "tax/tax_rule_notes.h"

#include <array>

#include "common/format.h"
#include "tax/net_income_phase.h"

namespace tovaris::tax {
namespace {

constexpr const char* kLawNotice = "Federal taxes computed under 2023 federal tax law.";

struct ComparedFigure {
    const char* label;
    float (*of)(const PartyTaxResults&);
};

constexpr std::array<ComparedFigure, 11> kComparedFigures = {{
    {"Payroll Tax", [](const PartyTaxResults& r) { return r.PayrollTax; }},
    {"Nontaxable Social Security", [](const PartyTaxResults& r) { return r.NontaxableSS; }},
    {"AGI", [](const PartyTaxResults& r) { return r.AGI; }},
    {"Business Income Deduction", [](const PartyTaxResults& r) { return r.BusinessDeduction; }},
    {"Federal Income Tax", [](const PartyTaxResults& r) { return r.FederalTax; }},
    {"Child Tax Credit", [](const PartyTaxResults& r) { return r.Credits.childTax; }},
    {"Child Care Credit", [](const PartyTaxResults& r) { return r.Credits.childCare; }},
    {"Additional Child Tax Credit",
     [](const PartyTaxResults& r) { return r.Credits.additionalChildTax; }},
    {"EITC", [](const PartyTaxResults& r) { return r.Credits.earnedIncome; }},
    {"Total Credits", [](const PartyTaxResults& r) { return r.TotalCredits; }},
    {"State Tax", [](const PartyTaxResults& r) { return r.StateTax; }},
}};

std::string Amount(float value) {
    return FormatSingle(value, "###,##0.00");
}

const PartyTaxResults& ResultsOf(const TaxResults& tax, IncomeParty party) {
    return party == IncomeParty::Claimant ? tax.Claim : tax.Payer;
}

// The tax steps once more under the given rules, the maintenance as the last run had it. Both
// sides are computed afresh, so figures typed on the worksheet in place of the computed taxes
// do not pass for a change of rules.
TaxResults ResultsUnder(const CaseRecord& record, FederalTaxRules rules) {
    CaseRecord copy = record;
    copy.options.federalTaxRules = rules;
    RunTaxSteps(copy);
    return copy.results.tax;
}

}  // namespace

std::string FederalTaxRulesNotice(FederalTaxRules rules) {
    return rules == FederalTaxRules::Law2023 ? kLawNotice : "";
}

std::vector<std::string> LawDifferenceLines(const CaseRecord& record, IncomeParty party) {
    std::vector<std::string> lines;
    if (record.options.federalTaxRules != FederalTaxRules::Law2023 ||
        !record.results.tax.NetComputed) {
        return lines;
    }
    const TaxResults law = ResultsUnder(record, FederalTaxRules::Law2023);
    const TaxResults schedule = ResultsUnder(record, FederalTaxRules::Schedule);
    const PartyTaxResults& byLaw = ResultsOf(law, party);
    const PartyTaxResults& bySchedule = ResultsOf(schedule, party);
    for (const ComparedFigure& figure : kComparedFigures) {
        const std::string lawAmount = Amount(figure.of(byLaw));
        const std::string scheduleAmount = Amount(figure.of(bySchedule));
        if (lawAmount != scheduleAmount) {
            lines.push_back(std::string(figure.label) + ": " + lawAmount + " under 2023 law; " +
                            scheduleAmount + " under schedule rules");
        }
    }
    return lines;
}

std::vector<std::string> TaxRulesNotes(const CaseRecord& record) {
    std::vector<std::string> notes;
    const std::string notice = FederalTaxRulesNotice(record.options.federalTaxRules);
    if (notice.empty()) {
        return notes;
    }
    notes.push_back(notice);
    for (IncomeParty party : kIncomeParties) {
        const char* who = party == IncomeParty::Claimant ? " Claimant - " : " Other Party - ";
        for (const std::string& line : LawDifferenceLines(record, party)) {
            notes.push_back(who + line);
        }
    }
    return notes;
}

}  // namespace tovaris::tax
