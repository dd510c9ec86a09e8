#include <gtest/gtest.h>

#include "tax/payroll_tax.h"

namespace tovaris::tax {
namespace {

// 2023: wage base 160200 (12255.30 of employee tax at the base), 1.45 % above it;
// self-employment base 92.35 %, 12.4 % within the room left under the wage base, 2.9 %
// Medicare; 0.9 % additional Medicare above 200000 (Single, Head), 125000 (MarriedSep),
// 250000 (MFJ).
TEST(PayrollTax, WagesAndSelfEmployment) {
    struct Row {
        const char* status;
        float wages, selfEmployment, payroll, halfSelfEmployment;
    };
    const Row rows[] = {
        {"Single", 160200, 0, 12255, 0},          // 12255.30 at the wage base
        {"Single", 200000, 0, 12832, 0},          // 12255.30 + 39800 x 1.45 %; none extra at 200000
        {"Head", 210000, 0, 13067, 0},            // 12977.40 + 0.9 % x 10000
        {"MarriedSep", 130000, 0, 9990, 0},       // 9945 + 0.9 % x 5000
        {"MFJ", 260000, 0, 13792, 0},             // 13702.40 + 0.9 % x 10000
        {"Other", 300000, 0, 14282, 0},           // unknown code: no additional Medicare
        {"Single", 0, 100000, 14130, 7064.775f},  // base 92350: 11451.40 + 2678.15
        // Room 10200: 11475 + 12.4 % x 10200 + 2.9 % x 46175 = 14078.875.
        {"Single", 150000, 50000, 14079, 1301.9375f},
        // No room: 12687.40 + 2.9 % x 18470 + 0.9 % x (190000 + 18470 - 200000) = 13299.26.
        {"Single", 190000, 20000, 13299, 267.815f},
        {"Single", 50000, -5000, 3825, 0},  // losses and negative wages count as 0
        {"Single", -1000, 0, 0, 0},
    };
    for (const Row& row : rows) {
        const PayrollTaxResult result = PayrollTax(row.status, row.wages, row.selfEmployment);
        EXPECT_EQ(result.payrollTax, row.payroll)
            << row.status << " wages " << row.wages << " self-employment " << row.selfEmployment;
        EXPECT_FLOAT_EQ(result.halfSelfEmploymentTax, row.halfSelfEmployment)
            << row.status << " wages " << row.wages << " self-employment " << row.selfEmployment;
    }
    EXPECT_EQ(PayrollTax("Single", 0, -5000).selfEmploymentIncome, 0);  // stored back as 0
}

}  // namespace
}  // namespace tovaris::tax
