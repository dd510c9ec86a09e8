#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>

#include "app/application.h"
#include "case/express_entry_window.h"
#include "common/scripted_interaction.h"
#include "gui_test_support.h"

namespace tovaris::gui {
namespace {

TEST(ParentingTimeWindow, RowsStayInStepAndAveragesFollowTheYoungest) {
    MemoryPreferenceStore preferences;
    ScriptedInteraction interaction;
    Application app(preferences, interaction, "/opt/tovaris");
    app.Start({800, 600, 15, 15});
    app.EnterCaseData();
    CaseFields& fields = app.record().fields;
    fields.SetText("NumChild", "3");
    fields.SetText("MinChild", "3");
    fields.Select("SharedOption");
    fields.SetText("ClaimDays", "182.5");

    app.express()->findChild<QAbstractButton*>("SharedCalc")->click();
    QWidget* window = app.express()->findChild<QWidget*>("ParentingTime");
    ASSERT_TRUE(window->isVisible());

    auto* oldest = window->findChild<QLineEdit*>("ClaimDays(0)");
    oldest->setFocus();
    QTest::keyClicks(oldest, "219");
    EXPECT_EQ(window->findChild<QLineEdit*>("PayerDays(0)")->text(), "146.0");
    EXPECT_EQ(window->findChild<QLineEdit*>("PercentOfTimeValue(0)")->text(), ".600");
    EXPECT_EQ(fields.Text("PayerPerCent(0)"), ".400");

    auto* youngest = window->findChild<QLineEdit*>("ClaimDays(2)");
    youngest->setFocus();
    QTest::keyClicks(youngest, "146");
    // Families of 1, 2 and 3 are the youngest 1, 2 and 3; the middle row is empty and takes the
    // Express Entry nights, 182.5.
    auto* averages = window->findChild<QTableWidget*>("AverageNights");
    EXPECT_EQ(averages->item(0, 0)->text(), "146.0");
    EXPECT_EQ(averages->item(1, 0)->text(), "164.3");  // (182.5 + 146) / 2 = 164.25
    EXPECT_EQ(averages->item(2, 0)->text(), "182.5");  // (219 + 182.5 + 146) / 3
    EXPECT_EQ(averages->item(2, 1)->text(), "182.5");
    EXPECT_TRUE(averages->isRowHidden(3));
    testing::SaveScreenshot(*window, "parenting_time");
}

}  // namespace
}  // namespace tovaris::gui
