#pragma once

#include "case/case_fields.h"
#include "case/case_globals.h"
#include "case/case_options.h"
#include "case/case_results.h"
#include "case/income_entries.h"

namespace tovaris {

// The one open case: what the user entered, what the read-in derived from it, and the
// calculation options. A fresh CaseRecord is in its start-up state.
struct CaseRecord {
    CaseRecord();

    CaseFields fields;
    CaseGlobals globals;
    CaseOptions options;
    CaseResults results;
    IncomeEntries income;  // entry globals and periods of the income and business screens
};

// Resets the case screens (Express Entry, both income detail screens, the parenting time table
// and both business income screens) to their values after Clear, and empties the imputation
// texts. The worksheet and the financial declaration have Clear commands of their own.
void ClearCase(CaseRecord& record);

}  // namespace tovaris
