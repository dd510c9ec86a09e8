#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QValidator>

#include "app/application.h"
#include "app/menu_items.h"
#include "calculators/business_valuation_window.h"
#include "calculators/financial_window.h"
#include "calculators/ira_window.h"
#include "calculators/pension_window.h"
#include "case/express_entry_window.h"
#include "common/scripted_interaction.h"
#include "gui_test_support.h"
#include "maintenance/maintenance_window.h"
#include "support/support_results_window.h"

namespace tovaris::gui {
namespace {

constexpr DisplayMetrics kDesignedDisplay{800, 600, 15, 15};

struct Started {
    Started() {
        app.Start(kDesignedDisplay);
        app.EnterCaseData();
    }
    MemoryPreferenceStore preferences;
    ScriptedInteraction interaction;
    Application app{preferences, interaction, "/opt/tovaris"};

    // Opens the calculator through the Express Entry Tools menu item.
    template <typename Window>
    Window& Open(const char* item) {
        QAction* action = app.express()->menuItem(item);
        EXPECT_TRUE(action->isEnabled()) << item;
        action->trigger();
        auto* window = app.express()->findChild<Window*>();
        EXPECT_NE(window, nullptr) << item;
        EXPECT_TRUE(window->isVisible()) << item;
        return *window;
    }
};

void Type(QWidget& window, const char* name, const char* text) {
    window.findChild<QLineEdit*>(name)->setText(text);
}

QString Shown(QWidget& window, const char* name) {
    return window.findChild<QLineEdit*>(name)->text();
}

void Press(QWidget& window, const char* button) {
    window.findChild<QPushButton*>(button)->click();
}

TEST(FinancialWindow, CalculatesTheChosenOptionFromTheToolsMenu) {
    Started s;
    auto& window = s.Open<FinancialWindow>("FinCalc");
    Type(window, "Text1", "6");
    Type(window, "Text2", "100000");
    Type(window, "Text3", "360");
    Press(window, "CmdAnswer");
    EXPECT_EQ(Shown(window, "txtAnswer"), "599.55");

    window.findChild<QRadioButton*>("Option3")->setChecked(true);
    EXPECT_EQ(window.findChild<QLabel*>("Label4")->text(), "Option After No. Of Pmts:");
    Type(window, "Text1", "100000");
    Type(window, "Text2", "360");
    Type(window, "Text3", "599.55");
    Type(window, "Text4", "12");
    Press(window, "CmdAnswer");
    EXPECT_EQ(Shown(window, "txtAnswer"), "98,771.99");
    EXPECT_TRUE(window.findChild<QLabel*>("lblAnswerNote")->text().startsWith("Of a total of $"));
    testing::SaveScreenshot(window, "financial_calculations");

    Press(window, "CmdClear");
    EXPECT_EQ(Shown(window, "Text1"), "");
    EXPECT_EQ(Shown(window, "txtAnswer"), "");
}

TEST(BusinessValuationWindow, ValuesThePracticeAndMovesTheMultiplierBySliders) {
    Started s;
    auto& window = s.Open<BusinessValuationWindow>("BVCalc");
    EXPECT_EQ(Shown(window, "Multiplier"), "3");
    auto* competitors = window.findChild<QScrollBar*>("HScroll1");
    competitors->setValue(competitors->value() + 2);
    EXPECT_EQ(Shown(window, "Multiplier"), "3.5");
    competitors->setValue(competitors->value() - 1);
    EXPECT_EQ(Shown(window, "Multiplier"), "3.25");

    for (auto [name, text] : {std::pair{"HardAssets", "100000"},
                              {"Liabilities", "20000"},
                              {"Receivables", "50000"},
                              {"Likelihood", ".8"},
                              {"Income", "300000"},
                              {"Expenses", "100000"},
                              {"TaxRate", ".3"},
                              {"FairSalary", "120000"},
                              {"Multiplier", "3"}}) {
        Type(window, name, text);
    }
    Press(window, "Calculate");
    EXPECT_EQ(Shown(window, "NetAssets"), "$120000");
    EXPECT_EQ(Shown(window, "NetEarnings"), "$200000");
    EXPECT_EQ(Shown(window, "Value"), "$360000");
    EXPECT_EQ(Shown(window, "ValuePostTax"), "$288000");
    testing::SaveScreenshot(window, "business_valuation");

    Press(window, "Clear");
    EXPECT_EQ(Shown(window, "Multiplier"), "3");
    EXPECT_EQ(Shown(window, "HardAssets"), "");
    EXPECT_EQ(Shown(window, "Value"), "");
}

void Choose(QWidget& window, const char* option) {
    window.findChild<QRadioButton*>(option)->setChecked(true);
}

TEST(PensionWindow, RunsTheReportForAPensionEndingAtAnAge) {
    Started s;
    auto& window = s.Open<PensionWindow>("DB");
    EXPECT_FALSE(window.findChild<QLineEdit*>("AgeTerminateYrs")->isEnabled());
    Choose(window, "SexFemale");
    Choose(window, "RaceWhite");
    Choose(window, "ModelDB");
    Choose(window, "AtAge");
    EXPECT_TRUE(window.findChild<QLineEdit*>("AgeTerminateYrs")->isEnabled());
    for (auto [name, text] : {std::pair{"HolderName", "Pat Example"},
                              {"CurrentAgeYrs", "60"},
                              {"CurrentAgeMos", "6"},
                              {"AgePayableYrs", "65"},
                              {"AgePayableMos", "0"},
                              {"AgeTerminateYrs", "85"},
                              {"AgeTerminateMos", "0"},
                              {"PensionAmount", "2000"},
                              {"DiscountRate", ".05"},
                              {"TaxRate", ".25"}}) {
        Type(window, name, text);
    }
    Press(window, "RunDBReport");
    EXPECT_EQ(Shown(window, "DeathPossibility"), " 3.47%");
    EXPECT_EQ(Shown(window, "ExpectedYears"), " 20.00 Years");
    EXPECT_EQ(Shown(window, "PresentValue"), " $234,054");
    EXPECT_EQ(Shown(window, "PostTaxPresentValue"), " $175,540");
    testing::SaveScreenshot(window, "defined_benefit_plans");
    testing::ClickInNextModal("OK");
    Press(window, "About");  // the help page, closed again with "OK"
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    Type(window, "TaxRate", "0");
    Press(window, "RunDBReport");
    EXPECT_EQ(Shown(window, "PostTaxPresentValue"), "");  // only the gross value without a tax
}

TEST(IraWindow, ShowsEachMethodAndProjectsTheChosenOne) {
    Started s;
    auto& window = s.Open<IraWindow>("IRA");
    Choose(window, "MethodAnnuity");
    for (auto [name, text] : {std::pair{"HolderName", "Pat Example"},
                              {"CurrentAgeYrs", "50"},
                              {"AgeEndYrs", "60"},
                              {"IRAAmount", "400000"},
                              {"IraInterestRate", "6"},
                              {"InterestRate", "4"}}) {
        Type(window, name, text);
    }
    Press(window, "Calculate");
    EXPECT_EQ(Shown(window, "LEYearly"), "$11,050");
    EXPECT_EQ(Shown(window, "LEMonthly"), "$921");
    EXPECT_EQ(Shown(window, "AmortYearly"), "$21,102");
    EXPECT_EQ(Shown(window, "AnnuityYearly"), "$20,880");
    auto* projection = window.findChild<QListWidget*>("Projection");
    ASSERT_EQ(projection->count(), 11);
    EXPECT_TRUE(projection->item(0)->text().startsWith("Age 50:"));
    testing::SaveScreenshot(window, "ira_72t_withdrawals");
}

// A box names the entry to re-enter; the focus goes back to it and the results stay empty.
TEST(CalculatorWindows, AnEntryErrorFocusesTheEntry) {
    struct Case {
        const char* item;
        const char* window;
        std::vector<std::pair<const char*, const char*>> typed;
        const char* button;
        const char* output;
        const char* focus;
    } const cases[] = {
        {"FinCalc",
         "FinancialCalculations",
         {{"Text1", "6"}, {"Text3", "360"}},
         "CmdAnswer",
         "txtAnswer",
         "Text2"},
        {"BVCalc", "BusinessValuation", {{"Multiplier", "6"}}, "Calculate", "Value", "Multiplier"},
        {"DB",
         "DefinedBenefitPlans",
         {{"CurrentAgeYrs", "50"}, {"CurrentAgeMos", "14"}},
         "RunDBReport",
         "PresentValue",
         "CurrentAgeMos"},
        {"IRA",
         "IraWithdrawals",
         {{"CurrentAgeYrs", "50"}, {"AgeEndYrs", "53"}},
         "Calculate",
         "LEYearly",
         "AgeEndYrs"},
    };
    Started s;
    for (const Case& c : cases) {
        s.app.express()->menuItem(c.item)->trigger();
        auto* window = s.app.express()->findChild<QWidget*>(c.window);
        ASSERT_NE(window, nullptr) << c.window;
        window->activateWindow();
        for (const auto& [name, text] : c.typed) {
            Type(*window, name, text);
        }
        testing::ClickInNextModal("OK");
        Press(*window, c.button);
        EXPECT_EQ(Shown(*window, c.output), "") << c.window;
        EXPECT_EQ(window->focusWidget(), window->findChild<QLineEdit*>(c.focus)) << c.window;
    }
}

TEST(FinancialWindow, EntriesTakeDigitsAndTheDecimalPointOnly) {
    Started s;
    auto& window = s.Open<FinancialWindow>("FinCalc");
    QString minus = "-5";
    int position = 0;
    EXPECT_EQ(window.findChild<QLineEdit*>("Text2")->validator()->validate(minus, position),
              QValidator::Invalid);
}

// The results screens' Tools menus open the same windows as the Express Entry one.
TEST(CalculatorWindows, OpenFromTheResultsScreensToolsMenus) {
    Started s;
    s.app.express()->OpenCase(QString(TOVARIS_SOURCE_DIR) + "/examples/Custodial.QCF");
    s.app.express()->findChild<QAbstractButton*>("ChildSupportButton")->click();
    s.app.express()->findChild<QAbstractButton*>("AlimonyButton")->click();
    auto* maintenance = s.app.express()->findChild<MaintenanceWindow*>();
    ASSERT_NE(maintenance, nullptr);
    for (QMainWindow* screen :
         std::initializer_list<QMainWindow*>{s.app.express()->supportResults(), maintenance}) {
        for (const char* item : {"DefinedBenefitCalculator", "FinCalc", "t72"}) {
            QAction* action = FindMenuItem(*screen->menuBar(), item);
            ASSERT_NE(action, nullptr) << item;
            EXPECT_TRUE(action->isEnabled()) << item;
            action->trigger();
        }
    }
    EXPECT_TRUE(s.app.express()->findChild<PensionWindow*>()->isVisible());
    EXPECT_TRUE(s.app.express()->findChild<FinancialWindow*>()->isVisible());
    EXPECT_TRUE(s.app.express()->findChild<IraWindow*>()->isVisible());
    for (const char* item : {"PrintScreenImage", "PrinterSetup"}) {
        EXPECT_TRUE(
            FindMenuItem(*s.app.express()->findChild<IraWindow*>()->menuBar(), item)->isEnabled())
            << item;
    }
    // One window each, whichever menu opened it.
    EXPECT_EQ(s.app.express()->findChildren<IraWindow*>().size(), 1);
}

}  // namespace
}  // namespace tovaris::gui
