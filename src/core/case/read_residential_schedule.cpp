#include "case/check_data_entry_steps.h"
#include "case/custody_type.h"
#include "case/express_messages.h"
#include "case/express_party.h"

namespace tovaris::read_in {
namespace {

using namespace express_text;

constexpr float kNightsPerYear = 365;
// Outside this band of the Claimant's share a shared schedule is probably not what was meant.
constexpr double kLowShare = 0.35;
constexpr double kHighShare = 0.65;

// The per-child split choices, counted by age band into the party's split counts.
void CountSplitChildren(EntryCheck& check, const ExpressParty& party) {
    int16_t& under12 = check.globals.*party.splitUnder12;
    int16_t& older = check.globals.*party.split12Plus;
    under12 = 0;
    older = 0;
    for (int i = 0; i < kChildAgeFields; ++i) {
        std::optional<float> age = HeldAge(check, i);
        if (age && check.fields.Selected(ElementName(party.splitChild, i))) {
            ++(*age < kFirstOlderAge ? under12 : older);
        }
    }
}

}  // namespace

bool CheckNoMinorsType(EntryCheck& check) {
    if (check.globals.NumMinors > 0 && check.globals.CustodyType == kCustodyNoMinors) {
        return check.Error("MinChild", kMinorsInNoMinorsCase);
    }
    return true;
}

// The warnings look at the share as typed, before it is held in single precision, so a typed
// .35 is exactly the lower bound and passes.
bool ReadSharedTime(EntryCheck& check) {
    CaseGlobals& g = check.globals;
    if (g.CustodyType != kCustodyShared) {
        return true;
    }
    std::optional<double> typed = check.Number("PercentOfTimeValue");
    if (!typed) {
        return check.Error("PercentOfTimeValue", kSharedTimeMissing);
    }
    if (*typed < kLowShare && !check.Warning("PercentOfTimeValue", kSharedTimeLow)) {
        return false;
    }
    if (*typed > kHighShare && !check.Warning("PercentOfTimeValue", kSharedTimeHigh)) {
        return false;
    }
    g.ClaimSharedTime = static_cast<float>(*typed);
    std::optional<double> nights = check.Number("ClaimDays");
    g.ClaimOvernights = nights ? static_cast<float>(*nights) : g.ClaimSharedTime * kNightsPerYear;
    g.PayerOvernights = kNightsPerYear - g.ClaimOvernights;
    return true;
}

bool ReadSplitCounts(EntryCheck& check) {
    CaseGlobals& g = check.globals;
    if (g.CustodyType != kCustodySplit) {
        return true;
    }
    for (const ExpressParty* party : kExpressParties) {
        std::optional<double> count = check.Number(party->possessionSplit);
        if (!count || *count < 1) {
            return check.Error(party->possessionSplit, kSplitCountMissing);
        }
        g.*party->childrenSplit = ToCount(*count);
    }
    for (const ExpressParty* party : kExpressParties) {
        CountSplitChildren(check, *party);
    }
    if (g.ClaimChildrenSplit + g.PayerChildrenSplit != g.NumMinors) {
        return check.Error(kClaimParty.possessionSplit, kSplitSum);
    }
    return true;
}

}  // namespace tovaris::read_in
