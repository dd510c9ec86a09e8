#pragma once

#include "case/case_fields.h"

namespace tovaris::support {

inline constexpr float kDefaultSelfSupportReserve = 1519;

// The self-support reserve typed in the worksheet's NeedLimit box, read as an amount entry is
// read. Text that is not a number falls back to the default, and the box shows "$ 1519" again.
float ReadSelfSupportReserve(CaseFields& fields);

}  // namespace tovaris::support
