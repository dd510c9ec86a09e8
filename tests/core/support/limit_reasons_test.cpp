#include <gtest/gtest.h>

#include "support/results_display.h"

namespace tovaris {
namespace {

TEST(LimitReasons, ShownWhileALimitationIsFlagged) {
    const std::string claim =
        "Claimant's Net Income Is Below The Self-Support Reserve. Minimum Is "
        "$50/Child";
    const std::string payer =
        "Other Parent's Basic Obligation Is Limited To Other's Net Income "
        "Minus The Self-Support Reserve.";
    struct Case {
        bool flagged;
        std::string claimText;
        std::string payerText;
        std::vector<std::string> reasons;
    };
    const Case cases[] = {
        {true, claim, "", {claim}},
        {true, claim, payer, {claim, payer}},
        {true, "", payer, {payer}},
        {false, claim, payer, {}},  // "No Limitations": nothing to explain
    };
    for (const Case& c : cases) {
        CaseRecord record;
        SupportResults& r = record.results.support;
        r.LimitsButtonEnabled = c.flagged;
        r.ClaimLimitText = c.claimText;
        r.PayerLimitText = c.payerText;
        EXPECT_EQ(LimitReasons(record), c.reasons);
        EXPECT_EQ(BuildSupportDisplay(record).limitReasons, c.reasons);
    }
}

}  // namespace
}  // namespace tovaris
