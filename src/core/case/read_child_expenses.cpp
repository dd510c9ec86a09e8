#include "case/check_data_entry_steps.h"
#include "case/express_party.h"

namespace tovaris::read_in {
namespace {

using Message = std::string_view express_text::PartyMessages::*;

// With no minors the child expenses enter no calculation, whatever the fields hold.
void ZeroChildExpenses(CaseGlobals& g) {
    for (const ExpressParty* party : kExpressParties) {
        g.*party->dayCareMo = 0;
        g.*party->numCareCount = 0;
        g.*party->healthCareMo = 0;
        g.*party->specialExp = 0;
    }
}

// One monthly amount per party, the Claimant's first; read only when there are minors.
bool ReadPartyAmounts(EntryCheck& check, std::string_view ExpressParty::*field,
                      float CaseGlobals::*ExpressParty::*target, Message message) {
    if (check.globals.NumMinors == 0) {
        return true;
    }
    for (const ExpressParty* party : kExpressParties) {
        std::optional<double> amount = check.Number(party->*field);
        if (!amount) {
            return check.Error(party->*field, party->messages.*message);
        }
        check.globals.*(party->*target) = static_cast<float>(*amount);
    }
    return true;
}

}  // namespace

bool ReadDayCare(EntryCheck& check) {
    if (check.globals.NumMinors == 0) {
        ZeroChildExpenses(check.globals);
    }
    return ReadPartyAmounts(check, &ExpressParty::dayCare, &ExpressParty::dayCareMo,
                            &express_text::PartyMessages::dayCare);
}

// The financial declaration asks nothing about the credit: there an entry that is not a
// number simply counts no children.
bool ReadQualifiedChildren(EntryCheck& check) {
    CaseGlobals& g = check.globals;
    if (g.NumMinors == 0) {
        return true;
    }
    for (const ExpressParty* party : kExpressParties) {
        std::optional<double> count = check.Number(party->numCare);
        if (check.mode.financialDeclaration) {
            g.*party->numCareCount = count ? ToCount(*count) : int16_t{0};
            continue;
        }
        if (!count) {
            return check.Error(party->numCare, party->messages.numCare);
        }
        g.*party->numCareCount = ToCount(*count);
        if (g.*party->numCareCount > g.NumMinors) {
            return check.Error(party->numCare, party->messages.numCareExceedsMinors);
        }
    }
    return true;
}

bool ReadSpecialExpenses(EntryCheck& check) {
    return ReadPartyAmounts(check, &ExpressParty::special, &ExpressParty::specialExp,
                            &express_text::PartyMessages::special);
}

bool ReadHealthCare(EntryCheck& check) {
    return ReadPartyAmounts(check, &ExpressParty::healthCare, &ExpressParty::healthCareMo,
                            &express_text::PartyMessages::healthCare);
}

}  // namespace tovaris::read_in
