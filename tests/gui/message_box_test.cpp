#include <gtest/gtest.h>

#include <QLabel>

#include "app/message_box.h"
#include "gui_test_support.h"

namespace tovaris::gui {
namespace {

using testing::ClickInNextModal;

TEST(MessageBox, AnswersSixForYesAndSevenForNo) {
    ClickInNextModal("Yes");
    EXPECT_EQ(Box("Exit", "Quit?", BoxButtons::YesNo), kAnswerYes);
    ClickInNextModal("No");
    EXPECT_EQ(Box("Exit", "Quit?", BoxButtons::YesNo), kAnswerNo);
    ClickInNextModal("OK");
    EXPECT_EQ(Box("Entry Error", "Please ReEnter Claimant's Age", BoxButtons::Ok), kAnswerOk);
}

TEST(MessageBox, GrowsWithTheMessage) {
    MessageBox shortBox("Entry Error", "Short.", BoxButtons::Ok);
    MessageBox longBox("Entry Error",
                       QString("A long message that needs several lines. ").repeated(12),
                       BoxButtons::YesNo);
    shortBox.adjustSize();
    longBox.adjustSize();
    EXPECT_GT(longBox.height(), shortBox.height());
    EXPECT_EQ(longBox.width(), shortBox.width());
    EXPECT_EQ(longBox.windowTitle(), "Entry Error");
    EXPECT_NE(longBox.findChild<QPushButton*>("No"), nullptr);
    EXPECT_EQ(shortBox.findChild<QPushButton*>("No"), nullptr);

    longBox.show();
    testing::SaveScreenshot(longBox, "message_box");
}

}  // namespace
}  // namespace tovaris::gui
