#include "support/nights_in_use.h"

#include <algorithm>
#include <cmath>

#include "case/parenting_time_table.h"
#include "common/entry_text.h"
#include "common/format.h"
#include "support/parenting_time.h"

namespace tovaris::support {

std::string NightsInUseNote(const CaseFields& fields) {
    const double minors = std::round(ReadAmount(fields.Text("MinChild")).value_or(0));
    if (minors < 1) {
        return "";
    }
    const int16_t family = static_cast<int16_t>(std::min(minors, double{kParentingRows}));
    const AverageNights average =
        AvgNightsForFamily(ClaimNightsOldestFirst(fields, family), family);
    const std::string inUse = FormatSingle(average.claim, "###.0");
    const double typed = ReadAmount(fields.Text("ClaimDays")).value_or(0);
    if (inUse == Format(typed, "###.0")) {
        return "";
    }
    return "In Use: " + Format(average.claim / double{kNightsPerYear}, ".##0") + " (" + inUse +
           " Nights), From The Parenting Time Table";
}

}  // namespace tovaris::support
