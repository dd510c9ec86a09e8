#pragma once

#include <iosfwd>
#include <nlohmann/json.hpp>

#include "case/case_record.h"
#include "cli_interaction.h"
#include "cli_options.h"

namespace tovaris::cli {

// `flip`, after the child support command: the calculator run with the command line's revised
// entries. Returns the `flip` part of the output; an entry error or an overflow sets `result`
// to the stop (null `flip`).
nlohmann::ordered_json RunFlipCommand(const Request& request, CaseRecord& record,
                                      CliInteraction& interaction, ReadInResult& result);

// `impute`: the window's figures for the chosen state, sex and age band, the chosen option
// applied to the party as closing the window applies it, the JSON printed and the case saved
// to `-o` when given. Returns the exit code.
int RunImputeCommand(const Request& request, CaseRecord& record, std::ostream& out,
                     std::ostream& err);

}  // namespace tovaris::cli
