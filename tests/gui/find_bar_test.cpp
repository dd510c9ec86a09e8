#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include "app/application.h"
#include "app/find_bar.h"
#include "case/express_entry_window.h"
#include "common/scripted_interaction.h"
#include "entered_program.h"
#include "forms/frame_window.h"
#include "gui_test_support.h"
#include "income_screen_fixture.h"

namespace tovaris::gui {
namespace {

// The Custodial example's worksheet, calculated.
struct FilledWorksheet : testing::EnteredProgram {
    FrameWindow* frame = nullptr;
    FindBar* find = nullptr;

    FilledWorksheet() {
        app.express()->OpenCase(QString(TOVARIS_SOURCE_DIR) + "/examples/Custodial.QCF");
        app.express()->findChild<QPushButton*>("RunWaWs")->click();
        frame = app.frame();
        interaction.QueueAnswer(kAnswerNo);
        for (const char* command : {"GetExpressData", "EstimateTaxes", "CalculateWorksheet"}) {
            frame->findChild<QWidget*>("WorksheetBar")->findChild<QAction*>(command)->trigger();
        }
        find = frame->findChild<FindBar*>("FindBar");
    }
    void Open() {
        for (QAction* item : frame->menuBar()->findChildren<QAction*>("FindText")) {
            item->trigger();
        }
    }
    QString Status() const { return find->findChild<QLabel*>("FindStatus")->text(); }
};

TEST(FindText, OpensFromTheWorksheetsMenuWithTheFocusInTheBox) {
    FilledWorksheet s;
    ASSERT_NE(s.find, nullptr);
    EXPECT_FALSE(s.find->isVisible());
    s.Open();
    EXPECT_TRUE(s.find->isVisible());
    EXPECT_EQ(s.find->findChild<QLineEdit*>("FindTextBox"), s.frame->focusWidget());
}

TEST(FindText, NextMatchInReadingOrderThenWrapsToTheTop) {
    FilledWorksheet s;
    s.Open();
    QLineEdit* box = s.find->findChild<QLineEdit*>("FindTextBox");
    QTest::keyClicks(box, "6,585");  // line 3, Column 1 only
    QTest::keyClick(box, Qt::Key_Return);
    QLineEdit* net = s.frame->findChild<QLineEdit*>("a3f");
    EXPECT_EQ(net->selectedText(), "6,585");
    EXPECT_EQ(s.Status(), "");
    s.find->findChild<QPushButton*>("FindNext")->click();
    EXPECT_EQ(s.find->current(), net);
    EXPECT_EQ(s.Status(), "Continued From The Top");

    // Lines 3, 4 and 8b name the net income: each found below the one before.
    std::vector<int> rows;
    ASSERT_TRUE(s.find->FindNext("monthly net income"));
    for (int i = 0; i < 10 && s.Status().isEmpty(); ++i) {
        rows.push_back(s.find->current()->mapTo(s.frame, QPoint()).y() +
                       s.frame->findChild<QScrollArea*>("Worksheet")->verticalScrollBar()->value());
        s.find->FindNext("monthly net income");
    }
    EXPECT_GE(rows.size(), 3u);
    EXPECT_TRUE(std::is_sorted(rows.begin(), rows.end()));
}

TEST(FindText, LabelsAreFoundAndScrolledIntoView) {
    FilledWorksheet s;
    s.Open();
    auto* scroll = s.frame->findChild<QScrollArea*>("Worksheet")->verticalScrollBar();
    ASSERT_EQ(scroll->value(), 0);
    EXPECT_TRUE(s.find->FindNext("each parent's basic child support obligation after"));
    EXPECT_GT(scroll->value(), 0);
    testing::SaveScreenshot(*s.frame, "worksheet_find");
}

TEST(FindText, TextFoundNowhereSaysSo) {
    FilledWorksheet s;
    s.Open();
    EXPECT_FALSE(s.find->FindNext("no such words"));
    EXPECT_EQ(s.Status(), "Text Not Found");
    EXPECT_FALSE(s.find->FindNext(""));
}

TEST(FindText, EscapeClosesTheBox) {
    FilledWorksheet s;
    testing::Activate(*s.frame);
    s.Open();
    QTest::keyClick(s.find->findChild<QLineEdit*>("FindTextBox"), Qt::Key_Escape);
    EXPECT_FALSE(s.find->isVisible());
}

}  // namespace
}  // namespace tovaris::gui
