#include "case/case_file_refresh.h"

#include "case/income_business.h"
#include "case/income_refresh.h"
#include "case/parenting_time_table.h"

namespace tovaris {
namespace {

constexpr CaseFileRefreshStep kSteps[] = {
    {"business income screens", RefreshBusinessScreens},
    {"income detail screens", BringIncomeScreensToYearly},
    {"business income screens again", RefreshBusinessScreens},
    {"parenting time table", RestoreParentingRows},
};

}  // namespace

std::span<const CaseFileRefreshStep> CaseFileRefreshSteps() {
    return kSteps;
}

}  // namespace tovaris
