#include "sweep_output.h"

#include <array>

#include "common/format.h"

namespace tovaris::cli {
namespace {

using whatif::SweepPoint;

struct Column {
    const char* key;
    double (*value)(const SweepPoint&);
};

// The figures of a point, in the order of the JSON keys and the CSV columns.
constexpr std::array<Column, 6> kColumns{{
    {"transfer", [](const SweepPoint& p) { return double{p.transfer}; }},
    {"maintenance", [](const SweepPoint& p) { return double{p.maintenance}; }},
    {"claimNet", [](const SweepPoint& p) { return double{p.claimNet}; }},
    {"otherNet", [](const SweepPoint& p) { return double{p.otherNet}; }},
    {"claimHousehold", [](const SweepPoint& p) { return p.claimHousehold; }},
    {"otherHousehold", [](const SweepPoint& p) { return p.otherHousehold; }},
}};

nlohmann::ordered_json PointJson(const SweepPoint& point) {
    nlohmann::ordered_json json;
    json["x"] = point.x;
    if (point.stopped) {
        json["stopped"] = point.message;
        return json;
    }
    for (const Column& column : kColumns) {
        json[column.key] = column.value(point);
    }
    return json;
}

const char* CalculationName(whatif::SweepCalculation calculation) {
    return calculation == whatif::SweepCalculation::Maintenance ? "maintenance" : "childsupport";
}

std::string CsvText(const std::string& text) {
    std::string quoted = "\"";
    for (char c : text) {
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    }
    return quoted + "\"";
}

}  // namespace

nlohmann::ordered_json SweepJson(const whatif::Sweep& sweep) {
    nlohmann::ordered_json json;
    json["vary"] = whatif::InfoOf(sweep.request.input).name;
    json["calculation"] = CalculationName(sweep.request.calculation);
    json["current"] = PointJson(sweep.current);
    json["points"] = nlohmann::ordered_json::array();
    for (const SweepPoint& point : sweep.points) {
        json["points"].push_back(PointJson(point));
    }
    json["thresholds"] = nlohmann::ordered_json::array();
    for (const whatif::Threshold& threshold : sweep.thresholds) {
        json["thresholds"].push_back({{"x", threshold.x}, {"label", threshold.label}});
    }
    return json;
}

void WriteSweepCsv(const whatif::Sweep& sweep, std::ostream& out) {
    out << "x";
    for (const Column& column : kColumns) {
        out << "," << column.key;
    }
    out << ",stopped\n";
    for (const SweepPoint& point : sweep.points) {
        out << Format(point.x, "0.0#####");
        for (const Column& column : kColumns) {
            out << "," << (point.stopped ? "" : Format(column.value(point), "0.00"));
        }
        out << "," << (point.stopped ? CsvText(point.message) : "") << "\n";
    }
    for (const whatif::Threshold& threshold : sweep.thresholds) {
        out << "# threshold," << Format(threshold.x, "0.0#") << "," << CsvText(threshold.label)
            << "\n";
    }
}

}  // namespace tovaris::cli
