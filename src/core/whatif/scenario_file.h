#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "case/case_record.h"
#include "whatif/scenarios.h"

namespace tovaris::whatif {

// The scenarios of CASE.QCF live beside it in CASE.QSC, so that the case file keeps its exact
// layout and the programs that read it are not disturbed. The file is text: the line
// "Tovaris Scenarios", then for each scenario besides "Current" a line with its name in double
// quotes, a comma and the length of its case file line, then that line.
std::filesystem::path ScenarioFilePath(const std::filesystem::path& caseFile);

struct ScenarioFileResult {
    bool ok = true;
    std::string message;  // what the caller shows the user
    std::vector<Scenario> scenarios;
};

// Writes the scenarios besides "Current" atomically; with none, no scenario file is left.
ScenarioFileResult SaveScenarioFile(const std::filesystem::path& caseFile,
                                    const std::vector<Scenario>& all);

// Reads the scenarios of a case file; none when there is no scenario file. A damaged file is
// reported and, with `setAside`, renamed CASE.QSC.damaged so that a later save cannot overwrite
// it; the case itself is not touched. `base` gives each scenario the options of the open case.
ScenarioFileResult OpenScenarioFile(const std::filesystem::path& caseFile, const CaseRecord& base,
                                    bool setAside);

// The bytes of a scenario file, and their reading (nullopt when damaged).
std::string ScenarioFileBytes(const std::vector<Scenario>& others);
std::optional<std::vector<Scenario>> ReadScenarioBytes(const std::string& bytes,
                                                       const CaseRecord& base);

}  // namespace tovaris::whatif
