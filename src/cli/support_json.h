#pragma once

#include <nlohmann/json.hpp>

#include "case/case_record.h"

namespace tovaris::cli {

// The `support` part of the output: the child support calculation's results as it left them,
// when one ran; the Express Entry child support text and the typed net incomes' state always.
nlohmann::ordered_json SupportJson(const CaseRecord& record);

}  // namespace tovaris::cli
