#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "app/application.h"
#include "app/data_folder_choice.h"
#include "app/input_box.h"
#include "app/message_box.h"
#include "app/preparer_dialog.h"
#include "app/screen_setup.h"
#include "app/splash_screen.h"
#include "calculators/bonus_window.h"
#include "case/express_entry_window.h"
#include "case/income_window.h"
#include "common/scripted_interaction.h"
#include "entered_program.h"
#include "gui_test_support.h"
#include "income_screen_fixture.h"
#include "maintenance/maintenance_window.h"
#include "support/support_results_window.h"
#include "tax/credit_lines.h"
#include "tax/credits_dialog.h"

namespace tovaris::gui {
namespace {

// The program started and entered, as a new user meets it.
struct Entered : testing::EnteredProgram {
    ExpressEntryWindow& express() { return *app.express(); }
    void OpenExample(const char* name) {
        express().OpenCase(QString(TOVARIS_SOURCE_DIR) + "/examples/" + name);
    }
};

// The object names of the controls the Tab key reaches from `first`, `count` of them in all.
QStringList TabChain(QWidget& first, int count) {
    testing::Activate(*first.window());
    first.setFocus(Qt::TabFocusReason);
    QStringList names{first.objectName()};
    while (names.size() < count) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        names << QApplication::focusWidget()->objectName();
    }
    return names;
}

void PressKey(QWidget& widget, Qt::Key key) {
    QTest::keyClick(&widget, key);
}

TEST(ScreenRules, DisabledButtonsLookDisabled) {
    MemoryPreferenceStore preferences;
    QWidget screen;
    auto* live = new QPushButton("Show Limits", &screen);
    auto* dead = new QPushButton("No Limitations", &screen);
    dead->setEnabled(false);
    SetUpScreen(screen, preferences, 1);
    EXPECT_NE(dead->palette().color(QPalette::Disabled, QPalette::ButtonText),
              live->palette().color(QPalette::Active, QPalette::ButtonText));
    EXPECT_EQ(live->palette().color(QPalette::Active, QPalette::Button),
              FromStoredColor(12632319));  // the stored face colour still applies
}

TEST(ScreenRules, ReadOnlyFieldsLookReadOnlyAndTabPassesThem) {
    MemoryPreferenceStore preferences;
    QWidget screen;
    auto* shown = new QLineEdit(&screen);
    shown->setReadOnly(true);
    auto* typed = new QLineEdit(&screen);
    SetUpScreen(screen, preferences, 1);
    EXPECT_EQ(shown->palette().color(QPalette::Base), screen.palette().color(QPalette::Window));
    EXPECT_NE(typed->palette().color(QPalette::Base), screen.palette().color(QPalette::Window));
    EXPECT_EQ(shown->focusPolicy() & Qt::TabFocus, 0);
}

TEST(ScreenRules, ReserveDialogWrapsWithinTheScreen) {
    Entered s;
    s.express().menuItem("FedPovGuide")->trigger();
    ASSERT_EQ(s.interaction.messages().back().kind, "ask");
    QString prompt = QString::fromStdString(s.interaction.messages().back().text);
    InputBox box("Data Entry", prompt, "1519");
    box.show();
    QApplication::processEvents();
    EXPECT_LE(box.width(), AvailableArea(box).width());
    EXPECT_LE(box.height(), AvailableArea(box).height());
    EXPECT_TRUE(box.findChild<QPushButton*>("OK")->isVisible());
    testing::SaveScreenshot(box, "reserve_dialog");
}

TEST(ScreenRules, EnterAcceptsAndEscapeCancelsTheBoxes) {
    InputBox accepted("Data Entry", "Please Enter", "1519");
    accepted.show();
    PressKey(*accepted.findChild<QLineEdit*>("InputEntry"), Qt::Key_Return);
    EXPECT_EQ(accepted.result(), QDialog::Accepted);
    InputBox cancelled("Data Entry", "Please Enter", "1519");
    cancelled.show();
    PressKey(*cancelled.findChild<QLineEdit*>("InputEntry"), Qt::Key_Escape);
    EXPECT_EQ(cancelled.result(), QDialog::Rejected);

    MessageBox yes("Exit", "Quit?", BoxButtons::YesNo);
    yes.show();
    PressKey(yes, Qt::Key_Return);
    EXPECT_EQ(yes.answer(), kAnswerYes);
    MessageBox no("Exit", "Quit?", BoxButtons::YesNo);
    no.show();
    PressKey(no, Qt::Key_Escape);
    EXPECT_EQ(no.answer(), kAnswerNo);
}

TEST(ScreenRules, PreparerTabOrderAndOkCancel) {
    MemoryPreferenceStore preferences;
    preferences.Write(kBehaviourApp, "PreparerName", "A. Lawyer");
    {
        PreparerDialog dialog(preferences);
        dialog.show();
        QWidget* name = dialog.findChild<QWidget*>("PreparerName");
        EXPECT_EQ(TabChain(*name, 7),
                  QStringList({"PreparerName", "PrintNameCheck", "PreparerOffice",
                               "PrintOfficeCheck", "PrintDateCheck", "OK", "Cancel"}));
        dialog.findChild<QLineEdit*>("PreparerName")->setText("Someone Else");
        PressKey(*name, Qt::Key_Escape);
    }
    EXPECT_EQ(preferences.Read(kBehaviourApp, "PreparerName"), "A. Lawyer");
    {
        PreparerDialog dialog(preferences);
        dialog.show();
        auto* name = dialog.findChild<QLineEdit*>("PreparerName");
        name->setText("B. Lawyer");
        PressKey(*name, Qt::Key_Return);
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    }
    EXPECT_EQ(preferences.Read(kBehaviourApp, "PreparerName"), "B. Lawyer");
}

TEST(ScreenRules, ExpressEntryTabOrderFollowsTheScreen) {
    Entered s;
    s.express().findChild<QRadioButton*>("CustodialOption")->click();
    QWidget* first = s.express().findChild<QWidget*>("ClaimantName");
    // Column by column, top to bottom, then the command buttons.
    EXPECT_EQ(TabChain(*first, 39),
              QStringList({"ClaimantName",       "YrsMarriage",        "ClaimAge",
                           "EdSkillScore",       "EdSkillsCommand",    "FParentOption",
                           "NoMinorOption",      "NumChild",           "MinChild",
                           "Child(0)",           "Child(1)",           "Child(2)",
                           "Child(3)",           "Child(4)",           "CharOption1",
                           "ClaimDayCare",       "OtherDayCare",       "ClaimNumCare",
                           "OtherNumCare",       "ClaimHealthCare",    "OtherHealthCare",
                           "ClaimSpecial",       "OtherSpecial",       "CurrentMaintTransfer",
                           "ApplyMaintToCS",     "OptionTaxedToPayee", "ClaimHeadHouse",
                           "ClaimGrossInc",      "ClaimDepend17",      "ClaimStateTax",
                           "ClaimStateTaxCombo", "EnterClaimIncome",   "PayerHeadHouse",
                           "PayGrossInc",        "PayerDepend17",      "PayerStateTax",
                           "PayerStateTaxCombo", "EnterPayerIncome",   "ChildSupportButton"}));
}

TEST(ScreenRules, IncomeScreenTabOrderFollowsTheRows) {
    testing::IncomeScreen s("ClaimMFJ");
    QWidget* first = s.Edit("ClaimEarned");
    EXPECT_EQ(TabChain(*first, 5), QStringList({"ClaimEarned", "ClaimEarned1", "ClaimEarnedExempt",
                                                "ClaimEarnedExempt1", "ClaimSelf"}));
}

TEST(ScreenRules, OtherChildrenFieldsOpenWithTheirCheckBox) {
    testing::IncomeScreen s;
    auto* count = s.Edit("ClaimNumOther");
    EXPECT_FALSE(count->isEnabled());
    s.window->findChild<QCheckBox*>("ClaimSecFamCheck")->click();
    EXPECT_TRUE(count->isEnabled());
    EXPECT_TRUE(s.Edit("ClaimOtherSupport")->isEnabled());
}

TEST(ScreenRules, EscapeLeavesTheSmallWindows) {
    testing::IncomeScreen s;
    ASSERT_TRUE(s.window->isVisible());
    PressKey(*s.Edit("ClaimEarned"), Qt::Key_Escape);
    EXPECT_FALSE(s.window->isVisible());

    s.app.record().fields.SetText("MinChild", "2");
    s.app.express()->findChild<QPushButton*>("SharedCalc")->click();
    QWidget* parenting = s.app.express()->findChild<QWidget*>("ParentingTime");
    ASSERT_TRUE(parenting->isVisible());
    testing::Activate(*parenting);
    PressKey(*parenting->findChild<QLineEdit*>("ClaimDays(0)"), Qt::Key_Escape);
    EXPECT_FALSE(parenting->isVisible());

    s.app.express()->menuItem("OnightCount")->trigger();
    auto* estimator = s.app.express()->findChild<QDialog*>("OvernightEstimator");
    ASSERT_TRUE(estimator->isVisible());
    testing::Activate(*estimator);
    for (const char* schedule : {"XMassHalf", "BreakCon", "SummerConPlus"}) {
        estimator->findChild<QRadioButton*>(schedule)->click();
    }
    estimator->findChild<QLineEdit*>("SummerConWeeks")->setText("2");
    estimator->findChild<QLineEdit*>("SchoolNights")->setText("6");
    PressKey(*estimator->findChild<QLineEdit*>("SchoolNights"), Qt::Key_Return);
    EXPECT_EQ(estimator->findChild<QLineEdit*>("TotalNights")->text(), "159.0");
    PressKey(*estimator->findChild<QLineEdit*>("SchoolNights"), Qt::Key_Escape);
    EXPECT_FALSE(estimator->isVisible());
}

TEST(ScreenRules, SplashEnterPressesTheFirstButton) {
    MemoryPreferenceStore preferences;
    ScriptedInteraction interaction;
    Application app{preferences, interaction, "/opt/tovaris"};
    app.Start({800, 600, 15, 15});
    SplashScreen* splash = app.splash();
    testing::Activate(*splash);
    auto* first = splash->findChild<QPushButton*>("EnterCaseData");
    EXPECT_TRUE(first->hasFocus());
    QSignalSpy entered(splash, &SplashScreen::enterCaseData);
    PressKey(*first, Qt::Key_Return);
    EXPECT_EQ(entered.count(), 1);
}

TEST(ScreenRules, MenusHaveAcceleratorsAndTheUsualKeys) {
    Entered s;
    for (QAction* menu : s.express().menuBar()->actions()) {
        EXPECT_TRUE(menu->text().contains('&')) << menu->text().toStdString();
    }
    const std::pair<const char*, const char*> keys[] = {
        {"Open", "Ctrl+O"}, {"Save", "Ctrl+S"}, {"Print", "Ctrl+P"}, {"Quit", "Ctrl+Q"}};
    for (const auto& [item, key] : keys) {
        EXPECT_EQ(s.express().menuItem(item)->shortcut(), QKeySequence(key)) << item;
    }
    EXPECT_TRUE(s.express().menuItem("Print")->isEnabled());  // the screen, after the print dialog
}

TEST(ScreenRules, TitleNamesTheOpenFileAndMarksChanges) {
    Entered s;
    EXPECT_EQ(s.express().windowTitle(), "Case Data Express Entry[*]");
    EXPECT_FALSE(s.express().isWindowModified());
    s.OpenExample("Custodial.QCF");
    EXPECT_EQ(s.express().windowTitle(), "Case Data Express Entry - Custodial.QCF[*]");
    EXPECT_FALSE(s.express().isWindowModified());
    EXPECT_TRUE(s.express().statusBar()->currentMessage().contains("Custodial.QCF"));

    auto* years = s.express().findChild<QLineEdit*>("YrsMarriage");
    testing::Activate(s.express());
    years->setFocus();
    QTest::keyClicks(years, "31");
    s.express().findChild<QWidget*>("ClaimAge")->setFocus();  // the user leaves the field
    EXPECT_TRUE(s.express().isWindowModified());
}

TEST(ScreenRules, MaintenanceAwardBoxPressesChangeOnEnter) {
    Entered s;
    s.OpenExample("Custodial.QCF");
    s.express().findChild<QPushButton*>("AlimonyButton")->click();
    MaintenanceWindow* window = s.express().maintenanceResults();
    auto* award = window->findChild<QLineEdit*>("NewAward");
    award->setText("-1");
    PressKey(*award, Qt::Key_Return);
    EXPECT_EQ(s.interaction.messages().back().text, "Spousal Maintenance Must Be $0 or Greater");
}

TEST(ScreenRules, FlaggedLimitsExplainThemselves) {
    Entered s;
    s.OpenExample("Custodial.QCF");
    s.express().findChild<QPushButton*>("ChildSupportButton")->click();
    SupportResultsWindow* window = s.express().supportResults();
    window->findChild<QLineEdit*>("NewOtherNet")->setText("1800");
    window->findChild<QPushButton*>("ChangeOther")->click();
    auto* limits = window->findChild<QPushButton*>("ApplyLimits");
    ASSERT_EQ(limits->text(), "Show Limits");
    EXPECT_TRUE(limits->toolTip().contains("Self-Support Reserve"));
    auto* reasons = window->findChild<QLabel*>("LimitReasons");
    EXPECT_TRUE(reasons->isVisibleTo(window));
    EXPECT_EQ(reasons->text(), limits->toolTip());
    testing::SaveScreenshot(*window, "results_limits_flagged");
}

TEST(ScreenRules, BonusCalculatorCreditsAndTableTakeEnterAndEscape) {
    Entered s;
    s.OpenExample("Custodial.QCF");
    s.express().findChild<QPushButton*>("AlimonyButton")->click();
    MaintenanceWindow* maintenance = s.express().maintenanceResults();
    maintenance->menuItem("RunBonus")->trigger();
    auto* bonus = maintenance->findChild<BonusWindow*>();
    testing::Activate(*bonus);
    auto* amount = bonus->findChild<QLineEdit*>("BonusAmount");
    amount->setText("abc");
    PressKey(*amount, Qt::Key_Return);
    EXPECT_EQ(s.interaction.messages().back().text,
              "Please ReEnter The Other Party's Average Yearly Bonus");
    PressKey(*amount, Qt::Key_Escape);
    EXPECT_FALSE(bonus->isVisible());

    CreditsDialog credits(tax::PartyCreditLines(s.app.record(), IncomeParty::Claimant));
    credits.show();
    PressKey(credits, Qt::Key_Return);
    EXPECT_EQ(credits.result(), QDialog::Accepted);

    s.express().findChild<QPushButton*>("EdSkillsCommand")->click();
    auto* table = s.express().findChild<QDialog*>("EdSkills");
    ASSERT_TRUE(table->isVisible());
    PressKey(*table, Qt::Key_Escape);
    EXPECT_FALSE(table->isVisible());
}

TEST(ScreenRules, FolderChoiceShowsItsWholePromptInsideTheDialog) {
    Entered s;
    QTemporaryDir data;
    s.preferences.Write(kDataApp, "DataLoc", data.path().toStdString());
    QString prompt;
    QTimer::singleShot(0, [&prompt] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        prompt = modal->findChild<QLabel*>("FolderPrompt")->text();
        static_cast<QDialog*>(modal)->reject();
    });
    s.express().menuItem("UserDefault")->trigger();
    EXPECT_EQ(prompt,
              "Click On The Folder To Set Or Change As The Default For Your Data Saves And Then "
              "Click OK\nOr Click CANCEL To Use Your Current Default Which Is: " +
                  data.path());
    EXPECT_EQ(s.interaction.messages().back().text,
              "This Folder Remains Your Default Location For Data Saves");
}

TEST(ScreenRules, DialogsOpenInAFolderThatExists) {
    QTemporaryDir home;
    QString data = home.filePath("Tovaris/Qcf Data");
    EXPECT_EQ(UsableFolder(data), data);
    EXPECT_TRUE(QDir(data).exists());  // created when first used
    EXPECT_EQ(UsableFolder("/proc/no such folder/Qcf Data"),
              QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
}

}  // namespace
}  // namespace tovaris::gui
