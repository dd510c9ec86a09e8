#pragma once

#include "case/case_record.h"
#include "case/express_layout.h"
#include "case/express_party.h"
#include "common/interaction.h"

// What the Express Entry screen does as the user types and clicks, apart from the time-share
// fields (time_share.h). The screen calls these and shows the fields and layout they leave.
namespace tovaris {

// One of the five custody options was clicked: the caregiver characterization starts afresh, and
// "No Minor Children" empties the children fields.
ExpressLayout OnCustodyOptionChanged(CaseRecord& record);

// "Number of Children Born during Marriage" changed: with none, the minors and ages are emptied.
ExpressLayout OnNumChildChanged(CaseRecord& record);

// "Number of Minor Children Remaining" changed: refused above the children born; 0 selects "No
// Minor Children", a positive count unselects it; split counts are asked again.
ExpressLayout OnMinChildChanged(CaseRecord& record, Interaction& interaction);

// A split count changed: refused (and emptied) when not a number or when both counts together
// exceed the minors. An emptied field is left alone so that the user can retype.
void OnSplitCountChanged(CaseRecord& record, Interaction& interaction, PartySide side);

// The party's "As Rate"/"As Amount" choice changed: the state tax field starts at zero in the
// chosen form.
void OnStateTaxComboChanged(CaseRecord& record, PartySide side);

// Menu option "Maint Taxable to Payee", with its note on the 2019 tax law change.
void ChooseMaintTaxedToPayee(CaseRecord& record, Interaction& interaction);

// Option "Column 1" for the Claimant on the worksheet, after confirmation; "No" keeps column 2.
void ChooseClaimantColumn1(CaseRecord& record, Interaction& interaction);

// Button "Clear": after confirmation empties the case. Returns whether it did.
bool ClearCommand(CaseRecord& record, Interaction& interaction);

}  // namespace tovaris
