#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace tovaris::cli {

// Exit codes of the headless program (documented in docs/cli.md).
enum ExitCode : int {
    kExitOk = 0,
    kExitStopped = 1,  // a message box stopped the command; the JSON is still printed
    kExitUsage = 2,    // unknown command or option, bad value, unreadable case file
};

class ReportRenderer;

// Runs one command line (arguments without the program name); writes to out and err. The
// report command draws its PDF with `renderer`; without one it can print the text runs only.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           const ReportRenderer* renderer = nullptr);

}  // namespace tovaris::cli
