#include "calculators/reference_tables.h"

#include <map>
#include <sstream>
#include <stdexcept>
#include <vector>

#include "calculators/reference_data.h"

namespace tovaris::calculators {
namespace {

// The rows of a compiled-in CSV table, its header left out.
std::vector<std::vector<std::string>> Rows(std::string_view csv) {
    std::vector<std::vector<std::string>> rows;
    std::istringstream lines{std::string(csv)};
    std::string line;
    std::getline(lines, line);
    while (std::getline(lines, line)) {
        if (line.empty()) {
            continue;
        }
        std::vector<std::string> cells;
        std::istringstream cellStream(line);
        std::string cell;
        while (std::getline(cellStream, cell, ',')) {
            cells.push_back(cell);
        }
        rows.push_back(cells);
    }
    return rows;
}

// A two-column table by age, every age from 0 present.
template <std::size_t N>
std::array<double, N> ByAge(std::string_view csv) {
    std::array<double, N> values{};
    std::size_t count = 0;
    for (const auto& row : Rows(csv)) {
        values.at(std::stoul(row.at(0))) = std::stod(row.at(1));
        ++count;
    }
    if (count != N) {
        throw std::logic_error("reference table incomplete");
    }
    return values;
}

std::map<std::string, LifeTable> LifeTables() {
    std::map<std::string, LifeTable> tables;
    for (const auto& row : Rows(LifeTablesCsv())) {
        LifeTable& table = tables[row.at(0)];
        const std::size_t age = std::stoul(row.at(1));
        table.survivors.at(age) = std::stod(row.at(2));
        table.expectancy.at(age) = std::stod(row.at(3));
    }
    return tables;
}

}  // namespace

const LifeTable& LifeTableFor(const std::string& key) {
    static const std::map<std::string, LifeTable> tables = LifeTables();
    return tables.at(key);
}

const std::array<double, 111>& SingleLifeExpectancy() {
    static const std::array<double, 111> table = ByAge<111>(SingleLifeExpectancyCsv());
    return table;
}

const std::array<double, 115>& MortalityRates() {
    static const std::array<double, 115> table = ByAge<115>(MortalityCsv());
    return table;
}

const std::vector<MinimumWage>& StateMinimumWages() {
    static const std::vector<MinimumWage> table = [] {
        std::vector<MinimumWage> rows;
        for (const auto& row : Rows(MinimumWagesCsv())) {
            rows.push_back({row.at(1), row.at(2)});
        }
        return rows;
    }();
    return table;
}

}  // namespace tovaris::calculators
