#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include "app/application.h"
#include "case/express_entry_window.h"
#include "case/income_window.h"
#include "common/scripted_interaction.h"
#include "gui_test_support.h"

namespace tovaris::gui {
namespace {

struct IncomeScreen {
    MemoryPreferenceStore preferences;
    ScriptedInteraction interaction;
    Application app{preferences, interaction, "/opt/tovaris"};
    IncomeWindow* window = nullptr;

    explicit IncomeScreen(const char* filingStatus = "ClaimSingle") {
        app.Start({800, 600, 15, 15});
        app.EnterCaseData();
        app.record().fields.Select(filingStatus);
        app.express()->findChild<QAbstractButton*>("EnterClaimIncome")->click();
        window = app.express()->findChild<IncomeWindow*>("ClaimIncome");
    }
    QLineEdit* Edit(const char* name) const { return window->findChild<QLineEdit*>(name); }
    void Type(const char* name, const QString& text) const {
        QLineEdit* edit = Edit(name);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    void Period(const char* name) const { window->findChild<QAction*>(name)->trigger(); }
    bool Shown(const char* name) const {
        return !window->findChild<QWidget*>(name)->isHidden();  // pages not in front count too
    }
};

TEST(IncomeWindow, RefusedWithoutAFilingStatus) {
    MemoryPreferenceStore preferences;
    ScriptedInteraction interaction;
    Application app(preferences, interaction, "/opt/tovaris");
    app.Start({800, 600, 15, 15});
    app.EnterCaseData();
    app.express()->findChild<QAbstractButton*>("EnterPayerIncome")->click();
    EXPECT_FALSE(app.express()->findChild<QWidget*>("PayerIncome")->isVisible());
    ASSERT_FALSE(interaction.messages().empty());
    EXPECT_EQ(interaction.messages().back().text, "Please Enter Other Party's Tax Filing Status");
}

TEST(IncomeWindow, MonthlyWagesShownYearlyAfterThePeriodChanges) {
    IncomeScreen s;
    ASSERT_TRUE(s.window->isVisible());
    s.Period("Monthly");
    s.Type("ClaimEarned", "5000");
    EXPECT_EQ(s.app.record().fields.Text("ClaimEarned"), "5000");
    s.Period("Yearly");
    EXPECT_EQ(s.Edit("ClaimEarned")->text(), "$ 60,000.00");
    EXPECT_EQ(s.Edit("ClaimTotal")->text(), "$ 60,000.00");
    s.window->findChild<QPushButton*>("ExitButton")->click();
    EXPECT_FALSE(s.window->isVisible());
    EXPECT_EQ(s.app.record().fields.Text("ClaimGrossInc"), "$ 5,000.00");
    EXPECT_EQ(s.app.express()->findChild<QLineEdit*>("ClaimGrossInc")->text(), "$ 5,000.00");
}

TEST(IncomeWindow, NewSpouseColumnOnlyForAJointReturn) {
    IncomeScreen single;
    EXPECT_FALSE(single.Shown("ClaimEarned1"));
    IncomeScreen joint("ClaimMFJ");
    EXPECT_TRUE(joint.Shown("ClaimEarned1"));
    EXPECT_TRUE(joint.Shown("ClaimPriorMaintPaid3"));
    auto* pages = joint.window->findChild<QTabWidget*>();
    for (int page = 0; page < pages->count(); ++page) {
        pages->setCurrentIndex(page);
        testing::SaveScreenshot(*joint.window, QString("income_page%1").arg(page + 1));
    }
}

TEST(IncomeWindow, ItemizingHidesAndUnticksAgeSixtyFive) {
    IncomeScreen s;
    s.window->findChild<QTabWidget*>()->setCurrentIndex(2);
    auto* age = s.window->findChild<QCheckBox*>("ClaimantAge65");
    age->click();
    EXPECT_TRUE(s.app.record().fields.Ticked("ClaimantAge65"));
    s.window->findChild<QRadioButton*>("ClaimItemizedDeduction")->click();
    EXPECT_FALSE(s.Shown("ClaimantAge65"));
    EXPECT_TRUE(s.Shown("ItemizedAmounts"));
    EXPECT_FALSE(s.app.record().fields.Ticked("ClaimantAge65"));
    s.window->findChild<QRadioButton*>("ClaimStandardDeduction")->click();
    EXPECT_TRUE(s.Shown("ClaimantAge65"));
    EXPECT_FALSE(age->isChecked());  // not restored
}

TEST(IncomeWindow, OtherChildrenCountMustMatchTheirAges) {
    IncomeScreen s;
    s.window->findChild<QCheckBox*>("ClaimSecFamCheck")->click();
    s.Type("ClaimNumOther", "1");
    s.Type("ClaimNumOtherNot", "1");
    s.Type("ClaimOtherChildAge(0)", "6");
    s.window->findChild<QPushButton*>("ExitButton")->click();
    EXPECT_TRUE(s.window->isVisible());
    EXPECT_EQ(s.interaction.messages().back().text,
              "Number Of Other Minor Children Is Not The Same As Number Of Ages Entered");
}

}  // namespace
}  // namespace tovaris::gui

namespace tovaris::gui {
namespace {

TEST(BusinessWindow, SCorporationWagesAndDistributionsSetTheBusinessIncome) {
    IncomeScreen s("ClaimMFJ");
    s.window->findChild<QPushButton*>("Business")->click();
    QWidget* business = s.window->findChild<QWidget*>("ClaimBusiness");
    ASSERT_TRUE(business->isVisible());
    auto type = [&](const char* name, const char* text) {
        auto* edit = business->findChild<QLineEdit*>(name);
        edit->setFocus();
        QTest::keyClicks(edit, text);
    };
    type("ClaimBusiness.AWages(0)", "30000");
    type("ClaimBusiness.CWages(0)", "50000");
    type("ClaimBusiness.CPass(0)", "20000");
    type("ClaimBusiness.REIT(0)", "1000");
    business->findChild<QPushButton*>("ExitButton")->click();
    EXPECT_FALSE(business->isVisible());
    // A, C wages and C distributions make the business income; REIT is not part of it.
    EXPECT_EQ(s.Edit("ClaimSelf")->text(), "$ 100,000.00");
    s.window->findChild<QPushButton*>("Business")->click();
    EXPECT_EQ(business->findChild<QLineEdit*>("TotalWages(0)")->text(), "$ 50,000.00");
    EXPECT_EQ(business->findChild<QLineEdit*>("TotalPass(0)")->text(), "$ 20,000.00");
    EXPECT_TRUE(business->findChild<QWidget*>("ClaimBusiness.AWages(1)")->isVisibleTo(business));
    testing::SaveScreenshot(*business, "business_income");
}

}  // namespace
}  // namespace tovaris::gui
