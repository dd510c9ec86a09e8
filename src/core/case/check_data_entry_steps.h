#pragma once

#include <optional>

#include "case/entry_check.h"
#include "case/express_layout.h"

// The steps of the Express read-in, in the order CheckDataEntry runs them. Each returns false
// when it stopped the run.
namespace tovaris::read_in {

inline constexpr float kFirstOlderAge = 12;  // the economic table's second age band

// Children and custody.
bool ReadNumChildren(EntryCheck& check);
bool ReadNumMinors(EntryCheck& check);
bool ReadChildAges(EntryCheck& check);
bool WarnOverAge(EntryCheck& check);
bool ReadCustodyType(EntryCheck& check);
bool ReadOtherChildren(EntryCheck& check);

// Child expenses and the day care credit.
bool ReadDayCare(EntryCheck& check);
bool ReadQualifiedChildren(EntryCheck& check);
bool CheckQualifiedResidence(EntryCheck& check);
bool ReadSpecialExpenses(EntryCheck& check);
bool ReadHealthCare(EntryCheck& check);

// Residential schedule.
bool CheckNoMinorsType(EntryCheck& check);
bool ReadSharedTime(EntryCheck& check);
bool ReadSplitCounts(EntryCheck& check);

// Taxes.
bool ReadGrossIncomes(EntryCheck& check);
bool ReadChildTaxCreditCounts(EntryCheck& check);
bool ReadStateTax(EntryCheck& check);
bool ReadFilingStatus(EntryCheck& check);
bool WarnFilingStatus(EntryCheck& check);

// The age of child field `index` as the read-in holds it (19 as 18.6); nullopt when none was
// entered.
std::optional<float> HeldAge(const EntryCheck& check, int index);

}  // namespace tovaris::read_in
