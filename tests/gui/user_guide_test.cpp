// The user guide's pictures. Run with TOVARIS_SCREENSHOT_DIR set to docs/images (the CTest entry
// user_guide_screenshots does), these tests take every picture the guide shows from the screens
// as they are, so the guide never shows a screen that has changed since.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>

#include "app/application.h"
#include "app/button_colors_dialog.h"
#include "app/find_bar.h"
#include "app/help_window.h"
#include "app/menu_items.h"
#include "app/preparer_dialog.h"
#include "app/scaling_dialog.h"
#include "app/screen_setup.h"
#include "app/splash_screen.h"
#include "calculators/bonus_window.h"
#include "calculators/business_valuation_window.h"
#include "calculators/financial_window.h"
#include "calculators/flip_window.h"
#include "calculators/impute_window.h"
#include "calculators/ira_window.h"
#include "calculators/pension_window.h"
#include "case/express_entry_window.h"
#include "case/income_window.h"
#include "common/scripted_interaction.h"
#include "forms/frame_window.h"
#include "gui_test_support.h"
#include "maintenance/maintenance_window.h"
#include "printing/preview_window.h"
#include "support/support_results_window.h"
#include "tax/business_window.h"

namespace tovaris::gui {
namespace {

// The program entered with an example case open, as the guide's reader would have it.
struct Guide {
    MemoryPreferenceStore preferences;
    ScriptedInteraction interaction;
    Application app{preferences, interaction, "/opt/tovaris"};

    explicit Guide(const char* example = "Custodial.QCF") {
        preferences.Write(kBehaviourApp, "PreparerName", "Pat Preparer");
        preferences.Write(kBehaviourApp, "PreparerOffice", "Family Law Office");
        app.Start({800, 600, 15, 15});
        app.EnterCaseData();
        express().OpenCase(QString(TOVARIS_SOURCE_DIR) + "/examples/" + example);
    }
    ExpressEntryWindow& express() { return *app.express(); }
    void Click(const char* button) { express().findChild<QAbstractButton*>(button)->click(); }
    template <typename Window>
    Window& Tool(const char* item) {
        express().menuItem(item)->trigger();
        return *express().findChild<Window*>();
    }
};

void Type(QWidget& window, std::initializer_list<std::pair<const char*, const char*>> entries) {
    for (auto [name, text] : entries) {
        window.findChild<QLineEdit*>(name)->setText(text);
    }
}

void Press(QWidget& window, const char* button) {
    window.findChild<QAbstractButton*>(button)->click();
}

void Choose(QWidget& window, const char* option) {
    window.findChild<QRadioButton*>(option)->setChecked(true);
}

TEST(UserGuide, StartingAndTheExpressEntryScreen) {
    MemoryPreferenceStore preferences;
    ScriptedInteraction interaction;
    Application app{preferences, interaction, "/opt/tovaris"};
    app.Start({800, 600, 15, 15});
    testing::SaveScreenshot(*app.splash(), "splash");
    app.EnterCaseData();
    app.express()->OpenCase(QString(TOVARIS_SOURCE_DIR) + "/examples/Custodial.QCF");
    testing::SaveScreenshot(*app.express(), "express_entry");
}

TEST(UserGuide, IncomeScreens) {
    Guide g;
    g.Click("EnterClaimIncome");
    auto* income = g.express().findChild<IncomeWindow*>("ClaimIncome");
    ASSERT_NE(income, nullptr);
    testing::SaveScreenshot(*income, "income_screen");
    income->ShowBusiness();
    testing::SaveScreenshot(*income->business(), "business_income");
    income->ShowImpute();
    testing::SaveScreenshot(*income->findChild<ImputeWindow*>(), "income_imputation");
}

TEST(UserGuide, ParentingTime) {
    Guide g("SharedOvernights.QCF");
    testing::SaveScreenshot(g.express(), "express_shared");
    g.Click("SharedCalc");
    testing::SaveScreenshot(*g.express().findChild<QWidget*>("ParentingTime"), "parenting_time");
    g.express().menuItem("OnightCount")->trigger();
    QWidget& estimator = *g.express().findChild<QWidget*>("OvernightEstimator");
    Type(estimator, {{"SchoolNights", "6"}, {"SummerConWeeks", "2"}});
    Choose(estimator, "XMassHalf");
    Choose(estimator, "BreakCon");
    Choose(estimator, "SummerConPlus");
    Press(estimator, "Calculate");
    testing::SaveScreenshot(estimator, "overnight_estimator");
}

TEST(UserGuide, ChildSupportResults) {
    Guide g;
    g.Click("ChildSupportButton");
    SupportResultsWindow& results = *g.express().supportResults();
    testing::SaveScreenshot(results, "child_support_results");
    results.menuItem("RunCSBonus")->trigger();
    testing::SaveScreenshot(*results.findChild<BonusWindow*>(), "child_support_bonus");
    results.menuItem("RunFlip")->trigger();
    auto& flip = *results.findChild<FlipWindow*>();
    Type(flip, {{"RevisedClaimDepend17", "1"}, {"RevisedPayerDepend17", "1"}});
    Press(flip, "Calculate");
    testing::SaveScreenshot(flip, "flip_calculator");
}

TEST(UserGuide, Maintenance) {
    Guide g("NoMinorsMaintenance.QCF");
    g.Click("AlimonyButton");
    MaintenanceWindow& maintenance = *g.express().maintenanceResults();
    testing::SaveScreenshot(maintenance, "maintenance");
    maintenance.menuItem("RunBonus")->trigger();
    auto& bonus = *maintenance.findChild<BonusWindow*>();
    Type(bonus, {{"BonusAmount", "20000"}});
    Press(bonus, "RunBonus");
    testing::SaveScreenshot(bonus, "maintenance_bonus");
    g.Click("EdSkillsCommand");
    testing::SaveScreenshot(*g.express().findChild<QWidget*>("EdSkills"), "education_skills");
}

TEST(UserGuide, WorksheetAndFindText) {
    Guide g;
    g.Click("RunWaWs");
    FrameWindow& frame = *g.app.frame();
    g.interaction.QueueAnswer(kAnswerNo);
    for (const char* command : {"GetExpressData", "EstimateTaxes", "CalculateWorksheet"}) {
        frame.findChild<QWidget*>("WorksheetBar")->findChild<QAction*>(command)->trigger();
    }
    testing::SaveScreenshot(frame, "worksheet");
    FindMenuItem(*frame.menuBar(), "FindText")->trigger();
    auto& find = *frame.findChild<FindBar*>();
    find.findChild<QLineEdit*>("FindTextBox")->setText("Net Income");
    ASSERT_TRUE(find.FindNext());
    ASSERT_TRUE(find.FindNext());
    testing::SaveScreenshot(frame, "worksheet_find");
    FindMenuItem(*frame.menuBar(), "ExtraPage")->trigger();
    frame.findChild<QWidget*>("ExtraPageBar")->findChild<QAction*>("GetWorksheetData")->trigger();
    testing::SaveScreenshot(frame, "order_summary_page");
}

TEST(UserGuide, PrintPreview) {
    Guide g;
    g.Click("ChildSupportButton");
    FindMenuItem(*g.express().supportResults()->menuBar(), "PreviewCS")->trigger();
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (auto* preview = qobject_cast<PreviewWindow*>(top); preview && preview->isVisible()) {
            testing::SaveScreenshot(*preview, "print_preview");
            preview->close();
        }
    }
}

TEST(UserGuide, Calculators) {
    Guide g;
    auto& financial = g.Tool<FinancialWindow>("FinCalc");
    Type(financial, {{"Text1", "6"}, {"Text2", "100000"}, {"Text3", "360"}});
    Press(financial, "CmdAnswer");
    testing::SaveScreenshot(financial, "financial_calculator");

    auto& valuation = g.Tool<BusinessValuationWindow>("BVCalc");
    Type(valuation, {{"HardAssets", "100000"},
                     {"Liabilities", "20000"},
                     {"Receivables", "50000"},
                     {"Likelihood", ".8"},
                     {"Income", "300000"},
                     {"Expenses", "100000"},
                     {"TaxRate", ".3"},
                     {"FairSalary", "120000"},
                     {"Multiplier", "3"}});
    Press(valuation, "Calculate");
    testing::SaveScreenshot(valuation, "business_valuation");

    auto& pension = g.Tool<PensionWindow>("DB");
    for (const char* option : {"SexFemale", "RaceWhite", "ModelDB", "AtAge"}) {
        Choose(pension, option);
    }
    Type(pension, {{"HolderName", "Pat Example"},
                   {"CurrentAgeYrs", "60"},
                   {"CurrentAgeMos", "6"},
                   {"AgePayableYrs", "65"},
                   {"AgePayableMos", "0"},
                   {"AgeTerminateYrs", "85"},
                   {"AgeTerminateMos", "0"},
                   {"PensionAmount", "2000"},
                   {"DiscountRate", ".05"},
                   {"TaxRate", ".25"}});
    Press(pension, "RunDBReport");
    testing::SaveScreenshot(pension, "pension_valuator");

    auto& ira = g.Tool<IraWindow>("IRA");
    Choose(ira, "MethodAnnuity");
    Type(ira, {{"HolderName", "Pat Example"},
               {"CurrentAgeYrs", "50"},
               {"AgeEndYrs", "60"},
               {"IRAAmount", "400000"},
               {"IraInterestRate", "6"},
               {"InterestRate", "4"}});
    Press(ira, "Calculate");
    testing::SaveScreenshot(ira, "ira_72t");
}

TEST(UserGuide, PreferencesAndHelp) {
    Guide g;
    PreparerDialog preparer(g.preferences, &g.express());
    SetUpScreen(preparer, g.preferences, 1);
    preparer.show();
    testing::SaveScreenshot(preparer, "preparer");
    ButtonColorsDialog colors(g.preferences, &g.express());
    SetUpScreen(colors, g.preferences, 1);
    colors.show();
    testing::SaveScreenshot(colors, "button_colors");
    ScalingDialog scaling(g.preferences, g.interaction, 1, &g.express());
    SetUpScreen(scaling, g.preferences, 1);
    scaling.findChild<QLineEdit*>("ScaleFactor")->setText(".8");
    scaling.show();
    testing::SaveScreenshot(scaling, "display_scaling");
    g.express().menuItem("InteractiveHelp")->trigger();
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (auto* help = qobject_cast<HelpWindow*>(top)) {
            testing::SaveScreenshot(*help, "help_window");
        }
    }
}

// The guide shows only pictures these tests take, and every picture taken is in the guide.
TEST(UserGuide, ShowsEveryPictureTakenAndNoOther) {
    const QString docs = QString(TOVARIS_SOURCE_DIR) + "/docs/";
    QFile guide(docs + "user-guide.md");
    ASSERT_TRUE(guide.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(guide.readAll());
    QStringList shown;
    QRegularExpression picture(R"(\]\(images/([A-Za-z0-9_]+)\.png\))");
    for (auto it = picture.globalMatch(text); it.hasNext();) {
        shown << it.next().captured(1);
    }
    shown.removeDuplicates();
    QFile self(QString(TOVARIS_SOURCE_DIR) + "/tests/gui/user_guide_test.cpp");
    ASSERT_TRUE(self.open(QIODevice::ReadOnly));
    const QString tests = QString::fromUtf8(self.readAll());
    QStringList taken;
    QRegularExpression save(R"re(SaveScreenshot\([^;]*"([A-Za-z0-9_]+)"\))re");
    for (auto it = save.globalMatch(tests); it.hasNext();) {
        taken << it.next().captured(1);
    }
    shown.sort();
    taken.sort();
    EXPECT_EQ(shown, taken);
    for (const QString& name : shown) {
        EXPECT_TRUE(QFile::exists(docs + "images/" + name + ".png")) << name.toStdString();
    }
    for (const QString& file : QDir(docs + "images").entryList({"*.png"})) {
        EXPECT_TRUE(shown.contains(QFileInfo(file).baseName()))
            << "not in the guide: " << file.toStdString();
    }
}

}  // namespace
}  // namespace tovaris::gui
