#include <gtest/gtest.h>

#include <QAction>
#include <QCloseEvent>
#include <QMenuBar>
#include <QPushButton>

#include "app/application.h"
#include "app/splash_screen.h"
#include "case/express_entry_window.h"
#include "common/scripted_interaction.h"
#include "forms/frame_window.h"
#include "gui_test_support.h"

namespace tovaris::gui {
namespace {

constexpr DisplayMetrics kDesignedDisplay{800, 600, 15, 15};

struct Started {
    MemoryPreferenceStore preferences;
    ScriptedInteraction interaction;
    Application app{preferences, interaction, "/opt/tovaris"};
};

TEST(Application, StartUpWritesDefaultsAndOffersTheSplashChoices) {
    Started s;
    ASSERT_TRUE(s.app.Start(kDesignedDisplay));
    EXPECT_EQ(s.preferences.Read("Corvenwick2023", "ThemeColor"), "8421504");
    EXPECT_EQ(s.preferences.Read("Tovaris_2023_Wa", "DataLoc"), "/opt/tovaris/Qcf Data");
    EXPECT_EQ(s.preferences.Read("Tovaris_2023_Wa", "SelfSupport"), "1519");
    EXPECT_EQ(s.app.record().fields.Text("NeedLimit"), "$ 1,519");

    SplashScreen* splash = s.app.splash();
    ASSERT_NE(splash, nullptr);
    EXPECT_TRUE(splash->findChild<QPushButton*>("EnterCaseData")->isVisible());
    EXPECT_FALSE(splash->findChild<QWidget*>("Loading")->isVisible());
    testing::SaveScreenshot(*splash, "splash");

    s.app.EnterCaseData();
    EXPECT_TRUE(s.app.express()->isVisible());
    EXPECT_FALSE(splash->isVisible());
    EXPECT_TRUE(s.app.express()->menuItem("AutoCalc")->isChecked());
    EXPECT_TRUE(s.app.express()->menuItem("LastLocation")->isChecked());
    testing::SaveScreenshot(*s.app.express(), "express_entry");
}

TEST(Application, StoredChildSupportFirstOrderIsApplied) {
    Started s;
    s.preferences.Write("Tovaris_Wa", "MaintMode", "CSFirst");
    ASSERT_TRUE(s.app.Start(kDesignedDisplay));
    s.app.EnterCaseData();
    EXPECT_EQ(s.app.record().options.calculationOrder, CalculationOrder::CSFirst);
    EXPECT_TRUE(s.app.express()->menuItem("DontAutoCalc")->isChecked());
    EXPECT_TRUE(s.interaction.messages().empty());  // no explanation at start-up
}

// The federal tax rules are a preference: the stored choice is ticked at start-up, and a pick
// on the menu is kept for the next start.
TEST(Application, FederalTaxRulesAreAPreference) {
    Started s;
    s.preferences.Write("Tovaris_Wa", "TaxRules", "Law2023");
    ASSERT_TRUE(s.app.Start(kDesignedDisplay));
    s.app.EnterCaseData();
    EXPECT_EQ(s.app.record().options.federalTaxRules, FederalTaxRules::Law2023);
    EXPECT_TRUE(s.app.express()->menuItem("LawTaxRules")->isChecked());
    EXPECT_EQ(s.app.express()->menuItem("ScheduleTaxRules")->text(), "Schedule Rules (Default)");

    s.app.express()->menuItem("ScheduleTaxRules")->trigger();
    EXPECT_EQ(s.app.record().options.federalTaxRules, FederalTaxRules::Schedule);
    EXPECT_EQ(s.preferences.Read("Tovaris_Wa", "TaxRules"), "Schedule");
    EXPECT_NE(s.app.express()->menuItem("LawTaxRules")->toolTip().indexOf("lived apart"), -1);
}

TEST(Application, RefusesSixFortyByFourEightyWithLargeFonts) {
    Started s;
    EXPECT_FALSE(s.app.Start({640, 480, 12, 12}));
    ASSERT_EQ(s.interaction.messages().size(), 1u);
    EXPECT_EQ(s.interaction.messages()[0].title, "Please Note That.....");
    EXPECT_TRUE(s.app.quitting());
}

TEST(Application, QuitAsksAndOnlyYesEnds) {
    Started s;
    ASSERT_TRUE(s.app.Start(kDesignedDisplay));
    s.app.EnterCaseData();

    s.interaction.QueueAnswer(kAnswerNo);
    s.app.express()->close();  // the window's close button asks the same question
    EXPECT_FALSE(s.app.quitting());
    EXPECT_TRUE(s.app.express()->isVisible());
    EXPECT_EQ(s.interaction.messages().back().title, "Exit");
    EXPECT_EQ(s.interaction.messages().back().text,
              "Have You Saved Your Case Data? -  Do You Want To Quit Program?");

    s.interaction.QueueAnswer(kAnswerYes);
    s.app.express()->menuItem("Quit")->trigger();
    EXPECT_TRUE(s.app.quitting());
    EXPECT_FALSE(s.app.express()->isVisible());
}

TEST(Application, ExpressMenusCarryEveryItem) {
    Started s;
    ASSERT_TRUE(s.app.Start(kDesignedDisplay));
    const char* items[] = {"Save",
                           "Open",
                           "Print",
                           "PrinterSetup",
                           "PrintScreenImage",
                           "PrintPopup",
                           "Quit",
                           "Current",
                           "OldTable",
                           "Dont",
                           "Curve",
                           "Linear",
                           "WholeMethod",
                           "IncomeMethod",
                           "Arvey",
                           "DualWS",
                           "SumDays",
                           "SumDaysColorado",
                           "SquaredDays",
                           "AutoCalc",
                           "DontAutoCalc",
                           "LastLocation",
                           "UserDefault",
                           "ChangePreparer",
                           "FedPovGuide",
                           "Color",
                           "Scaling",
                           "DB",
                           "IRA",
                           "FinCalc",
                           "OnightCount",
                           "BVCalc",
                           "InteractiveHelp",
                           "UserManual"};
    for (const char* name : items) {
        EXPECT_NE(s.app.express()->menuItem(name), nullptr) << name;
    }
    QAction* curve = s.app.express()->menuItem("Curve");
    curve->trigger();
    EXPECT_EQ(s.app.record().options.extrapolation, Extrapolation::Curve);
    EXPECT_FALSE(s.app.express()->menuItem("Dont")->isChecked());
}

TEST(Application, FrameWindowBarsAndClearQuestions) {
    Started s;
    ASSERT_TRUE(s.app.Start(kDesignedDisplay));
    s.app.EnterCaseData();
    s.app.express()->findChild<QPushButton*>("RunWaWs")->click();
    FrameWindow* frame = s.app.frame();
    EXPECT_TRUE(frame->isVisible());
    EXPECT_TRUE(frame->findChild<QWidget*>("WorksheetBar")->isVisible());
    EXPECT_FALSE(frame->findChild<QWidget*>("DeclarationBar")->isVisible());
    testing::SaveScreenshot(*frame, "frame_worksheet");

    s.app.record().fields.SetText("CaseNumber", "23-3-01234-5");
    QWidget* bar = frame->findChild<QWidget*>("WorksheetBar");
    QAction* clear = bar->findChild<QAction*>("ClearSheet");
    s.interaction.QueueAnswer(kAnswerNo);
    clear->trigger();
    EXPECT_EQ(s.app.record().fields.Text("CaseNumber"), "23-3-01234-5");
    EXPECT_EQ(s.interaction.messages().back().text,
              "Are You Sure That You Want To Delete All Entries In This Worksheet?");
    s.interaction.QueueAnswer(kAnswerYes);
    clear->trigger();
    EXPECT_EQ(s.app.record().fields.Text("CaseNumber"), "");
    EXPECT_EQ(s.app.record().fields.Text("NeedLimit"), "$ 1,519");

    frame->ShowPage(FrameWindow::Page::FinancialDeclaration);
    s.interaction.QueueAnswer(kAnswerNo);
    frame->findChild<QWidget*>("DeclarationBar")->findChild<QAction*>("ClearForm")->trigger();
    EXPECT_EQ(s.interaction.messages().back().title, "Warning");
    EXPECT_EQ(s.interaction.messages().back().text,
              "Are You Sure That You Want To Delete All Entries In This Financial Declaration?");

    frame->findChild<QWidget*>("DeclarationBar")->findChild<QAction*>("ReturnToExpress")->trigger();
    EXPECT_FALSE(frame->isVisible());
    EXPECT_TRUE(s.app.express()->isVisible());
}

}  // namespace
}  // namespace tovaris::gui
