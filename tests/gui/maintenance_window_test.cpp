#include <gtest/gtest.h>

#include <functional>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/application.h"
#include "app/rows_view.h"
#include "calculators/bonus_window.h"
#include "case/express_entry_window.h"
#include "common/scripted_interaction.h"
#include "gui_test_support.h"
#include "maintenance/maintenance_window.h"
#include "support/child_support_command.h"
#include "support/support_results_window.h"

namespace tovaris::gui {
namespace {

// An example case opened on the Express Entry screen and its maintenance button clicked.
struct MaintenanceScreen {
    MemoryPreferenceStore preferences;
    ScriptedInteraction interaction;
    Application app{preferences, interaction, "/opt/tovaris"};
    MaintenanceWindow* window = nullptr;

    explicit MaintenanceScreen(const char* example, const char* monAdj = nullptr) {
        if (monAdj != nullptr) {
            preferences.Write(kBehaviourApp, "MonAdj", monAdj);
        }
        app.Start({800, 600, 15, 15});
        app.EnterCaseData();
        app.express()->OpenCase(QString(TOVARIS_SOURCE_DIR) + "/examples/" + example);
        app.express()->findChild<QAbstractButton*>("AlimonyButton")->click();
        window = app.express()->maintenanceResults();
    }
    void Type(const char* box, const QString& text) const {
        window->findChild<QLineEdit*>(box)->setText(text);
    }
    void Click(const char* name) const { window->findChild<QPushButton*>(name)->click(); }
    QString Text(const char* name) const { return window->findChild<QLabel*>(name)->text(); }
    const maintenance::MaintenanceResults& results() { return app.record().results.maintenance; }
};

TEST(MaintenanceWindow, MaintenanceButtonShowsTheRecommendation) {
    for (const char* example :
         {"NoMinorsMaintenance.QCF", "Custodial.QCF", "SharedOvernights.QCF", "SplitTwoEach.QCF",
          "NonCustodial.QCF", "JointFilerNewSpouse.QCF"}) {
        MaintenanceScreen s(example);
        ASSERT_NE(s.window, nullptr) << example;
        EXPECT_TRUE(s.window->isVisible()) << example;
        EXPECT_EQ(s.window->windowTitle(), "Recommended Spousal Maintenance");
        EXPECT_FALSE(s.window->findChild<QLineEdit*>("CaseScore")->text().isEmpty());
        EXPECT_FALSE(s.Text("AwardSentence").isEmpty()) << example;
        EXPECT_TRUE(s.window->menuItem("PreviewMaint")->isEnabled());
    }
}

TEST(MaintenanceWindow, TypedAwardThenTheSuggestionAgain) {
    MaintenanceScreen s("NoMinorsMaintenance.QCF");
    const float suggested = s.results().SuggestedAwardSaved;
    ASSERT_GT(suggested, 0);
    QString sentence = s.Text("AwardSentence");

    s.Type("NewAward", "-1");
    s.Click("ChangeAward");
    EXPECT_EQ(s.interaction.messages().back().text, "Spousal Maintenance Must Be $0 or Greater");
    EXPECT_EQ(s.results().SuggestedAwardSaved, suggested);

    s.Type("NewAward", "$12,000");
    s.Click("ChangeAward");
    EXPECT_EQ(s.results().SuggestedAward, 12000);
    EXPECT_EQ(s.Text("AwardSentence"), sentence);  // the sentence keeps the suggestion
    EXPECT_TRUE(
        s.Text("CalcStatusText").endsWith("The Suggested Maintenance Award Has Been Modified."));
    testing::SaveScreenshot(*s.window, "maintenance_typed_award");

    s.Click("UseSuggested");
    EXPECT_EQ(s.results().SuggestedAwardSaved, suggested);
    EXPECT_EQ(s.Text("CalcStatusText"), "Calculation Shown Has Maintenance Taxed To Payer ");
}

TEST(MaintenanceWindow, PresentValueOfOneYearIsTheYearlyAward) {
    MaintenanceScreen s("NoMinorsMaintenance.QCF");
    s.Type("PresentValueDuration", "1");
    s.Type("PresentValueTax", "1");
    s.Type("PresentValueDiscount", "0");
    s.Click("PresentValueButton");
    EXPECT_EQ(s.interaction.messages().back().text,
              "Please ReEnter The Tax Rate For A Present Value Calculation(As A Decimal)");
    s.Type("NewAward", "24000");
    s.Click("ChangeAward");
    s.Type("PresentValueDuration", "1");
    s.Type("PresentValueTax", "0");
    s.Type("PresentValueDiscount", "0");
    s.Click("PresentValueButton");
    EXPECT_EQ(s.Text("PresentValueResult"), "  $24,000");
}

// The present value belongs to the award it was computed for: a new award, another case or
// a new recommendation empties the box.
TEST(MaintenanceWindow, PresentValueGoesWithTheAward) {
    const std::function<void(MaintenanceScreen&)> changes[] = {
        [](MaintenanceScreen& s) {
            s.Type("NewAward", "0");
            s.Click("ChangeAward");
        },
        [](MaintenanceScreen& s) { s.Click("UseSuggested"); },
        [](MaintenanceScreen& s) {
            s.app.express()->OpenCase(QString(TOVARIS_SOURCE_DIR) + "/examples/Custodial.QCF");
            s.app.express()->findChild<QAbstractButton*>("AlimonyButton")->click();
        },
    };
    for (const auto& change : changes) {
        MaintenanceScreen s("NoMinorsMaintenance.QCF");
        s.Type("PresentValueDuration", "5");
        s.Type("PresentValueTax", ".2");
        s.Type("PresentValueDiscount", ".05");
        s.Click("PresentValueButton");
        ASSERT_FALSE(s.Text("PresentValueResult").isEmpty());
        change(s);
        for (const char* box :
             {"PresentValueDuration", "PresentValueTax", "PresentValueDiscount"}) {
            EXPECT_TRUE(s.window->findChild<QLineEdit*>(box)->text().isEmpty()) << box;
        }
        EXPECT_TRUE(s.Text("PresentValueResult").isEmpty());
        EXPECT_FALSE(s.results().HasPresentValue);
    }
}

TEST(MaintenanceWindow, BonusCalculatorLeavesTheCaseAsItWas) {
    MaintenanceScreen s("Custodial.QCF");
    const float award = s.results().SuggestedAward;
    const float support = s.app.record().globals.ChildSupportMonthly;
    s.window->menuItem("RunBonus")->trigger();
    auto* bonus = s.window->findChild<BonusWindow*>();
    ASSERT_NE(bonus, nullptr);
    bonus->findChild<QLineEdit*>("BonusAmount")->setText("20000");
    bonus->findChild<QPushButton*>("RunBonus")->click();
    EXPECT_FALSE(bonus->findChild<RowsView*>("BonusResults")->texts().isEmpty());
    EXPECT_EQ(s.results().SuggestedAward, award);
    EXPECT_EQ(s.app.record().globals.ChildSupportMonthly, support);
    testing::SaveScreenshot(*bonus, "maintenance_bonus");
}

TEST(MaintenanceWindow, ATypedAwardReachesAnOpenChildSupportScreen) {
    MaintenanceScreen s("Custodial.QCF");
    s.app.express()->findChild<QAbstractButton*>("ChildSupportButton")->click();
    SupportResultsWindow* results = s.app.express()->supportResults();
    ASSERT_TRUE(results->isVisible());
    s.Type("NewAward", "24000");
    s.Click("ChangeAward");
    EXPECT_EQ(s.app.record().globals.MaintForChildSupport, 2000);
    EXPECT_EQ(results->findChild<QLabel*>("TransferSentence")->text().toStdString(),
              TransferSentence(s.app.record()));
}

TEST(MaintenanceWindow, ReadableAtEachScale) {
    for (const char* monAdj : {"1", ".75"}) {
        MaintenanceScreen s("SharedOvernights.QCF", monAdj);
        testing::SaveScreenshot(*s.window, QString("maintenance_shared_%1").arg(monAdj));
    }
}

}  // namespace
}  // namespace tovaris::gui
