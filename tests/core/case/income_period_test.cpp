#include <gtest/gtest.h>

#include <string>

#include "case/case_record.h"
#include "case/income_business.h"
#include "case/income_refresh.h"

namespace tovaris {
namespace {

// Expected values: amount x factor(from) / factor(to) with the factors of the "Entry Time
// Period" menu (1, 12, 365/14, 365/7, 365/7 x 40), shown "$ ###,###.#0".
TEST(IncomePeriod, ConvertsTheShownAmounts) {
    struct Row {
        IncomePeriod from;
        const char* typed;
        IncomePeriod to;
        const char* shown;
        double ratio;
    };
    const Row rows[] = {
        {IncomePeriod::Monthly, "5000", IncomePeriod::Yearly, "$ 60,000.00", 12.0},
        {IncomePeriod::Weekly, "1000", IncomePeriod::Monthly, "$ 4,345.24", 365.0 / 84.0},
        {IncomePeriod::Yearly, "60000", IncomePeriod::Monthly, "$ 5,000.00", 1.0 / 12.0},
        {IncomePeriod::SemiWeekly, "2000", IncomePeriod::Monthly, "$ 4,345.24", 365.0 / 168.0},
        {IncomePeriod::Hourly, "25", IncomePeriod::Monthly, "$ 4,345.24", 365.0 / 84.0 * 40.0},
        {IncomePeriod::Hourly, "25", IncomePeriod::Yearly, "$ 52,142.86", 365.0 / 7.0 * 40.0},
        {IncomePeriod::Weekly, "$1,000", IncomePeriod::Yearly, "$ 52,142.86", 365.0 / 7.0},
        {IncomePeriod::Monthly, "-250", IncomePeriod::Yearly, "-$ 3,000.00", 12.0},
    };
    for (const Row& row : rows) {
        CaseRecord record;
        ChangeIncomePeriod(record, IncomeParty::Claimant, row.from);
        TypeIncomeAmount(record, "ClaimEarned", row.typed);
        ChangeIncomePeriod(record, IncomeParty::Claimant, row.to);
        SCOPED_TRACE(std::string(row.typed) + " to " + std::string(PeriodLabel(row.to)));
        EXPECT_EQ(record.fields.Text("ClaimEarned"), row.shown);
        EXPECT_DOUBLE_EQ(record.options.incomePeriodFactor, row.ratio);
        EXPECT_EQ(record.income.Of(IncomeParty::Claimant).period, row.to);
    }
}

TEST(IncomePeriod, MonthlyThenYearlyKeepsTheYearlyValue) {
    CaseRecord record;
    ChangeIncomePeriod(record, IncomeParty::Claimant, IncomePeriod::Monthly);
    TypeIncomeAmount(record, "ClaimEarned", "5000");
    ChangeIncomePeriod(record, IncomeParty::Claimant, IncomePeriod::Yearly);
    EXPECT_EQ(record.income.Of(IncomeParty::Claimant).Income(IncomeSource::Earned), 60000.0f);
}

TEST(IncomePeriod, AConvertedAmountKeepsItsCentsThroughAnotherPeriod) {
    // 1000 a week is 52,142.857 a year: via Monthly (4,345.24 shown) it stays 52,142.86.
    CaseRecord record;
    ChangeIncomePeriod(record, IncomeParty::Other, IncomePeriod::Weekly);
    TypeIncomeAmount(record, "PayerEarned", "1000");
    ChangeIncomePeriod(record, IncomeParty::Other, IncomePeriod::Monthly);
    EXPECT_EQ(record.fields.Text("PayerEarned"), "$ 4,345.24");
    ChangeIncomePeriod(record, IncomeParty::Other, IncomePeriod::Yearly);
    EXPECT_EQ(record.fields.Text("PayerEarned"), "$ 52,142.86");
    EXPECT_NEAR(record.income.Of(IncomeParty::Other).Income(IncomeSource::Earned), 52142.857, 0.01);
}

TEST(IncomePeriod, SamePeriodSetsTheFactorToOneAndChangesNothing) {
    CaseRecord record;
    record.options.incomePeriodFactor = 12;
    TypeIncomeAmount(record, "ClaimEarned", "5000");
    ChangeIncomePeriod(record, IncomeParty::Claimant, IncomePeriod::Yearly);
    EXPECT_EQ(record.options.incomePeriodFactor, 1.0);
    EXPECT_EQ(record.fields.Text("ClaimEarned"), "$ 5,000.00");
}

TEST(IncomePeriod, OnlyPageOneAndBothColumnsConvert) {
    CaseRecord record;
    record.fields.SetText("ClaimEarned1", "1000");
    record.fields.SetText("ClaimDues", "1200");
    ChangeIncomePeriod(record, IncomeParty::Claimant, IncomePeriod::Monthly);
    EXPECT_EQ(record.fields.Text("ClaimEarned1"), "$ 83.33");
    EXPECT_EQ(record.fields.Text("ClaimDues"), "$ 1,200");
    EXPECT_EQ(record.fields.Text("ClaimSelf"), "");  // an empty field stays empty
}

TEST(IncomeRefresh, NonNumericAmountsAreEmptiedAndCountZero) {
    CaseRecord record;
    record.fields.SetText("ClaimEarned", "forty thousand");
    record.fields.SetText("ClaimSS", "1e20");  // beyond any amount a case holds
    record.fields.SetText("ClaimPT", "1,200");
    AddIncomeVars(record, IncomeParty::Claimant);
    EXPECT_EQ(record.fields.Text("ClaimEarned"), "");
    EXPECT_EQ(record.fields.Text("ClaimSS"), "");
    EXPECT_EQ(record.fields.Text("ClaimPT"), "$ 1,200.00");
    EXPECT_EQ(record.fields.Text("ClaimTotal"), "$ 1,200.00");
    EXPECT_EQ(record.income.Of(IncomeParty::Claimant).Income(IncomeSource::Earned), 0.0f);
}

TEST(IncomeRefresh, TotalsAreRecomputedNotTrusted) {
    CaseRecord record;
    record.fields.SetText("PayerEarned", "50000");
    record.fields.SetText("PayerLT", "2500.5");
    record.fields.SetText("PayerTotal", "$ 1.00");
    record.fields.SetText("PayerEarned1", "30000");
    AddIncomeVars(record, IncomeParty::Other);
    EXPECT_EQ(record.fields.Text("PayerTotal"), "$ 52,500.50");
    EXPECT_EQ(record.fields.Text("PayerTotal1"), "$ 30,000.00");
    EXPECT_EQ(record.fields.Text("ClaimTotal"), "");  // no entries: no total
}

TEST(IncomeRefresh, ExpressGrossIncomeIsTheYearlyTotalOverTwelve) {
    CaseRecord record;
    record.fields.SetText("ClaimGrossInc", "3000");
    record.fields.SetText("ClaimEarned", "54000");
    record.fields.SetText("ClaimFree", "1200");
    record.fields.SetText("ClaimEarned1", "99999");  // the new spouse is not the party
    AddIncomeVars(record, IncomeParty::Claimant);
    EXPECT_EQ(record.fields.Text("ClaimGrossInc"), "$ 4,600.00");

    ChangeIncomePeriod(record, IncomeParty::Claimant, IncomePeriod::Monthly);
    AddIncomeVars(record, IncomeParty::Claimant);
    EXPECT_EQ(record.fields.Text("ClaimGrossInc"), "$ 4,600.00");
}

TEST(IncomeRefresh, ExpressGrossIncomeStandsWhenTheIncomeScreenIsEmpty) {
    CaseRecord record;
    record.fields.SetText("PayGrossInc", "6,250");
    AddIncomeVars(record, IncomeParty::Other);
    EXPECT_EQ(record.fields.Text("PayGrossInc"), "6,250");
}

TEST(IncomeRefresh, DeductionPagesShowWholeDollarsAndReadAsShown) {
    CaseRecord record;
    record.fields.SetText("ClaimStIndus", "612.50");
    record.fields.SetText("ClaimOtherSupport", "$4,800");
    record.fields.SetText("ClaimNumOther", "2");  // a count, not an amount
    AssignDeductVars(record, IncomeParty::Claimant);
    EXPECT_EQ(record.fields.Text("ClaimStIndus"), "$ 613");
    EXPECT_EQ(record.income.Of(IncomeParty::Claimant).Deduction(IncomeDeduction::StIndus), 613.0f);
    EXPECT_EQ(record.fields.Text("ClaimOtherSupport"), "$ 4,800");
    EXPECT_EQ(record.fields.Text("ClaimNumOther"), "2");
}

TEST(IncomeRefresh, TypingStoresTheEntryAtOnceWhenNumeric) {
    CaseRecord record;
    EXPECT_TRUE(TypeIncomeAmount(record, "PayerDues", "$ 9\"00"));
    EXPECT_EQ(record.fields.Text("PayerDues"), "$ 9'00");  // a quote becomes an apostrophe
    EXPECT_TRUE(TypeIncomeAmount(record, "PayerDues", "$ 900"));
    EXPECT_EQ(record.income.Of(IncomeParty::Other).Deduction(IncomeDeduction::Dues), 900.0f);
    EXPECT_FALSE(TypeIncomeAmount(record, "ClaimantName", "x"));
}

TEST(BusinessScreen, ColumnWithIncomeSetsTheBusinessIncome) {
    CaseRecord record;
    record.fields.SetText("ClaimSelf", "1000");
    record.fields.SetText("ClaimBusiness.AWages(0)", "40000");
    record.fields.SetText("ClaimBusiness.BNot(0)", "-5000");
    record.fields.SetText("ClaimBusiness.CWages(0)", "30000");
    record.fields.SetText("ClaimBusiness.DPass(0)", "12,000");
    record.fields.SetText("ClaimBusiness.REIT(0)", "800");  // not business income
    record.fields.SetText("ClaimBusiness.ACap(0)", "150000");
    record.fields.SetText("ClaimSelf1", "2500");  // the new spouse's column has no business
    RefreshBusinessScreen(record, IncomeParty::Claimant);
    const BusinessEntries& business = record.income.Of(IncomeParty::Claimant).business;
    EXPECT_EQ(record.fields.Text("ClaimSelf"), "$ 77,000.00");
    EXPECT_EQ(record.fields.Text("ClaimSelf1"), "2500");
    EXPECT_EQ(business.totalWages[0], 30000.0f);
    EXPECT_EQ(business.totalPass[0], 12000.0f);
    EXPECT_EQ(business.businessIncome[0], 77000.0f);
    EXPECT_FALSE(business.hasIncome[1]);
    EXPECT_EQ(record.fields.Text("ClaimBusiness.DPass(0)"), "$ 12,000.00");

    AddIncomeVars(record, IncomeParty::Claimant);
    EXPECT_EQ(record.fields.Text("ClaimTotal"), "$ 77,000.00");
}

TEST(BusinessScreen, LinkFollowsTheIncomeScreensPeriod) {
    CaseRecord record;
    ChangeIncomePeriod(record, IncomeParty::Other, IncomePeriod::Monthly);
    record.fields.SetText("PayerBusiness.AWages(1)", "24000");
    RefreshBusinessScreen(record, IncomeParty::Other);
    EXPECT_EQ(record.fields.Text("PayerSelf1"), "$ 2,000.00");
}

TEST(BusinessScreen, PeriodChangeLeavesAssetValuesAlone) {
    CaseRecord record;
    record.fields.SetText("PayerBusiness.CWages(0)", "1000");
    record.fields.SetText("PayerBusiness.CCap(0)", "50000");
    ChangeBusinessPeriod(record, IncomeParty::Other, IncomePeriod::Weekly);
    ChangeBusinessPeriod(record, IncomeParty::Other, IncomePeriod::Monthly);
    EXPECT_EQ(record.fields.Text("PayerBusiness.CWages(0)"), "$ 83.33");
    EXPECT_EQ(record.fields.Text("PayerBusiness.CCap(0)"), "$ 50,000.00");
    const BusinessEntries& business = record.income.Of(IncomeParty::Other).business;
    EXPECT_NEAR(business.YearlyAmount(BusinessAmount::CWages, 0), 1000.0, 0.01);
    EXPECT_NEAR(business.totalWages[0], 1000.0, 0.01);
}

}  // namespace
}  // namespace tovaris
