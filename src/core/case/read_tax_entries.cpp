#include <array>

#include "case/check_data_entry_steps.h"
#include "case/express_messages.h"
#include "case/express_party.h"

namespace tovaris::read_in {
namespace {

using namespace express_text;

constexpr double kHighestStateRate = 0.5;  // a rate from here up is surely a typing error

struct FilingChoice {
    std::string_view ExpressParty::*option;
    std::string_view code;
};

constexpr std::array<FilingChoice, 4> kFilingChoices = {{
    {&ExpressParty::headHouse, "Head"},
    {&ExpressParty::single, "Single"},
    {&ExpressParty::married, "MarriedSep"},
    {&ExpressParty::mfj, "MFJ"},
}};

std::string_view SelectedFilingStatus(const EntryCheck& check, const ExpressParty& party) {
    for (const FilingChoice& choice : kFilingChoices) {
        if (check.fields.Selected(party.*choice.option)) {
            return choice.code;
        }
    }
    return {};
}

// The children a party may claim for the child tax credit: the case's minors and the party's
// children from other relationships.
double Depend17Limit(const CaseGlobals& g, const ExpressParty& party) {
    return g.NumMinors + g.*party.otherKids + g.*party.otherKidsNot;
}

bool ReadStateTaxRate(EntryCheck& check, const ExpressParty& party) {
    std::optional<double> typed = check.Number(party.stateTax);
    float rate = static_cast<float>(typed.value_or(-1));
    if (!typed || rate < 0 || rate >= kHighestStateRate) {
        return check.Error(party.stateTax, party.messages.stateTaxRate);
    }
    check.globals.*party.stateTaxRate = rate;
    check.globals.*party.stateTaxAmount = 0;
    return true;
}

bool ReadStateTaxAmount(EntryCheck& check, const ExpressParty& party) {
    std::optional<double> amount = check.Number(party.stateTax);
    if (!amount || *amount < 0) {
        return check.Error(party.stateTax, party.messages.stateTaxAmount);
    }
    check.globals.*party.stateTaxAmount = static_cast<float>(*amount);
    check.globals.*party.stateTaxRate = 0;
    return true;
}

}  // namespace

bool ReadGrossIncomes(EntryCheck& check) {
    for (const ExpressParty* party : kExpressParties) {
        std::optional<double> monthly = check.Number(party->grossIncome);
        if (!monthly) {
            const PartyMessages& m = party->messages;
            return check.Error(party->grossIncome,
                               check.mode.taxOnly ? m.taxOnlyGrossIncome : m.grossIncome);
        }
        check.globals.*party->grossYearly = static_cast<float>(12 * *monthly);
    }
    return true;
}

bool ReadChildTaxCreditCounts(EntryCheck& check) {
    CaseGlobals& g = check.globals;
    bool taxOnly = check.mode.taxOnly;
    for (const ExpressParty* party : kExpressParties) {
        std::optional<double> count = check.Number(party->depend17);
        if (!count || *count < 0) {
            const PartyMessages& m = party->messages;
            return check.Error(party->depend17, taxOnly ? m.taxOnlyDepend17 : m.depend17);
        }
        g.*party->depend17Count = ToCount(*count);
    }
    for (const ExpressParty* party : kExpressParties) {
        if (g.*party->depend17Count > Depend17Limit(g, *party)) {
            const PartyMessages& m = party->messages;
            return check.Error(party->depend17, taxOnly ? m.taxOnlyDepend17Limit : m.depend17Limit);
        }
    }
    double bothLimit = g.NumMinors + g.ClaimOtherKids + g.ClaimOtherKidsNot + g.PayerOtherKids +
                       g.PayerOtherKidsNot;
    if (g.ClaimDepend17Count + g.PayerDepend17Count > bothLimit) {
        return check.Error(kClaimParty.depend17, taxOnly ? kTaxOnlyDepend17Sum : kDepend17Sum);
    }
    return true;
}

bool ReadStateTax(EntryCheck& check) {
    for (const ExpressParty* party : kExpressParties) {
        bool asAmount = check.fields.Text(party->stateTaxCombo) == kAsAmount;
        if (!(asAmount ? ReadStateTaxAmount(check, *party) : ReadStateTaxRate(check, *party))) {
            return false;
        }
    }
    return true;
}

bool ReadFilingStatus(EntryCheck& check) {
    for (const ExpressParty* party : kExpressParties) {
        std::string_view status = SelectedFilingStatus(check, *party);
        if (status.empty()) {
            return check.Error(party->headHouse, check.mode.taxOnly ? kTaxOnlyFilingStatus
                                                                    : party->messages.filingStatus);
        }
        check.globals.*party->filingStatus = status;
    }
    return true;
}

}  // namespace tovaris::read_in
