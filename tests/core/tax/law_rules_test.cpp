#include <gtest/gtest.h>

#include <utility>

#include "tax/federal_income_tax.h"
#include "tax/payroll_tax.h"
#include "tax_family.h"

// The 2023 federal tax law's rules beside the schedule's, one rule per test. Each case is
// worked by hand in its comment from the form or publication it cites; the schedule's figure
// stands beside the law's, so a test shows what the option changes and nothing else.

namespace tovaris {
namespace {

struct BothRules {
    PartyTaxResults schedule;
    PartyTaxResults law;
};

// The same case run under each option; the party's results of each run.
BothRules RunBoth(Family family, IncomeParty party = IncomeParty::Claimant) {
    auto of = [party](const TaxResults& t) {
        return party == IncomeParty::Claimant ? t.Claim : t.Payer;
    };
    Family law = family;
    law.record.options.federalTaxRules = FederalTaxRules::Law2023;
    return {of(family.Run()), of(law.Run())};
}

Family WithEarnedCredit(const char* status, const char* children) {
    Family f(status, "Single", "Cust");
    f.Tick("ClaimEICCheck").record.fields.Select(children);
    return f;
}

// Rule 12. Form 1040 instructions, 2023 Tax Table: single, taxable income 46160 falls in the
// band 46150-46200, taxed at its midpoint 46175: 5147 + 22 % x (46175 - 44725) = 5466. The
// schedule's brackets tax 46160 itself: 5147 + 22 % x 1435 = 5462.70, 5463.
TEST(LawRules, TaxTableTaxesTheBandMidpoint) {
    tax::ReturnIncome income{.incomeForTax = 60010, .filingStatus = "Single"};
    EXPECT_EQ(tax::FederalIncomeTax(income), 5463);
    income.taxTable = true;
    EXPECT_EQ(tax::FederalIncomeTax(income), 5466);
    // From 100000 of taxable income on, Form 1040 uses the Tax Computation Worksheet: the
    // brackets themselves.
    income.incomeForTax = 13850 + 120010;
    const float table = tax::FederalIncomeTax(income);
    income.taxTable = false;
    EXPECT_EQ(table, tax::FederalIncomeTax(income));
}

// Rule 12, the Tax Table's narrow bands at the bottom: 0-5 taxed as 2.50, then $10 bands to 25,
// $25 bands to 3000 and $50 bands to 100000, each at its midpoint (single, 10 %).
TEST(LawRules, TaxTableBands) {
    struct Row {
        float taxable;
        float tax;
    };
    const Row rows[] = {
        {4, 0},          // 0-5: 0.25
        {7, 1},          // 5-15: 1.00
        {30, 4},         // 25-50: 3.75
        {2990, 299},     // 2975-3000: 298.75
        {3010, 303},     // 3000-3050: 302.50
        {99990, 17394},  // 99950-100000: 16290 + 24 % x (99975 - 95375)
    };
    for (const Row& row : rows) {
        const tax::ReturnIncome income{
            .incomeForTax = 13850 + row.taxable, .filingStatus = "Single", .taxTable = true};
        EXPECT_EQ(tax::FederalIncomeTax(income), row.tax) << row.taxable;
    }
}

// Rule 12 for the earned income credit. Pub. 596, 2023 EIC Table, head of household with two
// children, earned income and AGI 32000 (band 32000-32050, midpoint 32025): 6604 - 21.06 % x
// (32025 - 21560) = 4400.07, shown as 4400. The schedule's straight line: 6604 - 6604 /
// (52918 - 21560) x (32000 - 21560) = 4405.33.
TEST(LawRules, EarnedIncomeCreditComesFromTheEicTable) {
    Family f = WithEarnedCredit("Head", "ClaimEICTwo");
    f.Enter("ClaimEarned", "32000").Gross(32000, 0);
    BothRules r = RunBoth(f);
    EXPECT_NEAR(r.schedule.Credits.earnedIncome, 4405.33, 0.01);
    EXPECT_EQ(r.law.Credits.earnedIncome, 4400);
}

// Rule 3. A 401(k) deferral is not included in gross income, so it is not earned income (IRC
// 32(c)(2)(A)(i); Pub. 596, "Earned Income"). Head of household, one child, W-2 box 1 10000
// and 4000 deferred. Law: EIC Table 10000-10050, 34 % x 10025 = 3408.50, 3409; Schedule 8812
// line 19: (10000 - 2500) x 15 % = 1125 refundable. The schedule counts 14000: the full 3995
// and (14000 - 2500) x 15 % = 1725, capped at 1600.
TEST(LawRules, ElectiveDeferralsAreNotEarnedIncomeForTheCredits) {
    Family f = WithEarnedCredit("Head", "ClaimEICOne");
    f.Enter("ClaimEarned", "10000").Enter("ClaimEarnedExempt", "4000").Gross(14000, 0);
    f.record.globals.ClaimDepend17Count = 1;
    BothRules r = RunBoth(f);
    EXPECT_EQ(r.schedule.Credits.earnedIncome, 3995);
    EXPECT_EQ(r.schedule.Credits.additionalChildTax, 1600);
    EXPECT_EQ(r.law.Credits.earnedIncome, 3409);
    EXPECT_EQ(r.law.Credits.additionalChildTax, 1125);
}

// Rule 3 for Social Security. Pub. 915 Worksheet 1: benefits 20000, wages 20000 plus 6000
// deferred. Law: provisional income 20000 + 10000 = 30000, taxable min(2500, 10000) = 2500,
// 17500 not taxable. The schedule adds the deferral: 36000 is past 34000, taxable 85 % x 2000 +
// 4500 = 6200, 13800 not taxable.
TEST(LawRules, ElectiveDeferralsStayOutOfProvisionalIncome) {
    Family f("Single", "Single", "NoMinors");
    f.Enter("ClaimSS", "20000").Enter("ClaimEarned", "20000").Enter("ClaimEarnedExempt", "6000");
    BothRules r = RunBoth(f.Gross(46000, 0));
    EXPECT_EQ(r.schedule.NontaxableSS, 13800);
    EXPECT_EQ(r.law.NontaxableSS, 17500);
}

// Rule 4. Alimony under a pre-2019 order is in the payee's AGI, so in provisional income (IRC
// 86(b)(2); Pub. 915 Worksheet 1 line 3). Benefits 20000, pension 10000, 1000 a month taxed to
// the payee. Law: 10000 + 12000 + 10000 = 32000, taxable min(3500, 10000) = 3500, 16500 not
// taxable. The schedule leaves the maintenance out: 20000 < 25000, nothing taxable.
TEST(LawRules, PreTwentyNineteenMaintenanceCountsInProvisionalIncome) {
    Family f("Single", "Single", "NoMinors");
    f.Enter("ClaimSS", "20000").Enter("ClaimPension", "10000").Gross(30000, 0);
    f.record.options.maintTaxedTo = MaintTaxedTo::Payee;
    f.record.results.tax.MonthlyMaintenance = 1000;
    BothRules r = RunBoth(f);
    EXPECT_EQ(r.schedule.NontaxableSS, 20000);
    EXPECT_EQ(r.law.NontaxableSS, 16500);
}

// Rule 1. Form 8995 instructions, line 1: qualified business income is reduced by the
// deductible part of the self-employment tax, the self-employed health insurance deduction and
// retirement contributions. Profit 100000 (Schedule SE: 92350 x 15.3 % = 14129.55, half
// 7064.775), wages 50000, health insurance 5000, SEP 10000. Taxable income before the
// deduction 150000 - 7064.775 - 15000 - 13850 = 114085.23, limit 22817.05. Law: 20 % x
// (100000 - 7064.775 - 15000) = 15587.05. Schedule: 20 % x 100000 = 20000.
TEST(LawRules, BusinessDeductionOnProfitLessAttributableDeductions) {
    Family f("Single", "Single", "NoMinors");
    f.Enter("ClaimEarned", "50000").Enter("ClaimBusiness.AWages(0)", "100000");
    f.Enter("ClaimSelfHealthDeduct", "5000").Enter("ClaimSelfRetirementDeduct", "10000");
    BothRules r = RunBoth(f.Gross(150000, 0));
    EXPECT_NEAR(r.schedule.BusinessDeduction, 20000, 0.01);
    EXPECT_NEAR(r.law.BusinessDeduction, 15587.05, 0.01);
}

// Rule 2. Form 8960 lines 13-17: the threshold is met by modified AGI. Single, AGI 210000,
// 20000 of business income deduction, net investment income 30000: 3.8 % x min(30000, 210000 -
// 200000) = 380. The schedule tests the 190000 left after the deduction: no tax.
TEST(LawRules, InvestmentIncomeTaxThresholdOnModifiedAgi) {
    tax::ReturnIncome income{
        .incomeForTax = 190000, .filingStatus = "Single", .netInvestmentIncome = 30000};
    const float schedule = tax::FederalIncomeTax(income);
    income.modifiedAgi = 210000;
    EXPECT_EQ(tax::FederalIncomeTax(income) - schedule, 380);
}

// Rule 5. Pub. 596 Worksheet 1 (Rule 6): net rents count as investment income; above 11000
// there is no credit. Head of household, one child, wages 20000, rents 12000. The schedule
// ignores the rents and measures the AGI of 32000: 3995 - 15.98 % x 10440 = 2326.69.
TEST(LawRules, RentsCountInTheInvestmentIncomeLimit) {
    Family f = WithEarnedCredit("Head", "ClaimEICOne");
    f.Enter("ClaimEarned", "20000").Enter("ClaimPT", "12000").Gross(32000, 0);
    BothRules r = RunBoth(f);
    EXPECT_NEAR(r.schedule.Credits.earnedIncome, 2326.69, 0.01);
    EXPECT_EQ(r.law.Credits.earnedIncome, 0);
}

// Rule 6. Pub. 503, "Earned Income Limit"; Form 2441 lines 18-20: on a joint return the
// expenses are limited to the lower spouse's earned income. Wages 40000 and 2000, 3000 of care
// for one child, AGI 42000 (21 %). Law: 21 % x 2000 = 420; schedule: 21 % x 3000 = 630.
TEST(LawRules, CareCreditLimitedToTheLowerEarnedIncome) {
    Family f("MFJ", "Single", "Cust");
    f.Enter("ClaimEarned", "40000").Enter("ClaimEarned1", "2000").Gross(40000, 0);
    BothRules r = RunBoth(f.ClaimDayCare(250, 1));
    EXPECT_EQ(r.schedule.Credits.childCare, 630);
    EXPECT_EQ(r.law.Credits.childCare, 420);
}

// Rule 7. Pub. 596 Worksheet B line 1: a self-employment loss reduces earned income. Head of
// household, one child, wages 30000, business loss 10000, AGI 20000. Law: earned income 20000,
// on the plateau: 3995. The schedule counts the loss as 0: 3995 - 15.98 % x (30000 - 21560) =
// 2646.29.
TEST(LawRules, BusinessLossReducesEarnedIncome) {
    Family f = WithEarnedCredit("Head", "ClaimEICOne");
    f.Enter("ClaimEarned", "30000").Enter("ClaimBusiness.AWages(0)", "-10000").Gross(20000, 0);
    BothRules r = RunBoth(f);
    EXPECT_NEAR(r.schedule.Credits.earnedIncome, 2646.29, 0.01);
    EXPECT_EQ(r.law.Credits.earnedIncome, 3995);
}

// Rule 8. Form 8959 lines 1-7: a joint return tests the couple's wages, 200000 + 100000,
// against 250000: 0.9 % x 50000 = 450, of which the party's wages bear 2/3 = 300. FICA
// 12255.30 + 1.45 % x 39800 = 12832.40. The schedule tests each spouse alone: no tax.
TEST(LawRules, JointReturnAdditionalMedicareOnCombinedWages) {
    Family f("MFJ", "Single", "NonCust");
    f.Enter("ClaimEarned", "200000").Enter("ClaimEarned1", "100000").Gross(200000, 0);
    BothRules r = RunBoth(f);
    EXPECT_EQ(r.schedule.PayrollTax, 12832);
    EXPECT_EQ(r.law.PayrollTax, 13132);          // 12832.40 + 300
    EXPECT_EQ(r.law.NewSpousePayrollTax, 7800);  // 7650 + 150
}

// Rule 9. Schedule SE line 4c: net earnings under 400 owe no self-employment tax. Profit 400:
// 369.40 of net earnings; the schedule taxes them, 15.3 % = 56.52, 57.
TEST(LawRules, NoSelfEmploymentTaxUnderFourHundred) {
    EXPECT_EQ(tax::PayrollTax("Single", 0, 400).payrollTax, 57);
    tax::PayrollTaxResult law = tax::PayrollTax("Single", 0, 400, {.selfEmploymentFloor = true});
    EXPECT_EQ(law.payrollTax, 0);
    EXPECT_EQ(law.halfSelfEmploymentTax, 0);
    EXPECT_EQ(tax::PayrollTax("Single", 0, 434, {.selfEmploymentFloor = true}).payrollTax, 61);
}

// Rule 10. IRC 32(d)(2) (since 2021; Pub. 596 Rule 3) and IRC 21(e)(4) (Pub. 503): a spouse
// filing separately who lived apart with the child may take both credits. One child, wages
// 20000, 3000 of care. EIC Table 20000-20050: 3995. Care: 32 % x 3000 = 960, limited to the
// tax: Tax Table 6150-6200, 10 % x 6175 = 617.50, 618. The schedule allows neither.
TEST(LawRules, SeparateFilerLivingApartTakesBothCredits) {
    Family f = WithEarnedCredit("MarriedSep", "ClaimEICOne");
    f.Enter("ClaimEarned", "20000").Gross(20000, 0);
    BothRules r = RunBoth(f.ClaimDayCare(250, 1));
    EXPECT_EQ(r.schedule.Credits.earnedIncome, 0);
    EXPECT_EQ(r.schedule.Credits.childCare, 0);
    EXPECT_EQ(r.law.FederalTax, 618);
    EXPECT_EQ(r.law.Credits.earnedIncome, 3995);
    EXPECT_EQ(r.law.Credits.childCare, 618);
}

// Rule 11. IRC 32(c)(1)(A)(ii)(II): without a qualifying child the filer must be 25 to 64.
// Single, wages 8000: the plateau credit, 600, at ages the law allows; none at 23, none for
// an Other Party marked 65 or older. The schedule pays 600 at any age.
TEST(LawRules, ChildlessEarnedCreditOnlyFromTwentyFiveToSixtyFour) {
    struct Case {
        const char* age;
        float law;
    };
    for (const Case& c : {Case{"23", 0}, Case{"25", 600}, Case{"64", 600}, Case{"65", 0}}) {
        Family f("Single", "Single", "NoMinors");
        f.Tick("ClaimEICCheck").Enter("ClaimEarned", "8000").Enter("ClaimAge", c.age);
        BothRules r = RunBoth(f.Gross(8000, 0));
        EXPECT_EQ(r.schedule.Credits.earnedIncome, 600) << c.age;
        EXPECT_EQ(r.law.Credits.earnedIncome, c.law) << c.age;
    }
    Family other("Single", "Single", "NoMinors");
    other.Tick("PayerEICCheck").Tick("OtherAge65").Enter("PayerEarned", "8000");
    BothRules r = RunBoth(other.Gross(0, 8000), IncomeParty::Other);
    EXPECT_EQ(r.schedule.Credits.earnedIncome, 600);
    EXPECT_EQ(r.law.Credits.earnedIncome, 0);
}

// Where no rule of the law departs from the schedule's, both give the same figures: W-2 wages
// only, single or head of household, no deferral, no business, no investment income; either
// no taxable income and an earned income credit on its plateau, or 100000 or more of taxable
// income (the Tax Table's figures differ from the brackets' by their midpoints below it).
TEST(LawRules, PlainWageEarnersGetTheSameFiguresUnderBothRules) {
    struct Case {
        const char* status;
        int16_t children;
        const char* wages;
    };
    const char* kChildren[] = {"ClaimEICNone", "ClaimEICOne", "ClaimEICTwo", "ClaimEICThree"};
    const Case cases[] = {
        {"Single", 0, "9000"},   {"Head", 0, "9000"},     {"Head", 1, "15000"},
        {"Head", 2, "18000"},    {"Head", 3, "20000"},    {"Single", 0, "150000"},
        {"Single", 1, "150000"}, {"Single", 2, "250000"}, {"Single", 3, "420000"},
        {"Head", 0, "130000"},   {"Head", 1, "199000"},   {"Head", 2, "260000"},
        {"Head", 3, "150000"},
    };
    for (const Case& c : cases) {
        Family f(c.status, "Single", "Cust");
        f.Tick("ClaimEICCheck").Enter("ClaimEarned", c.wages);
        if (c.children > 0) {
            f.record.fields.Select(kChildren[c.children]);
        }
        f.record.globals.ClaimDepend17Count = c.children;
        f.record.globals.ClaimGrossYearly = std::stof(c.wages);
        BothRules r = RunBoth(f);
        const std::string label = std::string(c.status) + " " + c.wages;
        EXPECT_EQ(r.law.PayrollTax, r.schedule.PayrollTax) << label;
        EXPECT_EQ(r.law.AGI, r.schedule.AGI) << label;
        EXPECT_EQ(r.law.FederalTax, r.schedule.FederalTax) << label;
        EXPECT_EQ(r.law.Credits.childTax, r.schedule.Credits.childTax) << label;
        EXPECT_EQ(r.law.Credits.additionalChildTax, r.schedule.Credits.additionalChildTax) << label;
        EXPECT_EQ(r.law.Credits.earnedIncome, r.schedule.Credits.earnedIncome) << label;
        EXPECT_EQ(r.law.TotalCredits, r.schedule.TotalCredits) << label;
        EXPECT_EQ(r.law.NetMonthly, r.schedule.NetMonthly) << label;
    }
}

}  // namespace
}  // namespace tovaris
