#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace tovaris::cli {

// The auxiliary calculators (pension, ira72t, fincalc, bizvalue) take their entries on the
// command line instead of from a case file.
bool IsCalculatorCommand(const std::string& command);

// Runs one calculator command line (the command first); exit codes as RunCli's.
int RunCalculatorCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace tovaris::cli
