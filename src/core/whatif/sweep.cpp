#include "whatif/sweep.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "case/express_commands.h"
#include "case/time_share.h"
#include "common/format.h"
#include "maintenance/maintenance_command.h"
#include "maintenance/maintenance_screen_commands.h"
#include "maintenance/target_share.h"
#include "support/child_support_command.h"
#include "support/results_display.h"
#include "support/results_lines.h"
#include "whatif/quiet_interaction.h"

namespace tovaris::whatif {
namespace {

constexpr int kMaxSteps = 10000;
constexpr std::string_view kMoney = "$###,###,##0.00";
constexpr double kNightsPerYear = 365;

// What the limitation and table texts of a point say, in short, for the line drawn where they
// change; the more severe of the two sides names the line.
struct RuleMarker {
    std::string_view text;
    std::string_view label;
    int severity;
};

constexpr std::array<RuleMarker, 9> kRuleMarkers{{
    {"Combined Net Income Is Less Than $1000", "$50 Minimum: Combined Net Under $1,000", 3},
    {"Claimant's Basic Obligation Gives Net Income Below", "Claimant's $50 Minimum", 2},
    {"Claimant's Net Income Is Below The Self-Support", "Claimant's $50 Minimum", 2},
    {"Claimant's Basic Obligation Is Limited", "Claimant's Self-Support Reserve", 1},
    {"Other Parent's Basic Obligation Gives Net Income Below", "Other Party's $50 Minimum", 2},
    {"Other Parent's Net Income Is Below The Self-Support", "Other Party's $50 Minimum", 2},
    {"Other Parent's Basic Obligation Is Limited", "Other Party's Self-Support Reserve", 1},
    {"Combined Net Income Is > $12,000", "$12,000 Economic Table Limit", 1},
    {"Economic Table Limit For Combined Income = $1,000", "$1,000 Economic Table Floor", 1},
}};

// The texts whose change between two points is a change of rule.
constexpr std::array<std::string SweepPoint::*, 3> kRuleStates{
    &SweepPoint::claimLimit, &SweepPoint::otherLimit, &SweepPoint::tableNote};

const RuleMarker* MarkerOf(const std::string& state) {
    for (const RuleMarker& marker : kRuleMarkers) {
        if (state.find(marker.text) != std::string::npos) {
            return &marker;
        }
    }
    return nullptr;
}

std::string LabelBetween(const std::string& below, const std::string& above) {
    const RuleMarker* a = MarkerOf(below);
    const RuleMarker* b = MarkerOf(above);
    if (a && (!b || a->severity >= b->severity)) {
        return std::string(a->label);
    }
    return b ? std::string(b->label) : std::string();
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string joined;
    for (const std::string& line : lines) {
        joined += line + "\n";
    }
    return joined;
}

void ReadResults(const CaseRecord& record, SweepCalculation calculation, SweepPoint& point) {
    const SupportResults& support = record.results.support;
    const bool minors = record.globals.CustodyType != "NoMinors" && support.Computed;
    point.transfer = minors ? support.ChildSupportTransfer : 0;
    point.claimNet = record.results.tax.Claim.NetMonthly;
    point.otherNet = record.results.tax.Payer.NetMonthly;
    if (minors) {
        point.claimLimit = support.ClaimLimitText;
        point.otherLimit = support.PayerLimitText;
        point.tableNote = Joined(TableNotes(record));
    }
    if (calculation == SweepCalculation::Maintenance) {
        const maintenance::MaintenanceResults& m = record.results.maintenance;
        point.maintenance = static_cast<float>(m.SuggestedAward / 12.0);
        point.claimHousehold = m.Claim.NetYearly / 12.0;
        point.otherHousehold = m.Payer.NetYearly / 12.0;
        return;
    }
    point.maintenance = record.globals.MaintForChildSupport;
    point.claimHousehold = HouseholdIncomeMonthly(record, true);
    point.otherHousehold = HouseholdIncomeMonthly(record, false);
}

// The command as its button runs it; with a typed award the maintenance screen's "Change
// Award" follows, as a user would type it there.
ReadInResult RunCommand(CaseRecord& record, SweepCalculation calculation,
                        std::optional<double> typedAward) {
    QuietInteraction quiet(record.results.support.DeviationApplied == 1);
    if (calculation == SweepCalculation::ChildSupport) {
        return RunChildSupportCommand(record, quiet);
    }
    ReadInResult result = RunMaintenanceCommand(record, quiet);
    if (!result.stopped && typedAward &&
        !ChangeAward(record, quiet, Format(12 * *typedAward, "#########0.00"))) {
        return quiet.LastStop();
    }
    return result;
}

// Runs the command on `record` (a copy the caller gives up) and reads what it left.
SweepPoint Evaluate(CaseRecord& record, SweepCalculation calculation,
                    std::optional<double> typedAward) {
    SweepPoint point;
    const ReadInResult result = RunCommand(record, calculation, typedAward);
    if (result.stopped) {
        point.stopped = true;
        point.message = result.message;
        return point;
    }
    ReadResults(record, calculation, point);
    return point;
}

bool AwardIsTyped(SweepInput input, SweepCalculation calculation) {
    return input == SweepInput::Maintenance && calculation == SweepCalculation::Maintenance;
}

// Narrows the first change of one rule between two points down to the input's precision; the
// threshold is the first value at which the next rule holds, returned with its point.
std::pair<Threshold, SweepPoint> Narrow(const CaseRecord& record, const SweepRequest& request,
                                        SweepPoint low, SweepPoint high,
                                        std::string SweepPoint::*state) {
    const double precision = InfoOf(request.input).precision;
    while (high.x - low.x > precision) {
        double middle = (low.x + high.x) / 2;
        if (precision >= 1) {
            middle = std::floor(middle);
            if (middle <= low.x) {
                break;
            }
        }
        SweepPoint point = RunPoint(record, request.input, middle, request.calculation);
        if (point.stopped) {
            break;
        }
        (point.*state == low.*state ? low : high) = std::move(point);
    }
    Threshold threshold{std::round(high.x / precision) * precision,
                        LabelBetween(low.*state, high.*state)};
    return {threshold, high};
}

// Every change of each rule between two neighbouring points: a rule may change more than once
// between them (the $50 minimum, then the reserve limit).
void AddChanges(const CaseRecord& record, Sweep& sweep, const SweepPoint& low,
                const SweepPoint& high, std::string SweepPoint::*state) {
    SweepPoint from = low;
    while (from.*state != high.*state && from.x < high.x) {
        auto [threshold, next] = Narrow(record, sweep.request, from, high, state);
        if (!threshold.label.empty()) {
            sweep.thresholds.push_back(threshold);
        }
        if (next.x <= from.x || next.*state == from.*state) {
            break;
        }
        from = std::move(next);
    }
}

void AddRuleThresholds(const CaseRecord& record, Sweep& sweep) {
    const std::vector<SweepPoint>& points = sweep.points;
    for (size_t i = 1; i < points.size(); ++i) {
        if (points[i - 1].stopped || points[i].stopped) {
            continue;
        }
        for (auto state : kRuleStates) {
            AddChanges(record, sweep, points[i - 1], points[i], state);
        }
    }
}

std::string PercentOfTime(double share) {
    return Format(share, "##%") + " Shared Time";
}

// Overnights change no child support rule by themselves; half the year decides the care credit,
// and the maintenance recommendation's target share changes at its shared-time bands.
void AddNightThresholds(const SweepRequest& request, Sweep& sweep) {
    std::vector<Threshold> lines = {{kHalfYearNights, "182.5 Nights: Half The Year"}};
    if (request.calculation == SweepCalculation::Maintenance) {
        for (double edge : maintenance::kSharedTimeBandEdges) {
            lines.push_back({std::round(edge * kNightsPerYear * 100) / 100, PercentOfTime(edge)});
        }
    }
    for (const Threshold& line : lines) {
        if (line.x >= request.from && line.x <= request.to) {
            sweep.thresholds.push_back(line);
        }
    }
}

// Two rules that change at the same value make one line, named by the first found.
void SortAndMerge(std::vector<Threshold>& thresholds, double precision) {
    std::stable_sort(thresholds.begin(), thresholds.end(),
                     [](const Threshold& a, const Threshold& b) { return a.x < b.x; });
    auto same = [precision](const Threshold& a, const Threshold& b) {
        return std::abs(a.x - b.x) <= 2 * precision;
    };
    thresholds.erase(std::unique(thresholds.begin(), thresholds.end(), same), thresholds.end());
}

bool IsShared(const CaseRecord& record) {
    CaseRecord copy = record;
    QuietInteraction quiet(false);
    ChildSupportReadIn(copy, quiet);
    return copy.globals.CustodyType == "Shared";
}

}  // namespace

std::optional<std::string> RefuseSweep(const CaseRecord& record, const SweepRequest& request) {
    if (request.steps < 2 || request.steps > kMaxSteps) {
        return "The number of steps must be from 2 to 10,000.";
    }
    if (!(request.from < request.to)) {
        return "The range must run from a lower to a higher value.";
    }
    if (request.input == SweepInput::ClaimNights) {
        if (request.from < 0 || request.to > kNightsPerYear) {
            return "The Claimant's overnights must be from 0 to 365.";
        }
        if (!IsShared(record)) {
            return "The Claimant's overnights can be varied only in a shared custody case.";
        }
    }
    if (request.input == SweepInput::ClaimChildren && request.from < 0) {
        return "The children claimed cannot be fewer than 0.";
    }
    return std::nullopt;
}

SweepPoint RunPoint(const CaseRecord& record, SweepInput input, double x,
                    SweepCalculation calculation) {
    CaseRecord copy = record;
    const bool awardTyped = AwardIsTyped(input, calculation);
    if (!awardTyped) {
        TypeSweepInput(copy, input, x);
    }
    SweepPoint point = Evaluate(copy, calculation, awardTyped ? std::optional(x) : std::nullopt);
    point.x = x;
    return point;
}

SweepPoint RunCurrent(const CaseRecord& record, SweepInput input, SweepCalculation calculation) {
    CaseRecord copy = record;
    SweepPoint point = Evaluate(copy, calculation, std::nullopt);
    point.x = SweepInputValue(copy, input);
    return point;
}

std::vector<std::string> PointLines(const SweepPoint& point, SweepInput input) {
    const SweepInputInfo& info = InfoOf(input);
    std::vector<std::string> lines = {std::string(info.caption) + " = " +
                                      Format(point.x, info.valueFormat)};
    if (point.stopped) {
        lines.push_back(point.message);
        return lines;
    }
    const char* payer = point.transfer > 0   ? " Paid By Other Parent"
                        : point.transfer < 0 ? " Paid By Claimant"
                                             : " (No Transfer)";
    lines.push_back("Child Support/Month = " + FormatSingle(std::abs(point.transfer), kMoney) +
                    payer);
    lines.push_back("Maintenance/Month = " + FormatSingle(point.maintenance, kMoney));
    lines.push_back("Claimant's Income/Month = " + Format(point.claimHousehold, kMoney));
    lines.push_back("Other Party's Income/Month = " + Format(point.otherHousehold, kMoney));
    return lines;
}

Sweep RunSweep(const CaseRecord& record, const SweepRequest& request) {
    Sweep sweep;
    sweep.request = request;
    sweep.current = RunCurrent(record, request.input, request.calculation);
    sweep.points.reserve(request.steps);
    for (int i = 0; i < request.steps; ++i) {
        const double x = request.from + (request.to - request.from) * i / (request.steps - 1);
        sweep.points.push_back(RunPoint(record, request.input, x, request.calculation));
    }
    AddRuleThresholds(record, sweep);
    if (request.input == SweepInput::ClaimNights) {
        AddNightThresholds(request, sweep);
    }
    SortAndMerge(sweep.thresholds, InfoOf(request.input).precision);
    return sweep;
}

}  // namespace tovaris::whatif
