#pragma once

#include <string>
#include <string_view>

#include "case/case_record.h"
#include "common/interaction.h"

namespace tovaris {

// The child support results screen's commands. Those returning bool say whether the case
// changed, in which case the caller recalculates and redraws.

// "Show Limits" applies the low-income limitations, "Hide Limits" removes them; any other
// caption ("No Limitations") does nothing.
bool ToggleLimits(CaseRecord& record);

// The same for the other-children deviation.
bool ToggleDeviation(CaseRecord& record);

enum class NetParty { Claimant, Other };

// "Change": the party's "New Net Per Month" replaces the computed net income. An entry that
// is not a number, or is negative, is refused with its message and the focus goes back to it.
bool ChangeTypedNet(CaseRecord& record, Interaction& interaction, NetParty party,
                    std::string_view text);

// Typing in a party's "New Net Per Month" box. Once "Change" has put the party's typed net
// income in force, every calculation reads the box again, so a later edit counts too.
void TypeNetBox(CaseRecord& record, NetParty party, std::string text);

// "Reset": the party's computed net income is back in force.
void ResetTypedNet(CaseRecord& record, NetParty party);

// No typed net income in force (a new case, another extrapolation method).
void ClearTypedNets(CaseRecord& record);

// The extrapolation items: the chosen method, and no typed net income in force.
void ChangeExtrapolation(CaseRecord& record, Extrapolation method);

// The "New Net Per Month" box of a party.
const char* TypedNetField(NetParty party);

}  // namespace tovaris
