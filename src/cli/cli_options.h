#pragma once

#include <optional>
#include <string>
#include <vector>

#include "case/case_record.h"
#include "cli_interaction.h"

namespace tovaris::cli {

// One parsed command line.
struct Request {
    std::string command;  // "childsupport", "maintenance", "validate", "tax", "worksheet"
    std::string casePath;
    CaseOptions options;
    std::optional<bool> applyMaintToCS;  // given explicitly; else the calculation order decides
    bool limits = false;
    bool deviation = false;
    float selfSupport = 1519;
    std::optional<float> claimNet;
    std::optional<float> otherNet;
    Answers answers;
    bool pretty = false;
    bool fromExpress = false;    // worksheet: "Get Data From Express Form" first
    bool estimateTaxes = false;  // worksheet: "Estimate Taxes" before the calculation
};

// Parses the arguments after the program name. Returns the request, or sets `error` to the
// one-line reason the command line is refused.
std::optional<Request> ParseRequest(const std::vector<std::string>& args, std::string& error);

}  // namespace tovaris::cli
