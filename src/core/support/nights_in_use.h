#pragma once

#include <string>

#include "case/case_fields.h"

namespace tovaris::support {

// The Express Entry screen's note beside its shared-custody share: the calculation prices the
// family with the parenting-time table's average nights, so when that average is not the share
// typed there, the note says which share is in use: "In Use: .499 (182.0 Nights), From The
// Parenting Time Table". Empty when they agree or no minors are entered.
std::string NightsInUseNote(const CaseFields& fields);

}  // namespace tovaris::support
