#pragma once

#include <optional>
#include <string>
#include <vector>

#include "calculators/income_imputation.h"
#include "case/case_record.h"
#include "cli_interaction.h"
#include "forms/worksheet_calculation.h"
#include "whatif/sweep.h"

namespace tovaris::cli {

// One parsed command line.
struct Request {
    // "childsupport", "maintenance", "validate", "tax", "worksheet", "flip", "impute", "sweep",
    // "compare"
    std::string command;
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
    forms::WorksheetRun worksheetRun = forms::WorksheetRun::Calculate;

    // flip: the revised entries as typed; an entry not given keeps the case's own figure.
    std::optional<std::string> claimNights;
    std::optional<std::string> otherNights;
    std::optional<std::string> claimUnder17;
    std::optional<std::string> otherUnder17;

    // impute: the party, the window's option and its choices, and where to save the case.
    std::optional<IncomeParty> party;
    std::optional<calculators::ImputeMethod> method;
    std::string state{calculators::kDefaultWageState};
    std::optional<calculators::Sex> sex;
    std::optional<std::size_t> ageBand;
    std::string output;  // -o

    whatif::SweepRequest sweep;  // sweep: --vary, --from, --to, --steps, --calculation
    bool varyGiven = false;
    bool csv = false;  // sweep: the series as CSV instead of JSON
};

// Parses the arguments after the program name. Returns the request, or sets `error` to the
// one-line reason the command line is refused.
std::optional<Request> ParseRequest(const std::vector<std::string>& args, std::string& error);

}  // namespace tovaris::cli
