#include <gtest/gtest.h>

#include "tax_family.h"

// Whole cases through the net-income phase, one family per test. Every expected figure is
// worked by hand from the 2023 federal rules in the comment beside it: payroll tax 7.65 % up
// to 160200 (self-employment 92.35 % x 15.3 %), standard deductions 13850 / 20800 / 27700,
// ordinary brackets 10-37 %, long-term gains at 0/15/20 %, net investment income tax 3.8 %.
// Monthly net incomes are the sum of separately rounded monthly parts.

namespace tovaris {
namespace {

// A custodial mother of two earning 32000 who asks for the earned income credit, and a
// noncustodial father earning 78010.
TEST(NetIncomeFamilies, CustodialMotherWithChildCareAndEarnedIncomeCredit) {
    Family f("Head", "Single", "Cust");
    f.Enter("ClaimEarned", "32000").Enter("PayerEarned", "78010").Gross(32000, 78010);
    f.Tick("ClaimEICCheck").record.fields.Select("ClaimEICTwo");
    CaseGlobals& g = f.record.globals;
    g.DayCareClaim = 600;
    g.ClaimNumCare = 2;
    g.ClaimDepend17Count = 2;
    const TaxResults& t = f.Run();

    const PartyTaxResults& mother = t.Claim;
    EXPECT_EQ(mother.PayrollTax, 2448);  // 32000 x 7.65 %
    EXPECT_EQ(mother.AGI, 32000);
    EXPECT_EQ(mother.FederalTax, 1120);  // 10 % of (32000 - 20800)
    // 7200 of day care capped at 6000, at 26 % for an AGI up to 33000 = 1560, then limited
    // to the tax.
    EXPECT_EQ(mother.Credits.childCare, 1120);
    EXPECT_EQ(mother.Credits.childTax, 4000);
    // Two children, past the phase-out start: 6604 - 6604 / (52918 - 21560) x (32000 - 21560).
    EXPECT_NEAR(mother.Credits.earnedIncome, 4405.33, 0.01);
    // All 4000 of child tax credit unused; base (32000 - 2500) x 15 % = 4425; 2000 a child is
    // over 1600, so 3200.
    EXPECT_EQ(mother.Credits.additionalChildTax, 3200);
    EXPECT_NEAR(mother.TotalCredits, 8725.33, 0.01);  // 1120 + 3200 + 4405.33
    EXPECT_EQ(mother.NetYearly, 37157);               // 32000 - 1120 + 8725.33 - 2448
    EXPECT_EQ(mother.NetMonthly, 3097);               // 2667 - 93 + 727 - 204

    const PartyTaxResults& father = t.Payer;
    EXPECT_EQ(father.PayrollTax, 5968);  // 5967.77
    // 1100 + 4047 + 22 % of (78010 - 13850 - 44725) = 9422.70
    EXPECT_EQ(father.FederalTax, 9423);
    EXPECT_EQ(father.TotalCredits, 0);
    EXPECT_EQ(father.NetYearly, 62619);  // 78010 - 9423 - 5968
    EXPECT_EQ(father.NetMonthly, 5219);  // 6501 - 785 - 497
}

// Two retirees on a joint return: the Claimant's 30000 of Social Security, the new spouse's
// 40000 pension, the Claimant 65 or older, a 4 % state income tax.
TEST(NetIncomeFamilies, RetireeOnAJointReturnSharesTheCouplesTaxes) {
    Family f("MFJ", "Single", "NoMinors");
    f.Enter("ClaimSS", "30000").Enter("ClaimPension1", "40000").Gross(30000, 0);
    f.Tick("ClaimantAge65");
    f.record.globals.ClaimStateTaxRate = 0.04f;
    const PartyTaxResults& r = f.Run().Claim;
    EXPECT_FLOAT_EQ(r.IncomeShare, 30000.0f / 70000);
    // Provisional income 40000 + 15000 = 55000, above 44000: taxable 85 % of 11000 + 6000 =
    // 15350 (under 85 % of the benefits), so 14650 stays untaxed.
    EXPECT_EQ(r.NontaxableSS, 14650);
    EXPECT_EQ(r.AGI, 55350);  // 70000 - 14650
    EXPECT_EQ(r.PayrollTax, 0);
    // Joint tax: 55350 - (27700 + 1500) = 26150; 2200 + 12 % of 4150 = 2698; x 3/7 = 1156.29.
    EXPECT_EQ(r.FederalTax, 1156);
    EXPECT_EQ(r.StateTax, 949);     // 4 % of 55350 = 2214, x 3/7 = 948.86
    EXPECT_EQ(r.NetYearly, 27895);  // 30000 - 1156 - 949
    EXPECT_EQ(r.NetMonthly, 2325);  // 2500 - 96 - 79
}

// A payer with wages over the Additional Medicare threshold and investment income pays 2000 a
// month of maintenance ordered before 2019, deductible by him and taxable to the Claimant. He
// enters his state tax as a yearly amount.
TEST(NetIncomeFamilies, HighEarnerPayingMaintenanceTaxedToThePayee) {
    Family f("Head", "Single", "Cust");
    f.Enter("ClaimEarned", "40000").Gross(40000, 250000);
    f.Enter("PayerEarned", "210000").Enter("PayerLT", "30000").Enter("PayerST", "10000");
    f.Enter("PayerStateTaxCombo", "As Amount");
    f.record.globals.PayerStateTaxAmount = 6000;
    f.record.globals.ClaimDepend17Count = 1;
    f.record.options.maintTaxedTo = MaintTaxedTo::Payee;
    f.record.results.tax.MonthlyMaintenance = 2000;
    const TaxResults& t = f.Run();

    const PartyTaxResults& payer = t.Payer;
    // 12255.30 + 1.45 % of 49800 + 0.9 % of (210000 - 200000) = 13067.40
    EXPECT_EQ(payer.PayrollTax, 13067);
    EXPECT_EQ(payer.AGI, 226000);  // 250000 - 24000 of maintenance
    // Ordinary taxable 226000 - 13850 - 30000 = 182150: 37104 + 32 % of 50 = 37120; gains all
    // at 15 % = 4500; investment tax 3.8 % of min(40000, 226000 - 200000) = 988.
    EXPECT_EQ(payer.FederalTax, 42608);
    // The rate is the amount over the AGI before the maintenance: 6000 / 250000 = 2.4 %, of
    // 226000.
    EXPECT_FLOAT_EQ(payer.StateTaxRate, 0.024f);
    EXPECT_EQ(payer.StateTax, 5424);
    EXPECT_EQ(payer.NetYearly, 164901);  // 250000 - 42608 - 13067 - 5424 - 24000
    EXPECT_EQ(payer.NetMonthly, 13741);  // 20833 - 3551 - 1089 - 452 - 2000

    const PartyTaxResults& claimant = t.Claim;
    EXPECT_EQ(claimant.AGI, 64000);          // 40000 + 24000
    EXPECT_EQ(claimant.FederalTax, 4870);    // 1570 + 12 % of (43200 - 15700)
    EXPECT_EQ(claimant.TotalCredits, 2000);  // one child, all within the tax
    EXPECT_EQ(claimant.NetYearly, 58070);    // 40000 - 4870 + 2000 - 3060 + 24000
    EXPECT_EQ(claimant.NetMonthly, 4839);    // 3333 - 406 + 167 - 255 + 2000
}

// A father with a sole proprietorship (60000 qualified) and an S-corporation paying him 50000 of
// wages and passing 30000 through: the business screen puts 140000 on the income screen.
TEST(NetIncomeFamilies, SelfEmployedWithAProprietorshipAndAnSCorporation) {
    Family f("Single", "Head", "NonCust");
    f.Enter("ClaimBusiness.AWages(0)", "60000");
    f.Enter("ClaimBusiness.CWages(0)", "50000").Enter("ClaimBusiness.CPass(0)", "30000");
    f.Gross(140000, 0);
    const PartyTaxResults& r = f.Run().Claim;
    // FICA 3825 on the S-corporation wages; self-employment base 60000 x 92.35 % = 55410:
    // 12.4 % = 6870.84 and 2.9 % = 1606.89; 12302.73 in all.
    EXPECT_EQ(r.PayrollTax, 12303);
    EXPECT_FLOAT_EQ(r.HalfSETax, 4238.865f);
    EXPECT_FLOAT_EQ(r.AGI, 135761.135f);  // 140000 - 4238.865
    // Taxable 121911 is under 182100: 20 % of 60000 and of 30000, within 20 % of 121911.
    EXPECT_EQ(r.BusinessDeduction, 18000);
    // 117761.13 - 13850 = 103911.13: 16290 + 24 % of 8536.13 = 18338.67
    EXPECT_EQ(r.FederalTax, 18339);
    EXPECT_EQ(r.NetYearly, 109358);  // 140000 - 18339 - 12303
    EXPECT_EQ(r.NetMonthly, 9114);   // 11667 - 1528 - 1025
}

// A remarried father on a joint return: his new spouse pays 6000 a year of maintenance ordered
// before 2019, he deducts 3000 for an IRA and has worksheet deductions of 4200.
TEST(NetIncomeFamilies, JointReturnWithTheNewSpousesPriorMaintenance) {
    Family f("Head", "MFJ", "Cust");
    f.Enter("PayerEarned", "70000").Enter("PayerEarned1", "50000").Gross(0, 70000);
    f.Enter("PayerPriorMaintPaid1", "6000").Enter("PayerIRADeduct", "3000");
    f.Enter("PayerStIndus", "600").Enter("PayerDues", "1200").Enter("PayerRetire", "2400");
    const PartyTaxResults& r = f.Run().Payer;
    EXPECT_FLOAT_EQ(r.IncomeShare, 70000.0f / 120000);
    EXPECT_EQ(r.PayrollTax, 5355);
    EXPECT_EQ(r.NewSpousePayrollTax, 3825);
    EXPECT_EQ(r.AGI, 111000);  // 120000 - 3000 - 6000
    // Joint: 111000 - 27700 = 83300; 2200 + 12 % of 61300 = 9556; x 7/12 = 5574.33
    EXPECT_EQ(r.FederalTax, 5574);
    EXPECT_EQ(r.NetYearly, 54871);  // 70000 - 5574 - 5355 - 4200
    EXPECT_EQ(r.NetMonthly, 4572);  // 5833 - 465 - 446 - 350
}

// A remarried mother of one files jointly; both she (20000) and her new spouse (15000) work.
// The earned income credit and the refundable child tax credit are the couple's, then shared.
TEST(NetIncomeFamilies, JointReturnEarnedIncomeCreditCountsBothEarners) {
    Family f("MFJ", "Single", "Cust");
    f.Enter("ClaimEarned", "20000").Enter("ClaimEarned1", "15000").Gross(20000, 0);
    f.Tick("ClaimEICCheck").record.fields.Select("ClaimEICOne");
    f.record.globals.ClaimDepend17Count = 1;
    const PartyTaxResults& r = f.Run().Claim;
    EXPECT_FLOAT_EQ(r.IncomeShare, 20000.0f / 35000);
    EXPECT_EQ(r.PayrollTax, 1530);  // her own: 20000 x 7.65 %
    EXPECT_EQ(r.AGI, 35000);
    // Joint tax 10 % of (35000 - 27700) = 730; x 4/7 = 417.14
    EXPECT_EQ(r.FederalTax, 417);
    // One child, joint phase-out from 28120 to 53120: 3995 - 3995 / 25000 x 6880 = 2895.58
    EXPECT_NEAR(r.Credits.earnedIncome, 2895.58, 0.01);
    // 2000 of child tax credit against 730 of tax leaves 1270 unused, under the base
    // (35000 - 2500) x 15 %.
    EXPECT_EQ(r.Credits.additionalChildTax, 1270);
    EXPECT_NEAR(r.Credits.total, 4895.58, 0.01);  // 730 + 1270 + 2895.58
    EXPECT_EQ(r.TotalCredits, 2797);              // x 4/7 = 2797.47
    EXPECT_EQ(r.NetYearly, 20850);                // 20000 - 417 + 2797 - 1530
    EXPECT_EQ(r.NetMonthly, 1737);                // 1667 - 35 + 233 - 128
}

// Who may take the child care credit: not a party filing separately, not the parent the
// children do not live with. 500 a month for one child at an AGI of 40000: 22 % of 3000.
TEST(NetIncomeFamilies, ChildCareCreditGoesToTheParentTheChildrenLiveWith) {
    struct Row {
        const char* custody;
        const char* claimStatus;
        const char* payerStatus;
        float claimCredit;
        float payerCredit;
    };
    const Row rows[] = {
        {"Cust", "Head", "Single", 660, 0},        // with the Claimant
        {"NonCust", "Single", "Head", 0, 660},     // with the Other Party
        {"Shared", "Head", "Head", 660, 660},      // both care for them
        {"Shared", "MarriedSep", "Head", 0, 660},  // filing separately
    };
    for (const Row& row : rows) {
        Family f(row.claimStatus, row.payerStatus, row.custody);
        f.Enter("ClaimEarned", "40000").Enter("PayerEarned", "40000").Gross(40000, 40000);
        CaseGlobals& g = f.record.globals;
        g.DayCareClaim = g.DayCarePayer = 500;
        g.ClaimNumCare = g.PayerNumCare = 1;
        const TaxResults& t = f.Run();
        EXPECT_EQ(t.Claim.Credits.childCare, row.claimCredit) << row.custody << row.claimStatus;
        EXPECT_EQ(t.Payer.Credits.childCare, row.payerCredit) << row.custody << row.claimStatus;
    }
}

// The worksheet's estimate, put back in force on the next run, carries the same yearly net
// income whichever worksheet column the Claimant stands in: credits and state tax travel inside
// the income-taxes amount.
TEST(NetIncomeFamilies, WorksheetEstimateInForceKeepsTheYearlyNetIncome) {
    for (ClaimantColumn column : {ClaimantColumn::Column1, ClaimantColumn::Column2}) {
        Family f("Head", "Single", "Cust");
        f.Enter("ClaimEarned", "45000").Enter("PayerEarned", "90000").Gross(45000, 90000);
        f.record.globals.ClaimDepend17Count = 2;
        f.record.globals.PayerStateTaxRate = 0.05f;
        f.record.options.claimantColumn = column;
        TaxResults& t = f.Run();
        const float claim = t.Claim.NetYearly;
        const float payer = t.Payer.NetYearly;
        const float payerPayroll = t.Payer.PayrollTax;

        EstimateWorksheetTaxes(f.record);
        t.WorksheetTaxOverride = true;
        RunNetIncomePhase(f.record);
        EXPECT_EQ(t.Claim.NetYearly, claim) << static_cast<int>(column);
        EXPECT_EQ(t.Payer.NetYearly, payer) << static_cast<int>(column);
        EXPECT_EQ(t.Payer.PayrollTax, payerPayroll) << static_cast<int>(column);
        EXPECT_EQ(t.Payer.StateTax, 0);
        EXPECT_EQ(t.Claim.TotalCredits, 0);
    }
}

}  // namespace
}  // namespace tovaris
