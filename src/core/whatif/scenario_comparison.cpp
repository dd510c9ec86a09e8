#include "whatif/scenario_comparison.h"

#include <array>
#include <cmath>

#include "common/format.h"
#include "maintenance/maintenance_command.h"
#include "support/child_support_command.h"
#include "support/results_display.h"
#include "whatif/quiet_interaction.h"

namespace tovaris::whatif {
namespace {

constexpr std::string_view kMoney = "$##,###,##0";

// What one scenario's calculation left, monthly unless named yearly.
struct Outcome {
    bool ran = false;
    std::string note;
    double claimGross = 0, otherGross = 0;
    double claimNet = 0, otherNet = 0;
    double claimFica = 0, otherFica = 0;  // yearly
    double claimState = 0, otherState = 0;
    double claimFederal = 0, otherFederal = 0;
    double claimCredits = 0, otherCredits = 0;
    double transfer = 0;     // + paid by the Other Party
    double maintenance = 0;  // as typed, paid by the Other Party
    double suggested = 0;    // the recommendation's award
    std::string term;
    double claimHousehold = 0, otherHousehold = 0;
};

void ReadCommon(const CaseRecord& c, Outcome& o) {
    const TaxResults& tax = c.results.tax;
    o.ran = true;
    o.claimGross = c.globals.ClaimGrossYearly / 12.0;
    o.otherGross = c.globals.PayerGrossYearly / 12.0;
    o.claimNet = tax.Claim.NetMonthly;
    o.otherNet = tax.Payer.NetMonthly;
    o.claimFica = tax.Claim.PayrollTax;
    o.otherFica = tax.Payer.PayrollTax;
    o.claimState = tax.Claim.StateTax;
    o.otherState = tax.Payer.StateTax;
    o.claimFederal = tax.Claim.FederalTax;
    o.otherFederal = tax.Payer.FederalTax;
    o.claimCredits = tax.Claim.TotalCredits;
    o.otherCredits = tax.Payer.TotalCredits;
    const bool minors = c.globals.CustodyType != "NoMinors" && c.results.support.Computed;
    o.transfer = minors ? c.results.support.ChildSupportTransfer : 0;
}

// The scenario as typed goes through the child support command; the maintenance command adds
// what it would recommend, when the scenario's entries allow a recommendation.
Outcome Calculate(const CaseRecord& scenario) {
    Outcome o;
    QuietInteraction quiet(scenario.results.support.DeviationApplied == 1);
    CaseRecord supported = scenario;
    const ReadInResult result = RunChildSupportCommand(supported, quiet);
    if (result.stopped) {
        o.note = result.message;
        return o;
    }
    ReadCommon(supported, o);
    o.maintenance = supported.globals.MaintForChildSupport;
    o.claimHousehold = HouseholdIncomeMonthly(supported, true);
    o.otherHousehold = HouseholdIncomeMonthly(supported, false);
    CaseRecord recommended = scenario;
    if (!RunMaintenanceCommand(recommended, quiet).stopped) {
        o.suggested = recommended.results.maintenance.SuggestedAward / 12.0;
        o.term = recommended.results.maintenance.TermLine1;
    }
    return o;
}

std::string Payer(const Outcome& o) {
    return o.transfer > 0 ? "Other Parent" : o.transfer < 0 ? "Claimant" : "No Transfer";
}

// The lines of the comparison; a figure is a number (formatted "$##,###,##0") or a text.
struct Line {
    const char* label;
    double (*number)(const Outcome&);
    std::string (*text)(const Outcome&);
};

constexpr std::array<Line, 20> kLines{{
    {"Claimant's Gross Income/Month", [](const Outcome& o) { return o.claimGross; }, nullptr},
    {"Other Party's Gross Income/Month", [](const Outcome& o) { return o.otherGross; }, nullptr},
    {"Claimant's FICA/SE/Year", [](const Outcome& o) { return o.claimFica; }, nullptr},
    {"Other Party's FICA/SE/Year", [](const Outcome& o) { return o.otherFica; }, nullptr},
    {"Claimant's State Tax/Year", [](const Outcome& o) { return o.claimState; }, nullptr},
    {"Other Party's State Tax/Year", [](const Outcome& o) { return o.otherState; }, nullptr},
    {"Claimant's Federal Tax/Year", [](const Outcome& o) { return o.claimFederal; }, nullptr},
    {"Other Party's Federal Tax/Year", [](const Outcome& o) { return o.otherFederal; }, nullptr},
    {"Claimant's Tax Credits/Year", [](const Outcome& o) { return o.claimCredits; }, nullptr},
    {"Other Party's Tax Credits/Year", [](const Outcome& o) { return o.otherCredits; }, nullptr},
    {"Claimant's Net Income/Month", [](const Outcome& o) { return o.claimNet; }, nullptr},
    {"Other Party's Net Income/Month", [](const Outcome& o) { return o.otherNet; }, nullptr},
    {"Child Support/Month", [](const Outcome& o) { return std::abs(o.transfer); }, nullptr},
    {"Child Support Paid By", nullptr, Payer},
    {"Maintenance Paid/Month", [](const Outcome& o) { return o.maintenance; }, nullptr},
    {"Suggested Maintenance/Month", [](const Outcome& o) { return o.suggested; }, nullptr},
    {"Suggested Maintenance Term", nullptr, [](const Outcome& o) { return o.term; }},
    {"Claimant's Household Income/Month", [](const Outcome& o) { return o.claimHousehold; },
     nullptr},
    {"Other Party's Household Income/Month", [](const Outcome& o) { return o.otherHousehold; },
     nullptr},
    {"Households' Combined Income/Month",
     [](const Outcome& o) { return o.claimHousehold + o.otherHousehold; }, nullptr},
}};

ComparisonRow RowOf(const Line& line, const std::vector<Outcome>& outcomes) {
    ComparisonRow row{line.label, {}, {}};
    for (const Outcome& o : outcomes) {
        if (!o.ran) {
            row.values.push_back("");
            row.differs.push_back(false);
            continue;
        }
        const Outcome& current = outcomes.front();
        if (line.number) {
            row.values.push_back(Format(line.number(o), kMoney));
            row.differs.push_back(current.ran &&
                                  Format(line.number(current), kMoney) != row.values.back());
        } else {
            row.values.push_back(line.text(o));
            row.differs.push_back(current.ran && line.text(current) != row.values.back());
        }
    }
    return row;
}

}  // namespace

Comparison CompareScenarios(const CaseRecord& record, const std::vector<Scenario>& all) {
    Comparison comparison;
    std::vector<Outcome> outcomes;
    for (const Scenario& scenario : all) {
        comparison.names.push_back(scenario.name);
        outcomes.push_back(Calculate(CaseOf(record, scenario)));
        comparison.notes.push_back(outcomes.back().note);
    }
    for (const Line& line : kLines) {
        comparison.rows.push_back(RowOf(line, outcomes));
    }
    return comparison;
}

}  // namespace tovaris::whatif
