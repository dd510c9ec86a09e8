#pragma once

#include <string>

namespace tovaris {

struct CaseRecord;
class Interaction;

namespace forms {

inline constexpr const char* kClearSheetQuestion =
    "Are You Sure That You Want To Delete All Entries In This Worksheet?";

// Empties every worksheet entry (lines, notes, header, proposer choices). The self-support
// reserve box shows a preference and the extra page has a Clear of its own: both stay.
void ClearWorksheet(CaseRecord& record);

// "Clear Sheet": asks first, in a box titled "Warning"; true when the sheet was cleared.
bool ClearSheet(CaseRecord& record, Interaction& interaction);

// "Estimate Taxes": the tax-only read-in, then the tax steps; each party's monthly income taxes
// and FICA go to lines 2a and 2b of the party's column and become the worksheet's typed taxes.
// Returns false when the read-in stopped or an amount overflowed (the message was shown).
bool EstimateTaxes(CaseRecord& record, Interaction& interaction);

// The read-in a tax estimate starts with (the tax-only checks, the maintenance for the tax
// steps); false when it stopped with a message.
bool ReadInForTaxEstimate(CaseRecord& record, Interaction& interaction);

// Raises the one-shot worksheet tax override for the next net-income phase, with the taxes as
// lines 2a and 2b now show them (the user may have changed the estimate).
void RaiseWorksheetTaxOverride(CaseRecord& record);

// Index of a worksheet column's amounts in the typed tax amounts of the net-income phase, which
// holds the Claimant's first under MParentOption, that is Column 2 first.
int TaxSlotOfColumn(int column);

}  // namespace forms
}  // namespace tovaris
