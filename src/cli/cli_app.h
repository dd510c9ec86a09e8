#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace tovaris::cli {

// Exit codes of the headless program (documented in docs/cli.md).
enum ExitCode : int {
    kExitOk = 0,
    kExitStopped = 1,  // the read-in stopped at an entry error
    kExitUsage = 2,    // unknown command or option
    kExitFile = 3,     // case file missing or damaged
};

// Runs one command line (arguments without the program name); writes to out and err.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace tovaris::cli
