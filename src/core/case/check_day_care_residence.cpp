#include <algorithm>
#include <string>

#include "case/check_data_entry_steps.h"
#include "case/custody_type.h"
#include "case/express_party.h"
#include "case/parenting_time_table.h"
#include "case/time_share.h"
#include "common/format.h"

// The day care credit goes only to the parent a child lives with more than half of the year;
// at exactly half (182.5 nights) to the parent with the greater income. The qualified children
// each party claims are checked against where the children live.
namespace tovaris::read_in {
namespace {

constexpr float kNightsPerYear = 365;

// How many of the minors live with the party more than half the year, and exactly half.
struct Residence {
    int moreThanHalf = 0;
    int exactlyHalf = 0;
};

Residence CountResidence(const EntryCheck& check, const ExpressParty& party) {
    Residence residence;
    int minors = std::min<int>(check.globals.NumMinors, kChildAgeFields);
    for (int row = 0; row < minors; ++row) {
        float claim = ClaimNightsOfChild(check.fields, row);
        float nights = &party == &kClaimParty ? claim : kNightsPerYear - claim;
        residence.moreThanHalf += nights > kHalfYearNights ? 1 : 0;
        residence.exactlyHalf += nights == kHalfYearNights ? 1 : 0;
    }
    return residence;
}

// Incomes as they stand on the screen: the gross globals are read only later.
double YearlyGross(const EntryCheck& check, const ExpressParty& party) {
    return 12 * check.Number(party.grossIncome).value_or(0);
}

bool HasGreaterIncome(const EntryCheck& check, const ExpressParty& party) {
    const ExpressParty& other = &party == &kClaimParty ? kPayerParty : kClaimParty;
    return YearlyGross(check, party) > YearlyGross(check, other);
}

std::string Count(int count) {
    return Format(count, "#0");
}

std::string SharedMessage(const express_text::PartyMessages& m, Residence residence,
                          bool greaterIncome, int entered, int most) {
    if (residence.exactlyHalf == 0) {
        return Count(residence.moreThanHalf) + std::string(m.careMoreThanHalfBut) + Count(entered) +
               std::string(m.careEligibleShort) + Count(most) + std::string(m.careShortEnding);
    }
    std::string_view exact =
        greaterIncome ? m.careExactWithGreaterIncome : m.careExactWithoutGreaterIncome;
    return Count(residence.moreThanHalf) + std::string(m.careMoreThanHalf) +
           Count(residence.exactlyHalf) + std::string(exact) + Count(entered) +
           std::string(m.careInconsistent) + Count(most) +
           std::string(express_text::kDayCareCheckEntries);
}

bool CheckShared(EntryCheck& check, const ExpressParty& party, int entered) {
    Residence residence = CountResidence(check, party);
    bool greaterIncome = HasGreaterIncome(check, party);
    int most = residence.moreThanHalf + (greaterIncome ? residence.exactlyHalf : 0);
    if (entered <= most) {
        return true;
    }
    return check.Error(party.numCare,
                       SharedMessage(party.messages, residence, greaterIncome, entered, most),
                       true);
}

bool CheckParty(EntryCheck& check, const ExpressParty& party) {
    const CaseGlobals& g = check.globals;
    const express_text::PartyMessages& m = party.messages;
    int entered = g.*party.numCareCount;
    if (g.CustodyType == party.nonCustodial && entered >= 1) {
        return check.Error(party.numCare, m.careNotResident, true);
    }
    if (g.CustodyType == party.custodial && entered > g.NumMinors) {
        return check.Error(party.numCare, m.careExceedsMinors, true);
    }
    if (g.CustodyType == kCustodySplit &&
        entered > check.Number(party.possessionSplit).value_or(0)) {
        return check.Error(party.numCare, m.careExceedsSplit, true);
    }
    if (g.CustodyType == kCustodyShared) {
        return CheckShared(check, party, entered);
    }
    return true;
}

}  // namespace

bool CheckQualifiedResidence(EntryCheck& check) {
    if (check.globals.NumMinors == 0) {
        return true;
    }
    for (const ExpressParty* party : kExpressParties) {
        if (!CheckParty(check, *party)) {
            return false;
        }
    }
    return true;
}

}  // namespace tovaris::read_in
