#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include "calculators/impute_window.h"
#include "gui_test_support.h"
#include "income_screen_fixture.h"

namespace tovaris::gui {
namespace {

using testing::IncomeScreen;

TEST(IncomeWindow, RefusedWithoutAFilingStatus) {
    MemoryPreferenceStore preferences;
    ScriptedInteraction interaction;
    Application app(preferences, interaction, "/opt/tovaris");
    app.Start({800, 600, 15, 15});
    app.EnterCaseData();
    app.express()->findChild<QAbstractButton*>("EnterPayerIncome")->click();
    EXPECT_FALSE(app.express()->findChild<QWidget*>("PayerIncome")->isVisible());
    ASSERT_FALSE(interaction.messages().empty());
    EXPECT_EQ(interaction.messages().back().title, "Entry Error");
    EXPECT_EQ(interaction.messages().back().text, "Please Enter Other Party's Tax Filing Status");
}

TEST(IncomeWindow, TypingOnEveryPageGoesIntoTheCase) {
    IncomeScreen s;
    s.Type("ClaimEarned", "52,000");
    s.Type("ClaimIRADeduct", "$6500");
    s.Type("ClaimOtherCredits", "200");
    s.Type("ClaimDues", "480");
    s.window->findChild<QCheckBox*>("ClaimSecFamCheck")->click();
    s.Type("ClaimNumOther", "1");
    s.Type("ClaimOtherChildAge(2)", "7");
    const CaseFields& fields = s.record().fields;
    EXPECT_EQ(fields.Text("ClaimIRADeduct"), "$ 6,500");  // left when the next field was typed
    EXPECT_EQ(fields.Text("ClaimOtherCredits"), "$ 200");
    EXPECT_EQ(fields.Text("ClaimNumOther"), "1");
    EXPECT_EQ(fields.Text("ClaimOtherChildAge(2)"), "7");
    const PartyIncomeEntries& entries = s.record().income.Of(IncomeParty::Claimant);
    EXPECT_EQ(entries.Income(IncomeSource::Earned), 52000.0f);
    EXPECT_EQ(entries.Deduction(IncomeDeduction::IRADeduct), 6500.0f);
    EXPECT_EQ(entries.Deduction(IncomeDeduction::Dues), 480.0f);

    s.window->findChild<QCheckBox*>("ClaimRealSDCheck")->click();
    EXPECT_TRUE(fields.Ticked("ClaimRealSDCheck"));
}

TEST(IncomeWindow, EveryKeystrokeReachesTheEntryGlobal) {
    IncomeScreen s;
    s.Type("ClaimEarned", "12");
    EXPECT_EQ(s.record().fields.Text("ClaimEarned"), "12");
    EXPECT_EQ(s.record().income.Of(IncomeParty::Claimant).Income(IncomeSource::Earned), 12.0f);
    QTest::keyClicks(s.Edit("ClaimEarned"), "5x");  // not numeric: the global keeps 125
    EXPECT_EQ(s.record().fields.Text("ClaimEarned"), "125x");
    EXPECT_EQ(s.record().income.Of(IncomeParty::Claimant).Income(IncomeSource::Earned), 125.0f);
}

TEST(IncomeWindow, LeavingAnAmountShowsItFormattedWithTheTotal) {
    IncomeScreen s;
    s.Type("ClaimEarned", "1000");
    s.Enter("ClaimEarned");
    EXPECT_EQ(s.Edit("ClaimEarned")->text(), "$ 1,000.00");
    EXPECT_EQ(s.Edit("ClaimTotal")->text(), "$ 1,000.00");
    s.Type("ClaimST", "250.5");
    s.Enter("ClaimST");
    EXPECT_EQ(s.Edit("ClaimTotal")->text(), "$ 1,250.50");
    s.Type("ClaimDues", "480");
    s.Enter("ClaimDues");
    EXPECT_EQ(s.Edit("ClaimDues")->text(), "$ 480");  // pages 2-4 show whole dollars
}

TEST(IncomeWindow, EnterMovesToTheNextFieldOfThePage) {
    IncomeScreen s;
    s.window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(s.window));
    s.Type("ClaimEarned", "1");
    s.Enter("ClaimEarned");
    EXPECT_EQ(QApplication::focusWidget(), s.Edit("ClaimEarnedExempt"));
    s.Type("ClaimSS", "1");
    s.Enter("ClaimSS");  // the total takes no entry: back to the top of the page
    EXPECT_EQ(QApplication::focusWidget(), s.Edit("ClaimEarned"));

    s.Type("ClaimRetire", "1");
    s.Enter("ClaimRetire");  // page 4 goes on with the children from other relationships
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "ClaimSecFamCheck");
}

TEST(IncomeWindow, BringingAPageToTheFrontFocusesItsFirstField) {
    IncomeScreen s;
    s.window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(s.window));
    s.Pages()->setCurrentIndex(1);
    EXPECT_EQ(QApplication::focusWidget(), s.Edit("ClaimIRADeduct"));
    s.Pages()->setCurrentIndex(0);
    EXPECT_EQ(QApplication::focusWidget(), s.Edit("ClaimEarned"));
}

TEST(IncomeWindow, MonthlyWagesShownYearlyAfterThePeriodChanges) {
    IncomeScreen s;
    ASSERT_TRUE(s.window->isVisible());
    s.Period("Monthly");
    EXPECT_TRUE(s.window->findChild<QAction*>("Monthly")->isChecked());
    EXPECT_FALSE(s.window->findChild<QAction*>("Yearly")->isChecked());
    EXPECT_EQ(s.window->findChild<QLabel*>("PeriodLabel")->text(), "MONTHLY");
    s.Type("ClaimEarned", "5000");
    EXPECT_EQ(s.record().fields.Text("ClaimEarned"), "5000");
    s.Period("Yearly");
    EXPECT_EQ(s.window->findChild<QLabel*>("PeriodLabel")->text(), "YEARLY");
    EXPECT_EQ(s.Edit("ClaimEarned")->text(), "$ 60,000.00");
    EXPECT_EQ(s.Edit("ClaimTotal")->text(), "$ 60,000.00");
    EXPECT_EQ(s.record().income.Of(IncomeParty::Claimant).Income(IncomeSource::Earned), 60000.0f);
    s.window->findChild<QPushButton*>("ExitButton")->click();
    EXPECT_FALSE(s.window->isVisible());
    EXPECT_EQ(s.record().fields.Text("ClaimGrossInc"), "$ 5,000.00");
    EXPECT_EQ(s.app.express()->findChild<QLineEdit*>("ClaimGrossInc")->text(), "$ 5,000.00");
}

TEST(IncomeWindow, WeeklyAmountShownPerMonth) {
    IncomeScreen s;
    s.Period("Weekly");
    s.Type("ClaimEarned", "1000");
    s.Period("Monthly");
    EXPECT_EQ(s.Edit("ClaimEarned")->text(), "$ 4,345.24");
    EXPECT_EQ(s.window->findChild<QLabel*>("PeriodLabel")->text(), "MONTHLY");
}

TEST(IncomeWindow, ClosingBringsTheScreenBackToYearly) {
    IncomeScreen s;
    s.Period("Hourly");
    s.Type("ClaimEarned", "20");
    s.window->findChild<QAction*>("Exit")->trigger();
    EXPECT_FALSE(s.window->isVisible());
    EXPECT_EQ(s.Edit("ClaimEarned")->text(), "$ 41,714.29");  // 20 x 40 x 365 / 7
    EXPECT_TRUE(s.window->findChild<QAction*>("Yearly")->isChecked());
}

TEST(IncomeWindow, LettersAreEmptiedAtTheNextRefresh) {
    IncomeScreen s;
    s.Type("ClaimPT", "abc");
    s.Period("Monthly");
    EXPECT_EQ(s.Edit("ClaimPT")->text(), "");
    EXPECT_EQ(s.record().income.Of(IncomeParty::Claimant).Income(IncomeSource::PT), 0.0f);
}

TEST(IncomeWindow, NewSpouseColumnOnlyForAJointReturn) {
    IncomeScreen single;
    for (const char* name : {"ClaimEarned1", "ClaimTotal1", "ClaimPriorMaintPaid1",
                             "ClaimPriorMaintPaid3", "PeriodLabel1"}) {
        EXPECT_FALSE(single.Shown(name)) << name;
    }
    EXPECT_TRUE(single.Shown("ClaimPriorMaintPaid2"));

    IncomeScreen joint("ClaimMFJ");
    for (const char* name : {"ClaimEarned1", "ClaimSS1", "ClaimTotal1", "ClaimPriorMaintPaid1",
                             "ClaimPriorMaintPaid3", "PeriodLabel1"}) {
        EXPECT_TRUE(joint.Shown(name)) << name;
    }
    joint.Type("ClaimEarned1", "30000");
    joint.Enter("ClaimEarned1");
    EXPECT_EQ(joint.Edit("ClaimTotal1")->text(), "$ 30,000.00");

    // The filing status changes on the Express Entry screen: the column goes on the next look.
    joint.record().fields.Select("ClaimSingle");
    joint.window->Refresh();
    EXPECT_FALSE(joint.Shown("ClaimEarned1"));
}

TEST(IncomeWindow, ScreenshotsOfTheFourPages) {
    IncomeScreen s("ClaimMFJ");
    s.window->findChild<QRadioButton*>("ClaimItemizedDeduction")->click();
    s.window->findChild<QCheckBox*>("ClaimEICCheck")->click();
    s.record().globals.ClaimImputeStatus = "Imputed";
    s.window->Refresh();
    EXPECT_TRUE(s.Shown("ImputedMark"));
    for (int page = 0; page < s.Pages()->count(); ++page) {
        s.Pages()->setCurrentIndex(page);
        QApplication::processEvents();
        testing::SaveScreenshot(*s.window, QString("income_page%1").arg(page + 1));
    }
}

TEST(IncomeWindow, ReadableAtThreeQuartersScale) {
    testing::KeepApplicationFont keep;
    IncomeScreen s("ClaimMFJ", ".75");
    EXPECT_EQ(s.window->width(), 825);  // the designed 1100 x 600 times .75
    s.window->findChild<QRadioButton*>("ClaimItemizedDeduction")->click();
    s.window->findChild<QCheckBox*>("ClaimEICCheck")->click();
    for (int page = 0; page < s.Pages()->count(); ++page) {
        s.Pages()->setCurrentIndex(page);
        QApplication::processEvents();  // the page lays itself out as on the screen
        QWidget* shown = s.Pages()->currentWidget();
        EXPECT_LE(shown->minimumSizeHint().width(), shown->width()) << page;
        testing::SaveScreenshot(*s.window, QString("income_page%1_075").arg(page + 1));
    }
}

TEST(IncomeWindow, ImputedMarkFollowsTheStatus) {
    IncomeScreen s;
    EXPECT_FALSE(s.Shown("ImputedMark"));
    s.record().globals.ClaimImputeStatus = "Imputed";
    s.window->Refresh();
    EXPECT_TRUE(s.Shown("ImputedMark"));
}

// The impute button's window for the screen's party, opened.
ImputeWindow* OpenImpute(const IncomeScreen& s) {
    s.window->findChild<QPushButton*>("Impute")->click();
    auto* impute = s.window->findChild<ImputeWindow*>();
    EXPECT_NE(impute, nullptr);
    EXPECT_TRUE(impute != nullptr && impute->isVisible());
    return impute;
}

void Choose(QWidget& window, const char* option) {
    window.findChild<QRadioButton*>(option)->click();
}

QString Shown(QWidget& window, const char* name) {
    return window.findChild<QLineEdit*>(name)->text();
}

TEST(ImputeWindow, MinimumWageFromTheClaimantsScreen) {
    IncomeScreen s;
    s.Type("ClaimEarned", "52000");
    s.Enter("ClaimEarned");
    ImputeWindow* impute = OpenImpute(s);
    EXPECT_EQ(impute->windowTitle(), "IMPUTE INCOME");
    EXPECT_EQ(impute->findChild<QComboBox*>("WageCombo")->currentText(), "Washington");
    EXPECT_EQ(Shown(*impute, "Hourly"), "$15.74");
    EXPECT_EQ(Shown(*impute, "MoMin"), "$2,735.76");
    EXPECT_TRUE(impute->findChild<QRadioButton*>("DoNotImpute")->isChecked());
    Choose(*impute, "WageImpute");
    testing::SaveScreenshot(*impute, "impute_window");
    impute->findChild<QPushButton*>("OK")->click();
    EXPECT_FALSE(impute->isVisible());
    EXPECT_EQ(s.Edit("ClaimEarned")->text(), "$ 2,735.76");
    EXPECT_EQ(s.window->findChild<QLabel*>("PeriodLabel")->text(), "MONTHLY");
    EXPECT_TRUE(s.Shown("ImputedMark"));
    EXPECT_EQ(s.window->findChild<QLabel*>("ImputedMark")->toolTip().toStdString(),
              s.record().globals.ClaimImputeNote);
    EXPECT_EQ(s.record().globals.ClaimImputeStatus, "Imputed");
    testing::SaveScreenshot(*s.window, "income_imputed");

    // Opened again it shows the imputation; "Do Not Impute" keeps the wages.
    impute = OpenImpute(s);
    EXPECT_TRUE(impute->findChild<QRadioButton*>("WageImpute")->isChecked());
    Choose(*impute, "DoNotImpute");
    impute->findChild<QPushButton*>("OK")->click();
    EXPECT_FALSE(s.Shown("ImputedMark"));
    EXPECT_EQ(s.record().globals.ClaimImputeNote, "");
    EXPECT_EQ(s.Edit("ClaimEarned")->text(), "$ 2,735.76");
}

TEST(ImputeWindow, MedianFromTheOtherPartysScreen) {
    IncomeScreen s("PayerSingle");
    ImputeWindow* impute = OpenImpute(s);
    Choose(*impute, "MedianImpute");
    impute->findChild<QPushButton*>("OK")->click();
    ASSERT_EQ(s.interaction.messages().size(), 1u);  // no sex or age band yet
    EXPECT_EQ(s.interaction.messages()[0].title, "Entry Error");
    EXPECT_TRUE(impute->isVisible());

    Choose(*impute, "Option2");
    impute->findChild<QComboBox*>("AgeCombo")->setCurrentText("45-54");
    EXPECT_EQ(Shown(*impute, "NetMedian"), "$4,067");
    const QString gross = Shown(*impute, "GrossMedian");
    EXPECT_TRUE(gross.startsWith("$4,")) << gross.toStdString();
    impute->findChild<QPushButton*>("OK")->click();
    EXPECT_EQ(s.Edit("PayerEarned")->text(), "$ " + gross.mid(1));
    EXPECT_EQ(s.record().globals.PayerImputeNoteWS,
              "Parent 1's Income Has Been Imputed Using The Federal Approximate Median Net "
              "Monthly Income Table. ");
}

TEST(ImputeWindow, CancelLeavesTheCase) {
    IncomeScreen s;
    ImputeWindow* impute = OpenImpute(s);
    Choose(*impute, "HistoryImpute");
    impute->findChild<QPushButton*>("Cancel")->click();
    EXPECT_FALSE(impute->isVisible());
    EXPECT_EQ(s.record().globals.ClaimImputeStatus, "Not Imputed");
    EXPECT_FALSE(s.Shown("ImputedMark"));
}

TEST(IncomeWindow, ItemizingHidesAndUnticksAgeSixtyFive) {
    IncomeScreen s;
    s.Pages()->setCurrentIndex(2);
    EXPECT_TRUE(s.Shows("ClaimantAge65"));
    EXPECT_FALSE(s.Shows("ItemizedAmounts"));
    auto* age = s.window->findChild<QCheckBox*>("ClaimantAge65");
    age->click();
    EXPECT_TRUE(s.record().fields.Ticked("ClaimantAge65"));
    s.window->findChild<QRadioButton*>("ClaimItemizedDeduction")->click();
    EXPECT_FALSE(s.Shows("ClaimantAge65"));
    EXPECT_TRUE(s.Shows("ItemizedAmounts"));
    EXPECT_FALSE(s.record().fields.Ticked("ClaimantAge65"));
    s.Type("ClaimItemizedAmount", "24000");
    s.window->findChild<QRadioButton*>("ClaimStandardDeduction")->click();
    EXPECT_TRUE(s.Shows("ClaimantAge65"));
    EXPECT_FALSE(s.Shows("ItemizedAmounts"));
    EXPECT_FALSE(age->isChecked());  // not restored
    EXPECT_EQ(s.record().fields.Text("ClaimItemizedAmount"), "");
    EXPECT_EQ(s.Edit("ClaimItemizedAmount")->text(), "");
}

TEST(IncomeWindow, EarnedIncomeCreditOptionsFollowTheirCheck) {
    IncomeScreen s;
    s.Pages()->setCurrentIndex(2);
    EXPECT_FALSE(s.Shows("ClaimEICOne"));
    s.window->findChild<QCheckBox*>("ClaimEICCheck")->click();
    EXPECT_TRUE(s.Shows("ClaimEICOne"));
    s.window->findChild<QRadioButton*>("ClaimEICTwo")->click();
    EXPECT_TRUE(s.record().fields.Selected("ClaimEICTwo"));
    s.window->findChild<QCheckBox*>("ClaimEICCheck")->click();
    EXPECT_FALSE(s.Shows("ClaimEICOne"));
}

TEST(IncomeWindow, OtherChildrenCountMustMatchTheirAges) {
    IncomeScreen s;
    s.window->findChild<QCheckBox*>("ClaimSecFamCheck")->click();
    s.Type("ClaimNumOther", "1");
    s.Type("ClaimNumOtherNot", "1");
    s.Type("ClaimOtherChildAge(0)", "6");
    s.Pages()->setCurrentIndex(0);
    s.window->findChild<QPushButton*>("ExitButton")->click();
    EXPECT_TRUE(s.window->isVisible());
    EXPECT_EQ(s.interaction.messages().back().title, "Entry Error");
    EXPECT_EQ(s.interaction.messages().back().text,
              "Number Of Other Minor Children Is Not The Same As Number Of Ages Entered");
    EXPECT_EQ(s.Pages()->currentIndex(), 3);  // the page of the field concerned
    EXPECT_EQ(s.interaction.focused().back(), "ClaimNumOther");

    s.window->close();  // the window's close button runs the same steps
    EXPECT_TRUE(s.window->isVisible());

    s.Type("ClaimOtherChildAge(1)", "9");
    s.window->close();
    EXPECT_FALSE(s.window->isVisible());
}

TEST(IncomeWindow, AnAgeAboveEighteenMayBeKept) {
    IncomeScreen s;
    s.window->findChild<QCheckBox*>("ClaimSecFamCheck")->click();
    s.Type("ClaimNumOtherNot", "1");
    s.Type("ClaimOtherChildAge(0)", "19");
    s.interaction.QueueAnswer(kAnswerYes);  // re-enter the age
    s.window->findChild<QPushButton*>("ExitButton")->click();
    EXPECT_TRUE(s.window->isVisible());
    EXPECT_EQ(s.interaction.messages().back().title, "Entry Warning");
    EXPECT_EQ(s.interaction.focused().back(), "ClaimOtherChildAge(0)");

    s.interaction.QueueAnswer(kAnswerNo);  // keep it: the deviation uses the non-minor child
    s.window->findChild<QPushButton*>("ExitButton")->click();
    EXPECT_FALSE(s.window->isVisible());
}

TEST(IncomeWindow, OtherPartysScreenHasItsOwnNamesAndCaptions) {
    IncomeScreen s("PayerHeadHouse");
    ASSERT_NE(s.window, nullptr);
    EXPECT_TRUE(s.window->isVisible());
    EXPECT_EQ(s.window->windowTitle(), "Other Party's Income");
    EXPECT_EQ(s.window->findChild<QPushButton*>("Impute")->text(), "IMPUTE OTHER PARTY'S INCOME");
    EXPECT_NE(s.window->findChild<QCheckBox*>("OtherAge65"), nullptr);
    s.Type("PayerEarned", "3000");
    EXPECT_EQ(s.record().income.Of(IncomeParty::Other).Income(IncomeSource::Earned), 3000.0f);
    EXPECT_EQ(s.record().income.Of(IncomeParty::Claimant).Income(IncomeSource::Earned), 0.0f);
    s.window->Exit();
    EXPECT_EQ(s.record().fields.Text("PayGrossInc"), "$ 250.00");
}

TEST(IncomeWindow, ShowsTheCaseAgainAfterItChanged) {
    IncomeScreen s;
    s.record().fields.SetText("ClaimDues", "$ 75");
    emit s.app.express()->caseChanged();
    EXPECT_EQ(s.Edit("ClaimDues")->text(), "$ 75");
}

TEST(IncomeWindow, ShowsAnOpenedCaseFile) {
    IncomeScreen s("ClaimSingle");
    s.Period("Monthly");
    s.app.express()->OpenCase(TOVARIS_SOURCE_DIR "/examples/JointFilerNewSpouse.QCF");
    const CaseFields& fields = s.record().fields;
    for (const char* name :
         {"ClaimEarned", "ClaimEarned1", "ClaimSelf", "ClaimTotal", "ClaimTotal1", "ClaimDues"}) {
        EXPECT_EQ(s.Edit(name)->text().toStdString(), fields.Text(name)) << name;
    }
    EXPECT_FALSE(fields.Text("ClaimEarned").empty());
    EXPECT_EQ(s.Shown("ClaimEarned1"), fields.Selected("ClaimMFJ"));
    EXPECT_EQ(s.window->findChild<QLabel*>("PeriodLabel")->text(), "YEARLY");
    auto* other = s.app.express()->findChild<IncomeWindow*>("PayerIncome");
    EXPECT_EQ(other->findChild<QLineEdit*>("PayerEarned")->text().toStdString(),
              fields.Text("PayerEarned"));
    EXPECT_EQ(!other->findChild<QWidget*>("PayerEarned1")->isHidden(), fields.Selected("PayerMFJ"));
}

}  // namespace
}  // namespace tovaris::gui
