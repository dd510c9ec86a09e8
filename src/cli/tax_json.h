#pragma once

#include <nlohmann/json.hpp>

#include "tax/tax_results.h"

namespace tovaris::cli {

// The `tax` part of the output: both parties' outcome of the net-income phase.
nlohmann::ordered_json TaxJson(const TaxResults& tax, bool claimJoint, bool payerJoint);

}  // namespace tovaris::cli
