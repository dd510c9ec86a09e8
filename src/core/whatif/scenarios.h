#pragma once

#include <optional>
#include <string>
#include <vector>

#include "case/case_record.h"

namespace tovaris::whatif {

// The open case as the case file holds it.
inline constexpr const char* kCurrentScenario = "Current";

// One named variant of the case, held as its case file line (every entry as typed).
struct Scenario {
    std::string name;
    std::string caseLine;
};

// The scenarios a case holds beside itself. One is on the screens at a time (the active one):
// its entries are the case record's, the others wait here. "Current" is always first and is
// what the case file keeps.
class ScenarioSet {
  public:
    ScenarioSet();

    std::vector<std::string> Names() const;
    const std::string& Active() const { return scenarios_[active_].name; }
    bool CurrentIsActive() const { return active_ == 0; }

    // "Duplicate as scenario": the entries on the screens under a new name, which becomes the
    // active scenario. Returns why a name is refused, or nullopt.
    std::optional<std::string> Duplicate(CaseRecord& record, const std::string& name);

    // Puts another scenario's entries on the screens; the active one keeps what was typed.
    void Activate(CaseRecord& record, const std::string& name);

    // Deletes a scenario other than "Current"; deleting the active one shows "Current" again.
    std::optional<std::string> Remove(CaseRecord& record, const std::string& name);

    // Every scenario as it stands, "Current" first.
    std::vector<Scenario> All(const CaseRecord& record) const;

    // A case opened with its scenarios: "Current" (the record) is active.
    void Reset(std::vector<Scenario> others = {});

    // The case as "Current" holds it, for the case file.
    CaseRecord CurrentCase(const CaseRecord& record) const;

  private:
    int IndexOf(const std::string& name) const;
    void Keep(CaseRecord& record);

    std::vector<Scenario> scenarios_;
    size_t active_ = 0;
};

// A copy of `record` (its options and switches) with a scenario's entries, as Open reads them.
CaseRecord CaseOf(const CaseRecord& record, const Scenario& scenario);

}  // namespace tovaris::whatif
