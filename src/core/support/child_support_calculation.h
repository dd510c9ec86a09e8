#pragma once

namespace tovaris {

struct CaseRecord;

// The child support calculation: the net-income phase, then the support phase. Reads and
// writes the case record; the monthly maintenance it taxes is
// record.globals.MaintForChildSupport. A tax::ArithmeticError of the net-income phase ends it
// before the support phase.
void CalculateChildSupport(CaseRecord& record);

// The support phase alone, from the net incomes already in record.results.tax: one pass for each
// number of children from 1 to the case's minors (the last pass leaves the case's figures, each
// pass up to five children its tier), then the Express Entry ChildSupport text,
// ChildSupportMonthly and LimitsAppliedAtCalc. The limits and deviation switches of
// record.results.support are kept; every other support result is computed afresh.
void RunSupportPhase(CaseRecord& record);

}  // namespace tovaris
