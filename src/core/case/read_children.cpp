#include <algorithm>

#include "case/check_data_entry_steps.h"
#include "case/custody_type.h"
#include "case/express_messages.h"
#include "case/express_party.h"

namespace tovaris::read_in {
namespace {

using namespace express_text;

constexpr float kAgeOf19 = 19;
constexpr float kAgeOf19Held = 18.6f;
constexpr float kAdultAge = 18;
constexpr int kOtherAgeFields = 5;

std::string ChildField(int index) {
    return ElementName("Child", index);
}

// A count of other children as typed; an entry that is not a number counts none.
int16_t OtherChildrenCount(const EntryCheck& check, std::string_view field) {
    std::optional<double> count = check.Number(field);
    return count ? std::max<int16_t>(ToCount(*count), 0) : int16_t{0};
}

bool OtherChildIsOlder(const EntryCheck& check, const ExpressParty& party, int index) {
    if (index >= kOtherAgeFields) {
        return false;
    }
    std::optional<double> age = check.Number(ElementName(party.otherChildAge, index));
    return age && *age >= kFirstOlderAge;
}

// The first numOther ages are the children in the party's household, the next numOtherNot
// those elsewhere; a child whose age is missing is counted under 12.
void ReadPartyOtherChildren(EntryCheck& check, const ExpressParty& party) {
    OtherChildrenBands bands;
    int16_t home = 0;
    int16_t away = 0;
    if (check.fields.Ticked(party.secFamCheck)) {
        home = OtherChildrenCount(check, party.numOther);
        away = OtherChildrenCount(check, party.numOtherNot);
    }
    for (int i = 0; i < home + away; ++i) {
        bool older = OtherChildIsOlder(check, party, i);
        int16_t& band = i < home ? (older ? bands.home12Plus : bands.homeUnder12)
                                 : (older ? bands.away12Plus : bands.awayUnder12);
        ++band;
    }
    check.globals.*party.otherKids = home;
    check.globals.*party.otherKidsNot = away;
    check.globals.*party.otherBands = bands;
}

}  // namespace

std::optional<float> HeldAge(const EntryCheck& check, int index) {
    std::optional<double> age = check.Number(ChildField(index));
    if (!age || *age < 0) {
        return std::nullopt;
    }
    float held = static_cast<float>(*age);
    return held == kAgeOf19 ? kAgeOf19Held : held;
}

bool ReadNumChildren(EntryCheck& check) {
    std::optional<double> born = check.Number("NumChild");
    if (!born || *born < 0) {
        return check.Error("NumChild", kNumChild);
    }
    check.globals.NumChildren = ToCount(*born);
    return true;
}

// One age field per minor: more minors than that cannot be entered.
bool ReadNumMinors(EntryCheck& check) {
    CaseGlobals& g = check.globals;
    int16_t minors = 0;
    if (g.NumChildren != 0) {
        std::optional<double> typed = check.Number("MinChild");
        if (!typed || *typed < 0 || *typed > kChildAgeFields) {
            return check.Error("MinChild", kMinChildRange);
        }
        minors = ToCount(*typed);
    }
    g.NumMinors = minors;
    if (g.NumMinors > g.NumChildren) {
        return check.Error("MinChild", kMinorsExceedChildren);
    }
    return true;
}

// An age that is not a number (a negative one included) is emptied, so that the count of
// ages the user sees is the count the read-in compares with the minors.
bool ReadChildAges(EntryCheck& check) {
    CaseGlobals& g = check.globals;
    g.ChildAges = {};
    g.NumChildAges = 0;
    g.NumMinorsUnder12 = 0;
    g.NumMinors12Plus = 0;
    for (int i = 0; i < kChildAgeFields; ++i) {
        std::optional<float> age = HeldAge(check, i);
        if (!age) {
            check.fields.SetText(ChildField(i), "");
            continue;
        }
        g.ChildAges[g.NumChildAges++] = *age;
        ++(*age < kFirstOlderAge ? g.NumMinorsUnder12 : g.NumMinors12Plus);
    }
    if (g.NumMinors > 0 && g.NumChildAges == 0) {
        return check.Error(ChildField(0), kNoAges);
    }
    if (g.NumChildAges != g.NumMinors) {
        return check.Error(ChildField(0), kAgesCount);
    }
    return true;
}

// One warning however many ages are above 18; the focus goes to the first of them.
bool WarnOverAge(EntryCheck& check) {
    for (int i = 0; i < kChildAgeFields; ++i) {
        std::optional<float> age = HeldAge(check, i);
        if (age && *age > kAdultAge) {
            return check.Warning(ChildField(i), kOverAge);
        }
    }
    return true;
}

bool ReadCustodyType(EntryCheck& check) {
    std::string_view code = SelectedCustodyType(check.fields);
    if (code.empty()) {
        return check.Error("CustodialOption", kCustodyStatus);
    }
    check.globals.CustodyType = code;
    return true;
}

bool ReadOtherChildren(EntryCheck& check) {
    for (const ExpressParty* party : kExpressParties) {
        ReadPartyOtherChildren(check, *party);
    }
    return true;
}

}  // namespace tovaris::read_in
