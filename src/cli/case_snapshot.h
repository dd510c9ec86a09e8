#pragma once

#include <nlohmann/json.hpp>

#include "case/case_globals.h"

namespace tovaris::cli {

// The `case` part of the output: the case globals as the read-in left them. Keys the read-in
// did not reach are left out; to tell them apart every global starts the run with a mark that no
// entry can produce, and the marks are put back to the case's own values before any calculation.
class CaseSnapshot {
  public:
    // Marks every global of the `case` part as not yet set.
    void MarkUnset(CaseGlobals& globals);

    // Records what the read-in set, then restores the globals it did not reach.
    void Take(CaseGlobals& globals);

    const nlohmann::ordered_json& json() const { return json_; }

  private:
    CaseGlobals before_;
    nlohmann::ordered_json json_ = nlohmann::ordered_json::object();
};

// A single-precision value as the shortest decimal that reads back to the same single.
nlohmann::ordered_json SingleNumber(float value);

}  // namespace tovaris::cli
