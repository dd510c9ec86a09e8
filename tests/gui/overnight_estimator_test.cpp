#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "gui_test_support.h"
#include "support/overnight_estimator_window.h"

namespace tovaris::gui {
namespace {

void Set(QWidget& w, const char* name, const char* text) {
    w.findChild<QLineEdit*>(name)->setText(text);
}

TEST(OvernightEstimatorWindow, CountsATypicalSchedule) {
    OvernightEstimatorWindow window;
    // 6 school nights per two weeks, Christmas in halves, breaks continued, summer continued
    // with 2 uninterrupted weeks each: 111 + 7 + 6 + 35 = 159.0.
    Set(window, "SchoolNights", "6");
    window.findChild<QRadioButton*>("XMassHalf")->setChecked(true);
    window.findChild<QRadioButton*>("BreakCon")->setChecked(true);
    window.findChild<QRadioButton*>("SummerConPlus")->setChecked(true);
    Set(window, "SummerConWeeks", "2");
    window.findChild<QPushButton*>("Calculate")->click();
    EXPECT_EQ(window.findChild<QLineEdit*>("TotalNights")->text(), "159.0");
    window.show();
    testing::SaveScreenshot(window, "overnight_estimator");

    window.findChild<QPushButton*>("Clear")->click();
    EXPECT_EQ(window.findChild<QLineEdit*>("SchoolWeeks")->text(), "37");
    EXPECT_EQ(window.findChild<QLineEdit*>("SummerWeeks")->text(), "11");
    EXPECT_EQ(window.findChild<QLineEdit*>("SchoolNights")->text(), "0");
    EXPECT_EQ(window.findChild<QLineEdit*>("TotalNights")->text(), "");
}

TEST(OvernightEstimatorWindow, RefusesAYearThatIsNotFiftyTwoWeeks) {
    OvernightEstimatorWindow window;
    window.show();
    Set(window, "SummerWeeks", "10");
    testing::ClickInNextModal("OK");
    window.findChild<QPushButton*>("Calculate")->click();
    EXPECT_EQ(window.findChild<QLineEdit*>("TotalNights")->text(), "");
}

}  // namespace
}  // namespace tovaris::gui
