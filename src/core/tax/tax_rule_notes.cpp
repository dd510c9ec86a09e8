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

// The tax steps once more under the schedule's rules, the maintenance as the last run had it.
TaxResults ScheduleResults(const CaseRecord& record) {
    CaseRecord schedule = record;
    schedule.options.federalTaxRules = FederalTaxRules::Schedule;
    RunTaxSteps(schedule);
    return schedule.results.tax;
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
    const TaxResults schedule = ScheduleResults(record);
    const PartyTaxResults& byLaw = ResultsOf(record.results.tax, party);
    const PartyTaxResults& bySchedule = ResultsOf(schedule, party);
    for (const ComparedFigure& figure : kComparedFigures) {
        const float law = figure.of(byLaw);
        const float rules = figure.of(bySchedule);
        if (Amount(law) != Amount(rules)) {
            lines.push_back(std::string(figure.label) + ": " + Amount(law) + " under 2023 law; " +
                            Amount(rules) + " under schedule rules");
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
