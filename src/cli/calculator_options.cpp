#include "calculator_options.h"

#include <algorithm>

namespace tovaris::cli {
namespace {

bool Lists(const std::vector<std::string>& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

}  // namespace

std::string CalculatorArgs::Text(const std::string& name) const {
    auto it = values.find(name);
    return it == values.end() ? std::string() : it->second;
}

std::optional<CalculatorArgs> ParseCalculatorArgs(const std::vector<std::string>& args,
                                                  const CalculatorSyntax& syntax,
                                                  std::string& error) {
    CalculatorArgs parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const std::string name = arg.rfind("--", 0) == 0 ? arg.substr(2) : std::string();
        if (arg == "--pretty") {
            parsed.pretty = true;
        } else if (Lists(syntax.flagOptions, name)) {
            parsed.flags.insert(name);
        } else if (Lists(syntax.valueOptions, name)) {
            if (i + 1 >= args.size()) {
                error = "option " + arg + " needs a value";
                return std::nullopt;
            }
            parsed.values[name] = args[++i];
        } else {
            error = "unknown option " + arg;
            return std::nullopt;
        }
    }
    return parsed;
}

}  // namespace tovaris::cli
