#include <gtest/gtest.h>

#include "maintenance/bonus_calculator.h"
#include "report_case.h"
#include "reports/calculator_printouts.h"
#include "reports/calculator_summary.h"
#include "reports/document_text.h"

namespace tovaris {
namespace {

using reports::Document;
using reports::FixedTextMetrics;

struct BonusCase {
    const char* file;
    const char* title;
    bool maintenance;
};

TEST(CalculatorPrintouts, BonusSummariesMatchTheirGoldenText) {
    const BonusCase cases[] = {
        {"bonus_maintenance_Custodial.txt", "ALIMONY BONUS CALCULATOR", true},
        {"bonus_childsupport_Custodial.txt", "CHILD SUPPORT BONUS CALCULATOR", false},
    };
    for (const BonusCase& c : cases) {
        CaseRecord record = testing::CalculatedExample("Custodial", c.maintenance);
        ScriptedInteraction interaction;
        const DisplayRows lines = c.maintenance
                                      ? RunMaintenanceBonus(record, interaction, "12000")->lines
                                      : RunChildSupportBonus(record, interaction, "12000")->lines;
        FixedTextMetrics metrics;
        Document document(metrics);
        reports::ComposeBonusSummary(document, record, {"Form3", c.title, 12000, lines},
                                     testing::PreparerContext());
        EXPECT_EQ(document.pages().size(), 1u);
        const std::string text = reports::DocumentText(document);
        EXPECT_NE(text.find("| Case Name:  Marriage of Hartley\n"), std::string::npos) << text;
        EXPECT_NE(text.find("| Other Party's Average Yearly Bonus = $12000/Yr\n"),
                  std::string::npos);
        testing::ExpectGolden(text, c.file);
    }
}

TEST(CalculatorPrintouts, ParentingTimePrintoutMatchesItsGoldenText) {
    const CaseRecord record = testing::CalculatedExample("SharedOvernights", false);
    FixedTextMetrics metrics;
    Document document(metrics);
    reports::ComposeParentingTimePrintout(document, record, 3, testing::PreparerContext());
    const std::string text = reports::DocumentText(document);
    for (const char* line :
         {"Tahoma 12 b | (By Child)\n", "Tahoma 12 b | (By Family Size)\n",
          "Tahoma 12 | 3 Children\n", "Tahoma 12 b | Shared Sum of Days Factor\n"}) {
        EXPECT_NE(text.find(line), std::string::npos) << line;
    }
    testing::ExpectGolden(text, "parenting_SharedOvernights.txt");
}

// Pairs share a value column, text lines wrap at the page width and a long list runs down
// columns, so that even a forty-year projection stays on one page.
TEST(CalculatorPrintouts, CalculatorSummaryMatchesItsGoldenText) {
    reports::SummarySection projection{"Projected IRA Account Balance/Yr", {}, 3};
    for (int age = 30; age <= 75; ++age) {
        projection.rows.push_back({"Age " + std::to_string(age) + ": $100,000", ""});
    }
    const reports::CalculatorSummary summary{
        "IraWithdrawals",
        "72(t) IRA Withdrawal Calculator",
        {{"IRA Holder's Personal And Account Status",
          {{"IRA Holder's Name", "Pat Example"},
           {"Current Balance in IRA Account", "400000"},
           {"Projection Method", "Annuity"}}},
         {"Excess Earnings Multiplier",
          {{"1) Does Business Have Many Competitors Or Is It One Of Few Providers In The Local "
            "Service Area? A question long enough to need a second line on the printed page.",
            ""},
           {"Many Competitors", "[--X-----]  Few Competitors"}}},
         projection}};
    FixedTextMetrics metrics;
    Document document(metrics);
    reports::ComposeCalculatorSummary(document, summary, testing::PreparerContext());
    EXPECT_EQ(document.pages().size(), 1u);
    testing::ExpectGolden(reports::DocumentText(document), "summary_IraWithdrawals.txt");
}

}  // namespace
}  // namespace tovaris
