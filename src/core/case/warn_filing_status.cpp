#include <array>

#include "case/check_data_entry_steps.h"
#include "case/custody_type.h"
#include "case/express_messages.h"
#include "case/express_party.h"

// Filing statuses that do not fit where the children live. Each is only a warning: a parent
// may have other children or a new household that justify the status.
namespace tovaris::read_in {
namespace {

using namespace express_text;

// In shared possession the Claimant's share of time decides which status is plausible.
enum class ShareTest { Any, AtLeastHalf, BelowHalf };

struct FilingWarning {
    std::string_view custody;
    ShareTest share;
    const ExpressParty& party;
    std::string_view ExpressParty::*option;  // the implausible status
    std::string_view message;
};

constexpr std::array<FilingWarning, 12> kFilingWarnings = {{
    {kCustodyNoMinors, ShareTest::Any, kClaimParty, &ExpressParty::headHouse, kNoMinorsClaimHead},
    {kCustodyNoMinors, ShareTest::Any, kPayerParty, &ExpressParty::headHouse, kNoMinorsPayerHead},
    {kCustodyCust, ShareTest::Any, kClaimParty, &ExpressParty::single, kCustClaimSingle},
    {kCustodyCust, ShareTest::Any, kPayerParty, &ExpressParty::headHouse, kCustPayerHead},
    {kCustodyNonCust, ShareTest::Any, kClaimParty, &ExpressParty::headHouse, kNonCustClaimHead},
    {kCustodyNonCust, ShareTest::Any, kPayerParty, &ExpressParty::single, kNonCustPayerSingle},
    {kCustodyShared, ShareTest::AtLeastHalf, kClaimParty, &ExpressParty::single,
     kSharedClaimSingle},
    {kCustodyShared, ShareTest::BelowHalf, kClaimParty, &ExpressParty::headHouse, kSharedClaimHead},
    {kCustodyShared, ShareTest::AtLeastHalf, kPayerParty, &ExpressParty::headHouse,
     kSharedPayerHead},
    {kCustodyShared, ShareTest::BelowHalf, kPayerParty, &ExpressParty::single, kSharedPayerSingle},
    {kCustodySplit, ShareTest::Any, kClaimParty, &ExpressParty::single, kSplitClaimSingle},
    {kCustodySplit, ShareTest::Any, kPayerParty, &ExpressParty::single, kSplitPayerSingle},
}};

bool SharePasses(ShareTest test, float share) {
    switch (test) {
        case ShareTest::AtLeastHalf:
            return share >= 0.5;
        case ShareTest::BelowHalf:
            return share < 0.5;
        case ShareTest::Any:
            break;
    }
    return true;
}

}  // namespace

bool WarnFilingStatus(EntryCheck& check) {
    const CaseGlobals& g = check.globals;
    for (const FilingWarning& w : kFilingWarnings) {
        std::string_view option = w.party.*w.option;
        if (g.CustodyType == w.custody && SharePasses(w.share, g.ClaimSharedTime) &&
            check.fields.Selected(option) && !check.Warning(option, w.message)) {
            return false;
        }
    }
    return true;
}

}  // namespace tovaris::read_in
