#pragma once

#include "case/case_record.h"
#include "maintenance/maintenance_taxes.h"

namespace tovaris::maintenance {

// The award of record.results.maintenance.SuggestedAward put in place: both parties' taxes with
// it, the child support with it when the case feeds maintenance into child support, and the
// net incomes and screen columns that follow. An award taxed to the payer is sized here: the
// taxable award's share of combined net income, given as an after-tax transfer over the taxes
// without maintenance. noAward: the taxes without maintenance, which stand when an unallocated
// transfer keeps the award out of the taxes. Throws tax::ArithmeticError from the tax runs.
void SettleAward(CaseRecord& record, const TaxFigures& noAward);

}  // namespace tovaris::maintenance
