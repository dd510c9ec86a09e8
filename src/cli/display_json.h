#pragma once

#include <nlohmann/json.hpp>

#include "case/case_record.h"
#include "common/display_row.h"

namespace tovaris::cli {

// Display rows as [{"label": ..., "value": ...}, ...], the texts exactly as the screens show them.
nlohmann::ordered_json RowsJson(const DisplayRows& rows);

// The `display` part of the child support output: the results screen's lines.
nlohmann::ordered_json SupportDisplayJson(const CaseRecord& record);

}  // namespace tovaris::cli
