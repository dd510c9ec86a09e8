#include <gtest/gtest.h>

#include "tax/child_care_credit.h"
#include "tax/child_tax_credit.h"
#include "tax/earned_income_credit.h"

namespace tovaris::tax {
namespace {

// Expense capped at 3000 (one child) or 6000 (two or more) times the rate for the AGI band:
// 35 % up to 15000, one point less per further 2000, 20 % above 43000.
TEST(ChildCareCredit, ExpenseCapAndRateBands) {
    struct Row {
        float agi, expense;
        int16_t children;
        float credit;
    };
    const Row rows[] = {
        {16000, 4000, 1, 1020},      // 3000 x 34 %
        {15000, 3000, 1, 1050},      // band tops are inclusive: 35 %
        {15000.01f, 3000, 1, 1020},  // just past: 34 %
        {21000, 2000, 1, 640},       // 32 %
        {30000, 5000, 3, 1350},      // 27 % (up to 31000)
        {43000, 8000, 2, 1260},      // 6000 x 21 %
        {43000.5f, 8000, 2, 1200},   // 20 %
        {10000, 1234, 1, 432},       // 431.90 rounded
        {10000, 4000, 0, 0},         // no qualifying child
    };
    for (const Row& row : rows) {
        EXPECT_EQ(ChildCareCredit(row.agi, row.expense, row.children), row.credit)
            << "AGI " << row.agi << " expense " << row.expense << " children " << row.children;
    }
}

// 2000 a child, less 50 for each 1000 or part of 1000 above 200000 (400000 MFJ).
TEST(ChildTaxCredit, PhaseOutCountsPartsOfAThousand) {
    struct Row {
        float agi;
        const char* status;
        int16_t children;
        float credit;
    };
    const Row rows[] = {
        {200000, "Single", 2, 4000},     // phase-out starts above 200000
        {200001, "Single", 2, 3950},     // one dollar over counts as a whole step
        {201000, "Single", 2, 3950},     // exactly one step
        {201000.5f, "Single", 2, 3900},  // a part of the second step
        {200001, "Head", 2, 3950},       // same start for Head and MarriedSep
        {400000, "MFJ", 2, 4000},        // MFJ starts above 400000
        {400001, "MFJ", 2, 3950},        // one step
        {250000, "Single", 1, 0},        // 2000 - 50 x 50, not negative
        {500000, "Other", 2, 4000},      // unknown code: no phase-out
    };
    for (const Row& row : rows) {
        EXPECT_EQ(ChildTaxCredit(row.agi, row.status, row.children), row.credit)
            << row.status << " AGI " << row.agi << " children " << row.children;
    }
}

// 2023 table: maximum, earned income for the maximum, phase-out start and end
// (Single/Head/MarriedSep; MFJ). Phase-in and phase-out are straight lines.
TEST(EarnedIncomeCredit, PhaseInPlateauPhaseOut) {
    struct Row {
        float agi, earned, investment, halfSelfEmployment;
        const char* status;
        int16_t children;
        double credit;
    };
    const Row rows[] = {
        {10000, 10000, 0, 0, "Single", 1, 3995.0 / 11750 * 10000},  // phase-in: 3400
        {21560, 21560, 0, 0, "Head", 1, 3995},  // up to the phase-out start, inclusive
        {30000, 30000, 0, 0, "Single", 1, 3995 - 3995.0 / 25000 * 8440},  // 2646.288
        {30000, 20000, 0, 0, "Single", 1, 3995 - 3995.0 / 25000 * 8440},  // AGI measures
        {20000, 10000, 0, 0, "Single", 1, 3995.0 / 11750 * 10000},        // AGI on the plateau
        {46560, 46560, 0, 0, "Single", 1, 0},                             // the phase-out end
        {40000, 40000, 0, 0, "MFJ", 2, 6604 - 6604.0 / 31358 * 11880},    // MFJ start 28120
        {5000, 5000, 0, 0, "Single", 0, 600.0 / 7840 * 5000},
        {20000, 20000, 0, 0, "MFJ", 0, 600 - 600.0 / 7840 * 3630},      // MFJ 16370 to 24210
        {16510, 16510, 0, 0, "Single", 4, 7430},                        // three or more children
        {10000, 11750, 0, 1750, "Single", 1, 3995.0 / 11750 * 10000},   // less half SE tax
        {10000, 10000, 11000, 0, "Single", 1, 3995.0 / 11750 * 10000},  // limit inclusive
        {10000, 10000, 11000.01f, 0, "Single", 1, 0},  // investment income too high
        {10000, 10000, 0, 0, "MarriedSep", 3, 0},      // never when filing separately
    };
    for (const Row& row : rows) {
        EXPECT_NEAR(EarnedIncomeCredit(row.agi, row.earned, row.investment, row.halfSelfEmployment,
                                       row.status, row.children),
                    row.credit, 0.001)
            << row.status << " AGI " << row.agi << " earned " << row.earned << " investment "
            << row.investment << " half SE " << row.halfSelfEmployment << " children "
            << row.children;
    }
}

}  // namespace
}  // namespace tovaris::tax
