#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace tovaris::cli {

// A calculator's command line: `--name value` entries and bare flags, each checked against the
// names the command knows.
struct CalculatorArgs {
    std::map<std::string, std::string> values;  // without the leading "--"
    std::set<std::string> flags;
    bool pretty = false;

    // The entry as typed, or "" (an empty box) when not given.
    std::string Text(const std::string& name) const;
    bool Has(const std::string& name) const { return values.count(name) != 0; }
};

struct CalculatorSyntax {
    std::vector<std::string> valueOptions;
    std::vector<std::string> flagOptions;
};

// Parses the arguments after the command; nullopt with `error` set on an unknown option or a
// missing value.
std::optional<CalculatorArgs> ParseCalculatorArgs(const std::vector<std::string>& args,
                                                  const CalculatorSyntax& syntax,
                                                  std::string& error);

}  // namespace tovaris::cli
