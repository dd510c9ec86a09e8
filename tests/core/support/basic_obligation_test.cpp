#include <gtest/gtest.h>

#include "support/basic_obligation.h"
#include "support/economic_table.h"

namespace tovaris::support {
namespace {

using enum ExtrapolationMethod;

struct LookupCase {
    int16_t children;
    float combinedNet;
    int16_t extrapolate;
    ExtrapolationMethod method;
    float perChild;  // expected at every position 1..min(children, 10)
    float total;
    bool extrapolated;
};

void ExpectLookup(const LookupCase& c) {
    SCOPED_TRACE(testing::Message()
                 << "children " << c.children << ", combined net " << c.combinedNet
                 << ", extrapolate " << c.extrapolate << ", method " << static_cast<int>(c.method));
    const BasicObligationLookup r =
        LookupBasicObligation(c.children, c.combinedNet, c.extrapolate, c.method);
    for (int position = 1; position <= kPerChildPositions; ++position) {
        const float expected = position <= c.children ? c.perChild : 0.0f;
        EXPECT_EQ(r.perChild[position - 1], expected) << "position " << position;
    }
    EXPECT_EQ(r.total, c.total);
    EXPECT_EQ(r.extrapolated, c.extrapolated);
}

// Row rounding: the income to the nearest $100, halves up, held inside $1,000..$12,000.
// One-child amounts from the table rows named in each comment.
TEST(LookupBasicObligation, RowRoundingAtTheEdges) {
    const LookupCase cases[] = {
        {1, 949.99f, 1, Curve, 216, 216, false},      // $1,000 row
        {1, 1049.99f, 1, Curve, 216, 216, false},     // $1,000 row
        {1, 1050.0f, 1, Curve, 238, 238, false},      // $1,100 row
        {1, 0.0f, 1, Curve, 216, 216, false},         // below the table: $1,000 row
        {1, -2500.0f, 1, Curve, 216, 216, false},     // negative combined: $1,000 row
        {1, 5000.0f, 1, Curve, 951, 951, false},      // $5,000 row
        {1, 5050.0f, 1, Curve, 963, 963, false},      // $5,100 row
        {1, 11949.99f, 1, Curve, 1571, 1571, false},  // $11,900 row
        {1, 11950.0f, 1, Curve, 1573, 1573, false},   // $12,000 row
        {1, 12000.0f, 1, Curve, 1573, 1573, false},   // the top never extrapolates
    };
    for (const LookupCase& c : cases) {
        ExpectLookup(c);
    }
}

// Family sizes at $3,000 combined (the $3,000 row: 652, 500, 405, 339, 298), and the
// five-or-more column for any larger family.
TEST(LookupBasicObligation, ColumnsByFamilySize) {
    const LookupCase cases[] = {
        {0, 3000.0f, 0, Dont, 0, 0, false},       {1, 3000.0f, 0, Dont, 652, 652, false},
        {2, 3000.0f, 0, Dont, 500, 1000, false},  {3, 3000.0f, 0, Dont, 405, 1215, false},
        {4, 3000.0f, 0, Dont, 339, 1356, false},  {5, 3000.0f, 0, Dont, 298, 1490, false},
        {7, 5000.0f, 0, Dont, 428, 2996, false},   // 7 x the $5,000 five-or-more entry
        {12, 5000.0f, 0, Dont, 428, 5136, false},  // ten positions, but all twelve priced
    };
    for (const LookupCase& c : cases) {
        ExpectLookup(c);
    }
}

// Above $12,000: Int(a + b x combined net) with the coefficients of the method.
TEST(LookupBasicObligation, ExtrapolationAboveTheTable) {
    const LookupCase cases[] = {
        // 1238 + 0.02806 x 12000.01 = 1574.72
        {1, 12000.01f, 1, Curve, 1574, 1574, true},
        // 412 + 0.045 x 20000 = 1312
        {3, 20000.0f, 1, Linear, 1312, 3936, true},
        {3, 20000.0f, 1, Dont, 950, 2850, false},
        // the flag forbids whatever the method; only 1 allows
        {3, 20000.0f, 0, Linear, 950, 2850, false},
        {3, 20000.0f, 2, Curve, 950, 2850, false},
        // 520 + 0.056 x 13010 = 1248.56
        {2, 13010.0f, 1, Linear, 1248, 2496, true},
        // 557 + 0.02 x 14030 = 837.6
        {4, 14030.0f, 1, Curve, 837, 3348, true},
        // five or more: 495 + 0.0172 x 15050 = 753.86
        {7, 15050.0f, 1, Curve, 753, 5271, true},
        // 306 + 0.033 x 15050 = 802.65
        {6, 15050.0f, 1, Linear, 802, 4812, true},
    };
    for (const LookupCase& c : cases) {
        ExpectLookup(c);
    }
}

// Both regressions start within a few dollars of the table's last row, so support does not jump
// at $12,000.
TEST(LookupBasicObligation, ExtrapolationMeetsTheTopRow) {
    for (int16_t children = 1; children <= 5; ++children) {
        const float top = LookupBasicObligation(children, 12000.0f, 1, Curve).perChild[0];
        for (const ExtrapolationMethod method : {Curve, Linear}) {
            const float above = LookupBasicObligation(children, 12000.01f, 1, method).perChild[0];
            EXPECT_GE(above, top) << children << " children";
            EXPECT_LE(above - top, 3.0f) << children << " children";
        }
    }
}

// Guards against a mistyped entry: support per child rises with income and falls with each
// further child.
TEST(EconomicTable, RisesWithIncomeFallsWithFamilySize) {
    for (int row = 1; row <= kEconomicTableRows; ++row) {
        for (int column = 1; column <= kEconomicTableColumns; ++column) {
            if (row > 1) {
                EXPECT_GE(EconomicTableEntry(row, column), EconomicTableEntry(row - 1, column))
                    << "row " << row << " column " << column;
            }
            if (column > 1) {
                EXPECT_LT(EconomicTableEntry(row, column), EconomicTableEntry(row, column - 1))
                    << "row " << row << " column " << column;
            }
        }
    }
}

TEST(ExtrapolationMethod, FlagFollowsTheCheckedItem) {
    EXPECT_EQ(ExtrapolateFlagFor(Dont), 0);
    EXPECT_EQ(ExtrapolateFlagFor(Curve), 1);
    EXPECT_EQ(ExtrapolateFlagFor(Linear), 1);
    EXPECT_EQ(MenuCaption(Dont), "Don't Extrapolate For Combined Net > $12000");
}

}  // namespace
}  // namespace tovaris::support
