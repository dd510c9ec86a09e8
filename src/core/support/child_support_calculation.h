#pragma once

namespace tovaris {

struct CaseRecord;

// The child support calculation: the net-income phase, then one support pass for each number
// of children from 1 to the case's minors. Reads and writes the case record; the monthly
// maintenance it taxes is record.globals.MaintForChildSupport.
void CalculateChildSupport(CaseRecord& record);

// The support passes alone, from the net incomes already in record.results.tax.
void RunSupportPhase(CaseRecord& record);

}  // namespace tovaris
