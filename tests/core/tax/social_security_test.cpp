#include <gtest/gtest.h>

#include "tax/social_security.h"

namespace tovaris::tax {
namespace {

// Provisional income = other income - adjustments + half the benefits; bases 25000/34000
// (32000/44000 MFJ); the taxable part is at most 85 % of the benefits.
TEST(NontaxableSocialSecurity, ByProvisionalIncome) {
    struct Row {
        const char* status;
        float benefits, other, adjustments, nontaxable;
    };
    const Row rows[] = {
        {"MarriedSep", 20000, 20000, 0, 17500},  // provisional 30000: min(2500, 10000)
        {"Single", 10000, 0, 6000, 10000},       // provisional -1000: nothing taxable
        {"Head", 20000, 15000, 0, 20000},        // exactly the first base: 0
        {"Single", 20000, 24000, 0, 15500},      // exactly 34000: 9000 / 2
        {"Single", 30000, 25000, 0, 20400},      // 40000: 85 % x 6000 + 4500
        {"Single", 30000, 50000, 0, 4500},       // 65000: 30850, capped at 25500
        {"Single", 4000, 40000, 0, 600},         // 42000: 6800 + 2000, capped at 3400
        {"MFJ", 24000, 30000, 0, 19000},         // 42000: (42000 - 32000) / 2
        {"Single", 20000, 25000, 5000, 17500},   // adjustments bring it to 30000
    };
    for (const Row& row : rows) {
        EXPECT_FLOAT_EQ(
            NontaxableSocialSecurity(row.benefits, row.other, row.status, row.adjustments),
            row.nontaxable)
            << row.status << " benefits " << row.benefits << " other " << row.other
            << " adjustments " << row.adjustments;
    }
}

}  // namespace
}  // namespace tovaris::tax
