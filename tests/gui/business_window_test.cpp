#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "gui_test_support.h"
#include "income_screen_fixture.h"

namespace tovaris::gui {
namespace {

using testing::IncomeScreen;

struct BusinessScreen : IncomeScreen {
    BusinessWindow* business = nullptr;

    explicit BusinessScreen(const char* filingStatus = "ClaimMFJ", const char* monAdj = nullptr)
        : IncomeScreen(filingStatus, monAdj) {
        business = OpenBusiness();
        EXPECT_TRUE(testing::Activate(*business));
    }
    QLineEdit* Amount(const QString& name) const { return business->findChild<QLineEdit*>(name); }
    void Key(const QString& name, const char* text) const {
        QLineEdit* edit = Amount(name);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Return);
    }
    void ExitBusiness() const { business->findChild<QPushButton*>("ExitButton")->click(); }
};

TEST(BusinessWindow, OpensFromTheIncomeScreensBusinessButton) {
    BusinessScreen s;
    EXPECT_TRUE(s.business->isVisible());
    EXPECT_EQ(s.business->windowTitle(), "Claimant's Business Income");
    EXPECT_EQ(s.business->objectName(), "ClaimBusiness");
    s.ExitBusiness();
    EXPECT_FALSE(s.business->isVisible());
    EXPECT_TRUE(s.window->isVisible());  // back on the income screen
}

TEST(BusinessWindow, SCorporationWagesAndDistributionsSetTheBusinessIncome) {
    BusinessScreen s;
    s.Key("ClaimBusiness.AWages(0)", "30000");
    s.Key("ClaimBusiness.CWages(0)", "50000");
    s.Key("ClaimBusiness.CPass(0)", "20000");
    s.Key("ClaimBusiness.REIT(0)", "1000");
    EXPECT_EQ(s.Amount("ClaimBusiness.CWages(0)")->text(), "$ 50,000.00");
    EXPECT_EQ(s.Amount("TotalWages(0)")->text(), "$ 50,000.00");
    EXPECT_EQ(s.Amount("TotalPass(0)")->text(), "$ 20,000.00");
    EXPECT_EQ(s.Amount("BusinessIncome(0)")->text(), "$ 100,000.00");
    EXPECT_EQ(s.Amount("TotalWages(1)")->text(), "");  // nothing entered for the new spouse
    s.ExitBusiness();
    // A, C wages and C distributions make the business income; REIT is not part of it.
    EXPECT_EQ(s.Edit("ClaimSelf")->text(), "$ 100,000.00");
    EXPECT_EQ(s.Edit("ClaimTotal")->text(), "$ 100,000.00");
    EXPECT_EQ(s.record().income.Of(IncomeParty::Claimant).Income(IncomeSource::Self), 100000.0f);
}

TEST(BusinessWindow, TheNewSpousesColumnFeedsTheNewSpousesBusinessIncome) {
    BusinessScreen s;
    EXPECT_TRUE(s.Amount("ClaimBusiness.AWages(1)")->isVisibleTo(s.business));
    s.Key("ClaimBusiness.BNot(1)", "40000");
    s.ExitBusiness();
    EXPECT_EQ(s.Edit("ClaimSelf1")->text(), "$ 40,000.00");
    EXPECT_EQ(s.Edit("ClaimSelf")->text(), "");  // the party's own column has no business
}

TEST(BusinessWindow, NoNewSpouseColumnWithoutAJointReturn) {
    BusinessScreen s("ClaimSingle");
    EXPECT_FALSE(s.Amount("ClaimBusiness.AWages(1)")->isVisibleTo(s.business));
    EXPECT_FALSE(s.Amount("TotalPass(1)")->isVisibleTo(s.business));
    EXPECT_FALSE(
        s.business->findChild<QWidget*>("ClaimBusiness.DTrade(1)")->isVisibleTo(s.business));
    EXPECT_TRUE(s.Amount("ClaimBusiness.AWages(0)")->isVisibleTo(s.business));
}

TEST(BusinessWindow, MonthlyEntriesReachTheYearlyIncomeScreen) {
    BusinessScreen s;
    s.business->findChild<QAction*>("Monthly")->trigger();
    EXPECT_EQ(s.business->findChild<QLabel*>("PeriodLabel")->text(), "MONTHLY");
    s.Key("ClaimBusiness.AWages(0)", "1000");
    s.Key("ClaimBusiness.ACap(0)", "50000");
    EXPECT_EQ(s.Amount("BusinessIncome(0)")->text(), "$ 12,000.00");  // totals are yearly
    s.business->findChild<QAction*>("Yearly")->trigger();
    EXPECT_TRUE(s.business->findChild<QAction*>("Yearly")->isChecked());
    EXPECT_EQ(s.Amount("ClaimBusiness.AWages(0)")->text(), "$ 12,000.00");
    EXPECT_EQ(s.Amount("ClaimBusiness.ACap(0)")->text(), "$ 50,000.00");  // a value, no period
    s.ExitBusiness();
    EXPECT_EQ(s.Edit("ClaimSelf")->text(), "$ 12,000.00");
}

TEST(BusinessWindow, BusinessIncomeShownInTheIncomeScreensPeriod) {
    BusinessScreen s;
    s.Period("Monthly");
    s.Key("ClaimBusiness.BWages(0)", "24000");
    s.ExitBusiness();
    EXPECT_EQ(s.Edit("ClaimSelf")->text(), "$ 2,000.00");
    EXPECT_EQ(s.Edit("ClaimTotal")->text(), "$ 2,000.00");
}

TEST(BusinessWindow, ServiceTradeChecksGoIntoTheCase) {
    BusinessScreen s;
    s.business->findChild<QCheckBox*>("ClaimBusiness.BTrade(0)")->click();
    s.business->findChild<QCheckBox*>("ClaimBusiness.DTrade(1)")->click();
    EXPECT_TRUE(s.record().fields.Ticked("ClaimBusiness.BTrade(0)"));
    EXPECT_TRUE(s.record().fields.Ticked("ClaimBusiness.DTrade(1)"));
    EXPECT_FALSE(s.record().fields.Ticked("ClaimBusiness.ATrade(0)"));
}

TEST(BusinessWindow, EnterMovesToTheNextAmount) {
    BusinessScreen s("ClaimSingle");
    s.Key("ClaimBusiness.AWages(0)", "1");
    EXPECT_EQ(QApplication::focusWidget(), s.Amount("ClaimBusiness.ANot(0)"));
}

TEST(BusinessWindow, OtherPartysScreen) {
    BusinessScreen s("PayerMFJ");
    EXPECT_EQ(s.business->windowTitle(), "Other Party's Business Income");
    s.Key("PayerBusiness.DPass(0)", "5000");
    s.window->findChild<QAction*>("Exit")->trigger();  // the income screen's closing links too
    EXPECT_EQ(s.record().fields.Text("PayerSelf"), "$ 5,000.00");
    EXPECT_EQ(s.record().income.Of(IncomeParty::Claimant).Income(IncomeSource::Self), 0.0f);
}

TEST(BusinessWindow, Screenshots) {
    {
        BusinessScreen s;
        s.Key("ClaimBusiness.AWages(0)", "85000");
        s.Key("ClaimBusiness.CWages(1)", "60000");
        s.Key("ClaimBusiness.CPass(1)", "15000");
        QApplication::processEvents();
        testing::SaveScreenshot(*s.business, "business_income");
    }
    testing::KeepApplicationFont keep;
    BusinessScreen small("ClaimMFJ", ".75");
    QApplication::processEvents();
    QWidget* central = small.business->centralWidget();
    EXPECT_LE(central->minimumSizeHint().width(), central->width());
    EXPECT_LE(central->minimumSizeHint().height(), central->height());
    testing::SaveScreenshot(*small.business, "business_income_075");
}

}  // namespace
}  // namespace tovaris::gui
