#pragma once

#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "cli_app.h"

namespace tovaris::cli::testing {

// One command line run in process: its exit code, its JSON (null when nothing was printed) and
// what it wrote on stderr.
struct JsonRun {
    int exit;
    nlohmann::json json;
    std::string err;
};

inline JsonRun RunJson(const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    int exit = RunCli(args, out, err);
    nlohmann::json json = out.str().empty() ? nlohmann::json() : nlohmann::json::parse(out.str());
    return {exit, json, err.str()};
}

}  // namespace tovaris::cli::testing
