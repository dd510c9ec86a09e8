#pragma once

#include <nlohmann/json.hpp>

#include "case/case_record.h"

namespace tovaris::cli {

// The `worksheet` part of the output: the header, every line of the worksheet's table by its id
// with each column's boxes as the screen shows them, the notes, and the synopsis lines.
nlohmann::ordered_json WorksheetJson(const CaseRecord& record);

}  // namespace tovaris::cli
