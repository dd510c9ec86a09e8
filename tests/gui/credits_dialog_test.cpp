#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>

#include "case/income_refresh.h"
#include "gui_test_support.h"
#include "tax/credits_dialog.h"
#include "tax/net_income_phase.h"

namespace tovaris::gui {
namespace {

TEST(CreditsDialog, ShowsTheHeadingAndEveryLine) {
    CaseRecord record;
    record.globals.ClaimFilingStatus = "Head";
    record.globals.PayerFilingStatus = "Single";
    record.globals.CustodyType = "Cust";
    record.globals.ClaimDepend17Count = 2;
    record.fields.SetText("ClaimEarned", "38000");
    BringIncomeScreensToYearly(record);
    RunNetIncomePhase(record);
    tax::CreditLines lines = tax::PartyCreditLines(record, IncomeParty::Claimant);

    CreditsDialog dialog(lines);
    EXPECT_EQ(dialog.windowTitle(), "Claimant - Tax Credits");
    QStringList shown;
    for (QLabel* label : dialog.findChildren<QLabel*>()) {
        shown << label->text();
    }
    EXPECT_EQ(shown.size(), static_cast<int>(lines.lines.size()) + 1);
    EXPECT_TRUE(shown.contains(" Child Tax Credit = $4,000"));
    dialog.show();
    testing::SaveScreenshot(dialog, "credits");
    EXPECT_EQ(dialog.findChild<QPushButton*>("PrintCredits"), nullptr);  // no print hooks given
}

TEST(CreditsDialog, PreviewClosesThePopUpFirstAndPrintKeepsIt) {
    CaseRecord record;
    int printed = 0;
    int previewed = 0;
    CreditsDialog dialog(
        tax::PartyCreditLines(record, IncomeParty::Other), nullptr, [&] { ++printed; },
        [&] { ++previewed; });
    dialog.show();
    testing::SaveScreenshot(dialog, "credits_with_print");
    dialog.findChild<QPushButton*>("PrintCredits")->click();
    EXPECT_EQ(printed, 1);
    EXPECT_TRUE(dialog.isVisible());
    dialog.findChild<QPushButton*>("PreviewCredits")->click();
    EXPECT_EQ(previewed, 1);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

// Under the 2023 law the pop-up ends with the notice and every figure the law changed: here
// the 4000 deferred into a 401(k) is no earned income, so the credits shrink.
TEST(CreditsDialog, ShowsWhatTheLawChanged) {
    CaseRecord record;
    record.options.federalTaxRules = FederalTaxRules::Law2023;
    record.globals.ClaimFilingStatus = "Head";
    record.globals.PayerFilingStatus = "Single";
    record.globals.CustodyType = "Cust";
    record.globals.ClaimDepend17Count = 1;
    record.fields.SetText("ClaimEarned", "10000");
    record.fields.SetText("ClaimEarnedExempt", "4000");
    record.fields.SetCheck("ClaimEICCheck", 1);
    record.fields.Select("ClaimEICOne");
    BringIncomeScreensToYearly(record);
    RunNetIncomePhase(record);

    CreditsDialog dialog(tax::PartyCreditLines(record, IncomeParty::Claimant));
    auto* notes = dialog.findChild<QLabel*>("TaxRulesNotes");
    ASSERT_NE(notes, nullptr);
    EXPECT_TRUE(notes->text().startsWith("Federal taxes computed under 2023 federal tax law.\n"));
    EXPECT_TRUE(
        notes->text().contains("EITC: 3,409.00 under 2023 law; 3,995.00 under schedule rules"));
    dialog.show();
    testing::SaveScreenshot(dialog, "credits_law");
}

}  // namespace
}  // namespace tovaris::gui
