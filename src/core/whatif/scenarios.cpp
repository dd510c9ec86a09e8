#include "whatif/scenarios.h"

#include <algorithm>

#include "case/case_file.h"

namespace tovaris::whatif {
namespace {

constexpr size_t kLongestName = 40;

std::string LineOf(const CaseRecord& record) {
    CaseRecord copy = record;
    return SaveData(copy);
}

void Load(CaseRecord& record, const std::string& line) {
    LoadData(record, line, "");  // written by this program: it always reads back
}

}  // namespace

ScenarioSet::ScenarioSet() {
    Reset();
}

void ScenarioSet::Reset(std::vector<Scenario> others) {
    scenarios_ = {{kCurrentScenario, ""}};
    scenarios_.insert(scenarios_.end(), others.begin(), others.end());
    active_ = 0;
}

std::vector<std::string> ScenarioSet::Names() const {
    std::vector<std::string> names;
    for (const Scenario& s : scenarios_) {
        names.push_back(s.name);
    }
    return names;
}

int ScenarioSet::IndexOf(const std::string& name) const {
    for (size_t i = 0; i < scenarios_.size(); ++i) {
        if (scenarios_[i].name == name) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void ScenarioSet::Keep(CaseRecord& record) {
    scenarios_[active_].caseLine = LineOf(record);
}

std::optional<std::string> ScenarioSet::Duplicate(CaseRecord& record, const std::string& name) {
    const bool blank = std::all_of(name.begin(), name.end(), [](char c) { return c == ' '; });
    if (blank || name.size() > kLongestName) {
        return "Please Enter A Name Of 1 To 40 Characters For The Scenario.";
    }
    if (IndexOf(name) >= 0) {
        return "There Is Already A Scenario Named " + name + ". Please Enter Another Name.";
    }
    Keep(record);
    scenarios_.push_back({name, scenarios_[active_].caseLine});
    active_ = scenarios_.size() - 1;
    return std::nullopt;
}

void ScenarioSet::Activate(CaseRecord& record, const std::string& name) {
    const int index = IndexOf(name);
    if (index < 0 || static_cast<size_t>(index) == active_) {
        return;
    }
    Keep(record);
    active_ = static_cast<size_t>(index);
    Load(record, scenarios_[active_].caseLine);
}

std::optional<std::string> ScenarioSet::Remove(CaseRecord& record, const std::string& name) {
    const int index = IndexOf(name);
    if (index == 0) {
        return "The Current Scenario Is The Case Itself And Cannot Be Deleted.";
    }
    if (index < 0) {
        return std::nullopt;
    }
    if (static_cast<size_t>(index) == active_) {
        Activate(record, kCurrentScenario);
    }
    scenarios_.erase(scenarios_.begin() + index);
    return std::nullopt;
}

std::vector<Scenario> ScenarioSet::All(const CaseRecord& record) const {
    std::vector<Scenario> all = scenarios_;
    all[active_].caseLine = LineOf(record);
    return all;
}

CaseRecord ScenarioSet::CurrentCase(const CaseRecord& record) const {
    return CurrentIsActive() ? record : CaseOf(record, scenarios_[0]);
}

CaseRecord CaseOf(const CaseRecord& record, const Scenario& scenario) {
    CaseRecord copy = record;
    Load(copy, scenario.caseLine);
    return copy;
}

}  // namespace tovaris::whatif
