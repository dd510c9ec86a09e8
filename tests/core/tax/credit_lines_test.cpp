#include <gtest/gtest.h>

#include "case/income_business.h"
#include "case/income_refresh.h"
#include "tax/credit_lines.h"
#include "tax/net_income_phase.h"

namespace tovaris {
namespace {

TEST(CreditLines, CustodialParentWithDayCare) {
    CaseRecord record;
    CaseGlobals& g = record.globals;
    g.ClaimFilingStatus = "Head";
    g.PayerFilingStatus = "Single";
    g.CustodyType = "Cust";
    g.ClaimGrossYearly = 45000;
    g.DayCareClaim = 500;
    g.ClaimNumCare = 1;
    g.ClaimDepend17Count = 1;
    record.fields.SetText("ClaimEarned", "45000");
    record.fields.SetText("ClaimOtherCredits", "150");
    BringIncomeScreensToYearly(record);
    RunNetIncomePhase(record);

    tax::CreditLines lines = tax::PartyCreditLines(record, IncomeParty::Claimant);
    EXPECT_EQ(lines.heading, "Claimant - Tax Credits");
    // Head of household, AGI 45000: taxable 24200, tax 1570 + 12 % of 8500 = 2590. Child care
    // (20 % of 3000), other credits and the child tax credit come to 2750: 2590 of it against
    // the tax, the 160 left over refunded as the additional child tax credit.
    const std::vector<std::string> expected = {
        " Child Tax Credit = $2,000",
        " Child Care Credit = $600",
        " Other Entered Credits = $150",
        " SubTotal - NonRefundable Credits (Limited To Amt Of Fed Tax) = $2,590",
        " Additional Child Tax Credit = $160",
        " Earned Income Tax Credit = $0",
        " Total - All Tax Credits = $2,750",
        " Claimant's Business Deduction = $0",
        " Claimant's Business Loss Carryover = $0",
    };
    EXPECT_EQ(lines.lines, expected);
}

TEST(CreditLines, JointFilerShowsItsShare) {
    CaseRecord record;
    record.globals.ClaimFilingStatus = "Single";
    record.globals.PayerFilingStatus = "MFJ";
    record.globals.CustodyType = "NoMinors";
    record.fields.SetText("PayerEarned", "60000");
    record.fields.SetText("PayerEarned1", "40000");
    record.fields.SetText("PayerBusiness.AWages(1)", "-5000");
    RefreshBusinessScreens(record);
    BringIncomeScreensToYearly(record);
    RunNetIncomePhase(record);
    tax::CreditLines lines = tax::PartyCreditLines(record, IncomeParty::Other);
    EXPECT_EQ(lines.heading, "Other Parent - Tax Credits");
    EXPECT_EQ(lines.lines[3].rfind(" SubTotal - NonRefundable Credits (Limited To Amt Of MFJ", 0),
              0u);
    EXPECT_EQ(lines.lines[6], " MFJ PRORATED by Other's Share of Income (.632)");
    EXPECT_EQ(lines.lines.back(), " Other Party's Business Loss Carryover = $5,000");
}

}  // namespace
}  // namespace tovaris
