#include <gtest/gtest.h>

#include "tax/business_component.h"
#include "tax/business_income_deduction.h"

namespace tovaris::tax {
namespace {

// Tentative 20 % of qualified income; from 182100 of taxable income (364200 MFJ) the wage and
// asset limit (larger of 50 % of W-2 wages and 25 % of them plus 2.5 % of assets) phases in
// over 50000 (100000 MFJ); a service trade's component phases out over the same range.
TEST(BusinessComponent, ThresholdsAndServiceTrades) {
    struct Row {
        float taxable, qualified, w2, assets;
        const char* status;
        bool service;
        float component;
    };
    const Row rows[] = {
        {100000, 50000, 0, 0, "Single", false, 10000},   // below the threshold
        {182100, 100000, 0, 0, "Single", false, 20000},  // on it: nothing phased in yet
        {182100, 100000, 0, 0, "Single", true, 20000},
        {207100, 100000, 0, 0, "Single", false, 10000},           // r 0.5, limited 0
        {207100, 100000, 0, 0, "Single", true, 5000},             // a 0.5: 10000 - 0.5 x 10000
        {194600, 100000, 0, 0, "Single", false, 15000},           // r 0.25
        {194600, 100000, 0, 0, "Single", true, 11250},            // a 0.75: 15000 - 0.25 x 15000
        {207100, 100000, 20000, 0, "Single", false, 15000},       // limited 10000: 20000 - 5000
        {207100, 100000, 20000, 0, "Single", true, 7500},         // 10000 - 0.5 x (10000 - 5000)
        {250000, 100000, 60000, 0, "Single", false, 20000},       // 50 % of wages covers it
        {250000, 100000, 20000, 400000, "Single", false, 15000},  // 5000 + 10000 of assets
        {250000, 100000, 60000, 0, "Single", true, 0},            // service trade fully phased out
        {414200, 100000, 0, 0, "MFJ", false, 10000},              // MFJ halfway
        {414200, 100000, 0, 0, "MFJ", true, 5000},
        {100000, -50000, 0, 0, "Single", false, 0},  // a loss gives nothing
    };
    for (const Row& row : rows) {
        EXPECT_FLOAT_EQ(BusinessComponent(row.taxable, row.qualified, row.w2, row.assets,
                                          row.status, row.service),
                        row.component)
            << row.status << " taxable " << row.taxable << " qualified " << row.qualified << " W-2 "
            << row.w2 << " assets " << row.assets << " service " << row.service;
    }
}

BusinessIncomeEntries Proprietor(float qualifiedA, float qualifiedB = 0) {
    BusinessIncomeEntries entries;
    entries.proprietorships[0].qualifiedIncome = qualifiedA;
    entries.proprietorships[1].qualifiedIncome = qualifiedB;
    return entries;
}

BusinessDeductionInputs Return(const char* status, float agi, BusinessIncomeEntries party) {
    return {.agi = agi, .filingStatus = status, .party = party};
}

// Taxable income before the deduction is AGI less 13850 (Single) or 27700 (MFJ); the deduction
// is at most 20 % of it less long-term gains.
TEST(BusinessIncomeDeduction, LimitedByTaxableIncome) {
    EXPECT_EQ(BusinessIncomeDeduction(Return("Single", 113850, Proprietor(50000))), 10000);

    BusinessDeductionInputs in = Return("Single", 63850, Proprietor(50000));
    in.longTermGains = 10000;  // 20 % x (50000 - 10000)
    EXPECT_EQ(BusinessIncomeDeduction(in), 8000);

    in = Return("Single", 113850, Proprietor(100000));
    in.itemizedDeductions = 30000;  // 20 % x 83850
    EXPECT_FLOAT_EQ(BusinessIncomeDeduction(in), 16770);

    in = Return("Single", 115700, Proprietor(100000));
    in.age65OrOver = true;  // deduction 15700: 20 % x (100000 - 10000)
    in.longTermGains = 10000;
    EXPECT_EQ(BusinessIncomeDeduction(in), 18000);

    // Taxable income -3850 leaves a negative limit: no deduction.
    EXPECT_EQ(BusinessIncomeDeduction(Return("Single", 10000, Proprietor(5000))), 0);
    EXPECT_EQ(BusinessIncomeDeduction(Return("Single", 113850, Proprietor(-10000))), 0);
}

TEST(BusinessIncomeDeduction, LossesAreSharedByIncome) {
    // B loses 30000; A (60000) absorbs 20000 and C (30000) 10000: 20 % x (40000 + 20000).
    BusinessIncomeEntries entries = Proprietor(60000, -30000);
    entries.sCorporations[0].passThrough = 30000;
    EXPECT_EQ(BusinessIncomeDeduction(Return("Single", 163850, entries)), 12000);

    // Above the phase-in range: A pays no W-2 wages, so it gives 0; C's 20000 gives 4000,
    // within its limit of 50 % of the owner's 10000 of wages (without its share of the loss,
    // 6000 limited to 5000).
    entries.sCorporations[0].ownerWages = 10000;
    EXPECT_EQ(BusinessIncomeDeduction(Return("Single", 263850, entries)), 4000);
}

TEST(BusinessIncomeDeduction, NewSpouseCountsOnlyOnAJointReturn) {
    BusinessDeductionInputs in = Return("MFJ", 127700, Proprietor(50000));
    in.newSpouse = Proprietor(-20000);  // nets to 30000
    EXPECT_EQ(BusinessIncomeDeduction(in), 6000);
    in.party.reitDividends = 10000;
    in.newSpouse.reitDividends = 5000;  // + 20 % x 15000
    EXPECT_EQ(BusinessIncomeDeduction(in), 9000);

    in.filingStatus = "Single";  // 20 % x (50000 + 10000)
    in.agi = 113850;
    EXPECT_EQ(BusinessIncomeDeduction(in), 12000);
}

}  // namespace
}  // namespace tovaris::tax
