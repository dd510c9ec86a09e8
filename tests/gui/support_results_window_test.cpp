#include <gtest/gtest.h>

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <QTimer>
#include <functional>

#include "app/application.h"
#include "app/rows_view.h"
#include "calculators/flip_window.h"
#include "case/case_file.h"
#include "case/express_entry_window.h"
#include "common/scripted_interaction.h"
#include "gui_test_support.h"
#include "income_screen_fixture.h"
#include "support/results_panel.h"
#include "support/support_results_window.h"

namespace tovaris::gui {
namespace {

// An example case opened on the Express Entry screen and its child support button clicked.
struct ResultsScreen {
    MemoryPreferenceStore preferences;
    ScriptedInteraction interaction;
    Application app{preferences, interaction, "/opt/tovaris"};
    SupportResultsWindow* window = nullptr;

    explicit ResultsScreen(const char* example, const char* monAdj = nullptr,
                           const std::function<void(CaseFields&)>& change = {}) {
        if (monAdj != nullptr) {
            preferences.Write(kBehaviourApp, "MonAdj", monAdj);
        }
        app.Start({800, 600, 15, 15});
        app.EnterCaseData();
        app.express()->OpenCase(QString(TOVARIS_SOURCE_DIR) + "/examples/" + example);
        if (change) {
            change(app.record().fields);
        }
        app.express()->findChild<QAbstractButton*>("ChildSupportButton")->click();
        window = app.express()->supportResults();
    }
    QPushButton* Button(const char* name) const { return window->findChild<QPushButton*>(name); }
    void Click(const char* name) const { Button(name)->click(); }
    void Type(const char* box, const QString& text) const {
        window->findChild<QLineEdit*>(box)->setText(text);
    }
    QString Transfer() const { return window->findChild<QLabel*>("TransferSentence")->text(); }
    QStringList PanelTexts() const { return window->findChild<ResultsPanel*>()->texts(); }
    const SupportResults& results() { return app.record().results.support; }
};

TEST(SupportResultsWindow, ChildSupportButtonShowsTheResults) {
    ResultsScreen s("Custodial.QCF");
    ASSERT_NE(s.window, nullptr);
    EXPECT_TRUE(s.window->isVisible());
    EXPECT_EQ(s.window->windowTitle(), "Child Support");
    EXPECT_EQ(s.Transfer(), "Child Support Is $1,898 Per Month. Paid By Other Parent. ");
    EXPECT_TRUE(s.PanelTexts().contains("Claimant (custodial)"));
    EXPECT_TRUE(s.PanelTexts().contains(" Pays % Of Expenses At"));
    EXPECT_EQ(s.window->findChild<QLabel*>("PerChildList")->text(),
              " Child #1: $1,151 /Month\n Child #2: $1,151 /Month");
    EXPECT_TRUE(s.window->menuItem("PreviewCS")->isEnabled());
    testing::SaveScreenshot(*s.window, "results_custodial");
}

// Under the law's rules (a preference) the notes name the rules and every figure they changed.
TEST(SupportResultsWindow, LawTaxRulesAreNamedWithTheirChanges) {
    ResultsScreen s("NonCustodial.QCF");
    s.app.express()->menuItem("LawTaxRules")->trigger();
    EXPECT_EQ(s.preferences.Read(kBehaviourApp, "TaxRules"), "Law2023");
    s.app.express()->findChild<QAbstractButton*>("ChildSupportButton")->click();
    const QStringList texts = s.PanelTexts();
    EXPECT_TRUE(texts.contains("Federal taxes computed under 2023 federal tax law."));
    EXPECT_TRUE(
        texts.contains(" Other Party - Business Income Deduction: 2,230.45 under 2023 "
                       "law; 2,400.00 under schedule rules"));
    testing::SaveScreenshot(*s.window, "results_law");
}

TEST(SupportResultsWindow, NoMinorsSayThereIsNoChildSupport) {
    ResultsScreen s("NoMinorsMaintenance.QCF");
    EXPECT_EQ(s.Transfer(),
              "There Are No Minor Children In This Case, So There Is No Child Support.");
    EXPECT_FALSE(s.PanelTexts().contains(" Pays % Of Expenses At"));
    EXPECT_FALSE(
        s.PanelTexts().contains("Combined Net Income Is < = $12,000. Support Is Presumptive."));
    testing::SaveScreenshot(*s.window, "results_no_minors");
}

TEST(SupportResultsWindow, TypedNetIncomesAndTheirResets) {
    ResultsScreen s("Custodial.QCF");
    s.Type("NewOtherNet", "abc");
    s.Click("ChangeOther");
    EXPECT_EQ(s.interaction.messages().back().text,
              "Please Enter The Other Parent's New Monthly Net Income");
    EXPECT_EQ(s.app.record().results.tax.NetOverrideState, 1);

    s.Type("NewOtherNet", "$5,000");
    s.Click("ChangeOther");
    s.Type("NewClaimNet", "3500");
    s.Click("ChangeClaimant");
    EXPECT_EQ(s.app.record().results.tax.NetOverrideState, 4);
    EXPECT_TRUE(s.PanelTexts().contains("Both"));
    QString typed = s.Transfer();
    EXPECT_NE(typed, "Child Support Is $1,898 Per Month. Paid By Other Parent. ");

    s.Click("ResetClaimant");
    EXPECT_EQ(s.app.record().results.tax.NetOverrideState, 3);
    EXPECT_TRUE(s.window->findChild<QLineEdit*>("NewClaimNet")->text().isEmpty());

    s.window->menuItem("Curve")->trigger();
    EXPECT_EQ(s.app.record().results.tax.NetOverrideState, 1);
    EXPECT_TRUE(s.window->findChild<QLineEdit*>("NewOtherNet")->text().isEmpty());
    EXPECT_TRUE(s.app.express()->menuItem("Curve")->isChecked());
    s.app.express()->menuItem("Linear")->trigger();
    EXPECT_TRUE(s.window->menuItem("Linear")->isChecked());
    EXPECT_EQ(s.Transfer(), "Child Support Is $1,898 Per Month. Paid By Other Parent. ");
}

// Enter in a "New Net Per Month" box presses its Change; an edit made afterwards counts at the
// next recalculation, whichever command runs it.
TEST(SupportResultsWindow, TypedNetBoxesAreReadAtEveryRun) {
    ResultsScreen s("Custodial.QCF");
    auto* box = s.window->findChild<QLineEdit*>("NewOtherNet");
    QTest::keyClicks(box, "1800");
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(s.app.record().results.tax.NetOverrideState, 3);
    EXPECT_EQ(s.app.record().results.tax.Payer.NetMonthly, 1800);
    ASSERT_EQ(s.Button("ApplyLimits")->text(), "Show Limits");

    box->selectAll();
    QTest::keyClicks(box, "1700");
    s.Click("ApplyLimits");
    EXPECT_EQ(s.app.record().results.tax.Payer.NetMonthly, 1700);
}

TEST(SupportResultsWindow, LimitsButtonShowsAndHidesTheLimitation) {
    ResultsScreen s("Custodial.QCF");
    // A low Other Party income brings the self-support reserve into play.
    s.Type("NewOtherNet", "1800");
    s.Click("ChangeOther");
    ASSERT_EQ(s.Button("ApplyLimits")->text(), "Show Limits");
    ASSERT_TRUE(s.Button("ApplyLimits")->isEnabled());
    QString unlimited = s.Transfer();

    s.Click("ApplyLimits");
    EXPECT_EQ(s.Button("ApplyLimits")->text(), "Hide Limits");
    EXPECT_EQ(s.results().LimitsApplied, 1);
    EXPECT_NE(s.Transfer(), unlimited);
    EXPECT_TRUE(s.PanelTexts().contains(" Basic Support Shown Is The Limitation "));
    testing::SaveScreenshot(*s.window, "results_custodial_limits");

    s.Click("ApplyLimits");
    EXPECT_EQ(s.Button("ApplyLimits")->text(), "Show Limits");
    EXPECT_EQ(s.Transfer(), unlimited);
}

TEST(SupportResultsWindow, DeviationForTheOtherPartysSecondFamily) {
    ResultsScreen s("Custodial.QCF", nullptr, [](CaseFields& fields) {
        fields.SetCheck("PayerSecFamCheck", 1);
        fields.SetText("PayerNumOther", "2");
        fields.SetText("PayerOtherChildAge(0)", "3");
        fields.SetText("PayerOtherChildAge(1)", "6");
    });
    ASSERT_EQ(s.Button("ApplyDev")->text(), "Show Deviation");
    s.Click("ApplyDev");
    EXPECT_EQ(s.Button("ApplyDev")->text(), "Hide Deviation");
    EXPECT_TRUE(s.Transfer().contains(" Minus A Whole Family Deviation Of $"))
        << s.Transfer().toStdString();
    EXPECT_TRUE(s.PanelTexts().contains(" Other Parent Has Other Children"));
    testing::SaveScreenshot(*s.window, "results_custodial_deviation");
    s.Click("ApplyDev");
    EXPECT_EQ(s.Button("ApplyDev")->text(), "Show Deviation");
    EXPECT_EQ(s.Transfer(), "Child Support Is $1,898 Per Month. Paid By Other Parent. ");
}

TEST(SupportResultsWindow, TierPanelAndItsRedCaption) {
    ResultsScreen s("SplitTwoEach.QCF");
    auto* frame = s.window->findChild<QGroupBox*>("Frame5");
    EXPECT_EQ(frame->title(), "Standard Support Calculation");
    s.Click("ButtonPlus1");
    EXPECT_EQ(s.window->findChild<QStackedWidget*>()->currentWidget()->objectName(), "Picture8");
    EXPECT_TRUE(frame->title().startsWith("Tier - Without Net Expense Obligation of $"));
    EXPECT_TRUE(s.window->findChild<QLabel*>("Picture8")->text().startsWith("4 Children: "));
    testing::SaveScreenshot(*s.window, "results_split_tiers");
    s.Click("ButtonPlus1");
    EXPECT_EQ(frame->title(), "Child Support Calculation");
}

TEST(SupportResultsWindow, SelfSupportReserveChangeRecalculates) {
    ResultsScreen s("Custodial.QCF");
    s.interaction.QueueInput("x");
    s.window->menuItem("ChangeSubsistence")->trigger();
    EXPECT_EQ(s.interaction.messages().back().text,
              " Your Entry Was Not Numeric. The Current Program Value of $1,519 Has Not Been "
              "Changed. ");
    s.interaction.QueueInput("1600");
    s.window->menuItem("ChangeSubsistence")->trigger();
    EXPECT_EQ(s.app.record().globals.SelfSupportReserve, 1600);
    EXPECT_EQ(s.preferences.Read("Tovaris_2023_Wa", "SelfSupport"), "1600");
}

TEST(SupportResultsWindow, ReadableAtEachScale) {
    for (const char* monAdj : {"1", ".75"}) {
        ResultsScreen shared("SharedOvernights.QCF", monAdj);
        testing::SaveScreenshot(*shared.window, QString("results_shared_%1").arg(monAdj));
        ResultsScreen split("SplitTwoEach.QCF", monAdj);
        testing::SaveScreenshot(*split.window, QString("results_split_%1").arg(monAdj));
        EXPECT_TRUE(split.PanelTexts().contains(" Uses Arvey Split Custody Formula."));
    }
}

FlipWindow* OpenFlip(const ResultsScreen& s) {
    QAction* item = s.window->menuItem("RunFlip");
    EXPECT_TRUE(item->isEnabled());
    item->trigger();
    auto* flip = s.window->findChild<FlipWindow*>();
    EXPECT_TRUE(flip != nullptr && flip->isVisible());
    return flip;
}

QLineEdit* Box(QWidget& window, const char* name) {
    return window.findChild<QLineEdit*>(name);
}

TEST(FlipWindow, CalculateShowsTheDifferenceAndLeavesTheCase) {
    ResultsScreen s("SharedOvernights.QCF");
    const std::string saved = SaveData(s.app.record());
    const QStringList panel = s.PanelTexts();
    const QString transfer = s.Transfer();
    const QString express = s.app.express()->findChild<QLineEdit*>("ChildSupport")->text();
    FlipWindow* flip = OpenFlip(s);
    EXPECT_EQ(Box(*flip, "InitialClaimDepend17")->text(),
              QString::number(s.app.record().globals.ClaimDepend17Count));
    EXPECT_TRUE(Box(*flip, "RevisedClaimNights")->isEnabled());
    EXPECT_FALSE(Box(*flip, "RevisedClaimDependents")->isEnabled());
    const QString initialNights = Box(*flip, "RevisedClaimNights")->text();

    QLineEdit* nights = Box(*flip, "RevisedClaimNights");
    nights->clear();
    QTest::keyClicks(nights, "120");
    EXPECT_EQ(Box(*flip, "RevisedPayerNights")->text(), "245.00");
    Box(*flip, "RevisedPayerDepend17")->setText("0");
    flip->findChild<QPushButton*>("Calculate")->click();
    const QStringList lines = flip->findChild<RowsView*>("FlipResults")->texts();
    EXPECT_TRUE(lines.contains(" Original Child Support = "));
    EXPECT_TRUE(lines.contains(" Claimant's Income Adjustments /Yr"));
    testing::SaveScreenshot(*flip, "flip_calculated");

    EXPECT_EQ(SaveData(s.app.record()), saved);
    EXPECT_EQ(s.PanelTexts(), panel);
    EXPECT_EQ(s.Transfer(), transfer);
    EXPECT_EQ(s.app.express()->findChild<QLineEdit*>("ChildSupport")->text(), express);

    flip->findChild<QPushButton*>("Reset")->click();
    EXPECT_EQ(Box(*flip, "RevisedClaimNights")->text(), initialNights);
    EXPECT_EQ(Box(*flip, "RevisedPayerDepend17")->text(),
              QString::number(s.app.record().globals.PayerDepend17Count));
}

// Tab runs down the Claimant's column, then the Other Party's; Escape leaves the window.
TEST(FlipWindow, TabFollowsEachPartysColumnAndEscapeLeaves) {
    ResultsScreen s("SharedOvernights.QCF");
    FlipWindow* flip = OpenFlip(s);
    testing::Activate(*flip);
    QLineEdit* first = Box(*flip, "RevisedClaimNights");
    first->setFocus(Qt::TabFocusReason);
    QStringList chain{first->objectName()};
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        chain << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(chain, QStringList({"RevisedClaimNights", "RevisedClaimDepend17",
                                  "RevisedPayerNights", "RevisedPayerDepend17"}));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(flip->isVisible());
}

TEST(FlipWindow, RefusedOvernightsShowTheEntryError) {
    ResultsScreen s("SharedOvernights.QCF");
    FlipWindow* flip = OpenFlip(s);
    Box(*flip, "RevisedClaimNights")->setText("200");
    Box(*flip, "RevisedPayerNights")->setText("166");
    QString shown;
    QTimer::singleShot(0, [&shown] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            shown = modal->findChild<QLabel*>("BoxMessage")->text();
            modal->findChild<QPushButton*>("OK")->click();
        }
    });
    flip->findChild<QPushButton*>("Calculate")->click();
    EXPECT_EQ(shown, "Total Sum Of Claimant's and Other Party's Overnights Must Equal 365");
    EXPECT_TRUE(flip->findChild<RowsView*>("FlipResults")->texts().isEmpty());
}

TEST(SupportResultsWindow, ReturnToDataShowsTheExpressEntryScreen) {
    ResultsScreen s("Custodial.QCF");
    s.Click("ReturnToDataCommand");
    EXPECT_FALSE(s.window->isVisible());
    EXPECT_TRUE(s.app.express()->isVisible());
}

}  // namespace
}  // namespace tovaris::gui
