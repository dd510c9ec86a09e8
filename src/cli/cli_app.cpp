#include "cli_app.h"

#include <ostream>

namespace tovaris::cli {
namespace {

constexpr const char* kUsage =
    "Usage: tovaris-cli COMMAND [CASE.QCF] [OPTIONS]\n"
    "\n"
    "Runs the Tovaris calculations on a saved case and prints the results as JSON.\n"
    "\n"
    "Commands:\n"
    "  --help       show this text\n"
    "  --version    show the program version\n";

}  // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty() || args[0] == "--help" || args[0] == "-h") {
        out << kUsage;
        return args.empty() ? kExitUsage : kExitOk;
    }
    if (args[0] == "--version") {
        out << "tovaris-cli " << TOVARIS_VERSION << "\n";
        return kExitOk;
    }
    err << "tovaris-cli: unknown command '" << args[0] << "'\n" << kUsage;
    return kExitUsage;
}

}  // namespace tovaris::cli
