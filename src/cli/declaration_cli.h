#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace tovaris::cli {

class ReportRenderer;
struct ReportRequest;

// `declaration FILE.FIN|--new [options]`: the financial declaration's commands, then every
// field as JSON. With a report request (`report declaration FILE.FIN ...`) the declaration is
// printed instead.
int RunDeclarationCli(const std::vector<std::string>& args, const ReportRequest* report,
                      const ReportRenderer* renderer, std::ostream& out, std::ostream& err);

}  // namespace tovaris::cli
