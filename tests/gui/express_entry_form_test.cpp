#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "app/application.h"
#include "case/express_entry_window.h"
#include "case/warn_no_income_entry.h"
#include "common/scripted_interaction.h"
#include "gui_test_support.h"

namespace tovaris::gui {
namespace {

// The Express Entry screen as the user sees it after "Enter Case Data".
struct ExpressScreen {
    MemoryPreferenceStore preferences;
    ScriptedInteraction interaction;
    Application app{preferences, interaction, "/opt/tovaris"};
    ExpressEntryWindow* window = nullptr;

    ExpressScreen() {
        app.Start({800, 600, 15, 15});
        app.EnterCaseData();
        window = app.express();
    }
    QLineEdit* Edit(const char* name) const { return window->findChild<QLineEdit*>(name); }
    void Type(const char* name, const QString& text) const {
        QLineEdit* edit = Edit(name);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    void Click(const char* name) const { window->findChild<QAbstractButton*>(name)->click(); }
    bool Shown(const char* name) const {
        return window->findChild<QWidget*>(name)->isVisibleTo(window);
    }
    const std::string& Field(const char* name) { return app.record().fields.Text(name); }
};

TEST(ExpressEntryForm, TypingGoesIntoTheCaseRecord) {
    ExpressScreen s;
    s.Type("ClaimantName", "Marriage of \"Doe\"");
    EXPECT_EQ(s.Field("ClaimantName"), "Marriage of 'Doe'");
    EXPECT_EQ(s.Edit("ClaimantName")->text(), "Marriage of 'Doe'");
    s.Click("ClaimSingle");
    EXPECT_TRUE(s.app.record().fields.Selected("ClaimSingle"));
    s.Click("ClaimMFJ");
    EXPECT_FALSE(s.app.record().fields.Selected("ClaimSingle"));
}

TEST(ExpressEntryForm, TimeShareFieldsStayInStep) {
    ExpressScreen s;
    s.Click("SharedOption");
    EXPECT_TRUE(s.Shown("PossessionFrame"));
    EXPECT_EQ(s.window->findChild<QGroupBox*>("PossessionFrame")->title(), "Shared Possession");
    s.Type("ClaimDays", "200");
    EXPECT_EQ(s.Edit("PayerDays")->text(), "165.0");
    EXPECT_EQ(s.Edit("PercentOfTimeValue")->text(), ".548");
    EXPECT_EQ(s.Edit("PayerPerCent")->text(), ".452");
    EXPECT_EQ(s.Edit("ClaimDays")->text(), "200");
    testing::SaveScreenshot(*s.window, "express_shared");
}

TEST(ExpressEntryForm, CustodyTypeDecidesWhatIsShown) {
    struct Case {
        const char* option;
        bool possession;
        bool split;
        bool children;
    };
    const Case cases[] = {
        {"CustodialOption", false, false, true},
        {"NonCustodialOption", false, false, true},
        {"SplitOption", true, true, true},
    };
    for (const Case& c : cases) {
        ExpressScreen s;
        s.Click(c.option);
        EXPECT_EQ(s.Shown("PossessionFrame"), c.possession) << c.option;
        EXPECT_EQ(s.Shown("ClaimChild(0)"), c.split) << c.option;
        EXPECT_EQ(s.Shown("ExpensesFrame"), c.children) << c.option;
        testing::SaveScreenshot(*s.window, QString("express_") + c.option);
    }
    ExpressScreen s;
    s.Type("NumChild", "2");
    s.Type("MinChild", "0");
    EXPECT_TRUE(s.app.record().fields.Selected("NoMinorOption"));
    EXPECT_FALSE(s.Shown("ExpensesFrame"));
    EXPECT_FALSE(s.window->findChild<QWidget*>("Child(0)")->isEnabled());
    testing::SaveScreenshot(*s.window, "express_NoMinorOption");
}

TEST(ExpressEntryForm, CalculationOrderShowsItsResultField) {
    ExpressScreen s;
    EXPECT_TRUE(s.Shown("CurrentMaintTransfer"));
    EXPECT_FALSE(s.Shown("ChildSupportRow"));
    s.window->menuItem("DontAutoCalc")->trigger();
    EXPECT_FALSE(s.Shown("CurrentMaintTransfer"));
    EXPECT_TRUE(s.Shown("ChildSupportRow"));
}

TEST(ExpressEntryForm, ChildSupportStopsAtTheFirstEntryErrorAndFocusesTheField) {
    ExpressScreen s;
    s.window->activateWindow();
    s.Type("NumChild", "x");
    s.Click("ChildSupportButton");
    ASSERT_FALSE(s.interaction.messages().empty());
    EXPECT_EQ(s.interaction.messages().back().title, "Entry Error");
    EXPECT_EQ(s.interaction.messages().back().text,
              "Please ReEnter Number Of Children Born During Marriage");
    EXPECT_EQ(s.interaction.focused().back(), "NumChild");
}

TEST(ExpressEntryForm, ClearAsksAndEmptiesOnYes) {
    ExpressScreen s;
    s.Type("ClaimantName", "Smith");
    s.Click("SharedOption");
    s.interaction.QueueAnswer(kAnswerNo);
    s.Click("Clear");
    EXPECT_EQ(s.Edit("ClaimantName")->text(), "Smith");
    EXPECT_EQ(s.interaction.messages().back().title, "Clear All Data?");
    s.interaction.QueueAnswer(kAnswerYes);
    s.Click("Clear");
    EXPECT_EQ(s.Edit("ClaimantName")->text(), "");
    EXPECT_EQ(s.Edit("ClaimStateTax")->text(), ".0");
    EXPECT_TRUE(s.window->findChild<QRadioButton*>("CustodialOption")->isChecked());
    EXPECT_FALSE(s.Shown("PossessionFrame"));
}

}  // namespace
}  // namespace tovaris::gui

namespace tovaris::gui {
namespace {

TEST(ExpressEntryForm, EducationTableOpensFromItsButton) {
    ExpressScreen s;
    s.Click("EdSkillsCommand");
    QWidget* table = s.window->findChild<QWidget*>("EdSkills");
    ASSERT_NE(table, nullptr);
    EXPECT_TRUE(table->isVisible());
    EXPECT_EQ(table->windowTitle(), "Education/Skills Reference Table");
    testing::SaveScreenshot(*table, "ed_skills");
}

// The parenting-time table's nights, not the share typed here, price a shared family: the
// screen says so beside the share.
TEST(ExpressEntryForm, SaysWhenTheParentingTimeTableOverridesTheShare) {
    ExpressScreen s;
    s.window->OpenCase(QString(TOVARIS_SOURCE_DIR) + "/examples/SharedOvernights.QCF");
    auto* note = s.window->findChild<QLabel*>("NightsInUse");
    EXPECT_TRUE(note->text().isEmpty());  // the table's average is the share typed
    s.app.record().fields.SetText("ClaimDays(0)", "150");
    s.window->RefreshForm();
    EXPECT_TRUE(note->text().startsWith("In Use: ")) << note->text().toStdString();
    testing::SaveScreenshot(*s.window, "express_nights_in_use");
}

// A gross income typed here with an empty income screen: "Yes" to the warning opens that
// party's income screen instead of calculating.
TEST(ExpressEntryForm, AnUntaxedGrossIncomeOpensItsIncomeScreen) {
    ExpressScreen s;
    s.window->OpenCase(QString(TOVARIS_SOURCE_DIR) + "/examples/Custodial.QCF");
    for (int source = 0; source < kIncomeSourceCount; ++source) {
        s.app.record().fields.SetText(
            IncomeFieldName(IncomeParty::Other, static_cast<IncomeSource>(source), kPartyColumn),
            "");
    }
    s.interaction.QueueAnswer(kAnswerYes);
    s.Click("ChildSupportButton");
    EXPECT_EQ(s.interaction.messages().back().text, std::string(kNoPayerIncomeEntered));
    auto* income = s.window->findChild<QWidget*>("PayerIncome");
    ASSERT_NE(income, nullptr);
    EXPECT_TRUE(income->isVisible());
    EXPECT_FALSE(s.app.record().results.support.Computed);
}

}  // namespace
}  // namespace tovaris::gui
