#pragma once

#include "forms/worksheet_results.h"
#include "maintenance/maintenance_results.h"
#include "support/support_results.h"
#include "tax/tax_results.h"

namespace tovaris {

// The derived layer of the case: what the calculations wrote for the screens and reports.
struct CaseResults {
    TaxResults tax;
    SupportResults support;
    maintenance::MaintenanceResults maintenance;
    forms::WorksheetResults worksheet;
};

}  // namespace tovaris
