#pragma once

#include <nlohmann/json.hpp>

#include "case/case_record.h"

namespace tovaris::cli {

// The `maintenance` part of the output: the recommendation as it left the case, with the
// maintenance screen's lines under `display`.
nlohmann::ordered_json MaintenanceJson(const CaseRecord& record);

}  // namespace tovaris::cli
