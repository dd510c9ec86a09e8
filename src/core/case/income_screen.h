#pragma once

#include <string>

#include "case/case_record.h"
#include "case/income_fields.h"
#include "common/interaction.h"

namespace tovaris {

// Messages of the income detail screens.
inline constexpr char kOverAgeOtherChildWarning[] =
    "You Entered An Age Greater Than 18 For A 2nd Family Child . Do You Want To ReEnter This Age? "
    "Click On 'Yes' To ReEnter The Age. Click On 'No' To Have The Program Calculate A Deviation "
    "Using This Non-Minor Child.";
inline constexpr char kNoOtherChildAgesError[] = "Please Enter The Other Child(ren) And Their Ages";
inline constexpr char kOtherChildCountError[] =
    "Number Of Other Minor Children Is Not The Same As Number Of Ages Entered";

// What the screen shows of its optional parts, from its current entries.
struct IncomeScreenLayout {
    bool newSpouseColumn = false;  // the party files "MFJ": the "New Spouse" column and notes
    bool itemizedAmount = false;   // itemized deduction: the amounts and their two notes
    bool ageSixtyFive = false;     // standard deduction: the age-65 check
    bool eicOptions = false;       // EIC check ticked: the four qualifying-children options
};
IncomeScreenLayout IncomeScreenLayoutOf(const CaseRecord& record, IncomeParty party);

// Opening from the Express Entry screen: refused with "Entry Error" "Please Enter Claimant's Tax
// Filing Status" (or "Other Party's") and the focus on the filing status when the party has
// none. Returns whether the screen opens.
bool OpenIncomeScreen(CaseRecord& record, IncomeParty party, Interaction& interaction);

// Closing (Exit or the window's close button): links the business income screen, re-reads both
// pages and brings the screen to its yearly period, then checks the children from other
// relationships when their box is ticked: an age above 18 warns (not while the program is
// quitting), no age at all and a count of ages other than in-household plus not-in-household
// are errors. Returns true when the screen may be hidden; false when an error or a "Yes" keeps
// it open with the focus on the field concerned.
bool CloseIncomeScreen(CaseRecord& record, IncomeParty party, Interaction& interaction,
                       bool quitting = false);

// The deduction option pair of page 3. Itemized unticks the age-65 check (choosing standard
// again does not restore it); standard empties the itemized amounts.
void ChooseItemizedDeduction(CaseRecord& record, IncomeParty party);
void ChooseStandardDeduction(CaseRecord& record, IncomeParty party);

}  // namespace tovaris
