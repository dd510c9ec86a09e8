#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QDesktopServices>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTextBrowser>
#include <QToolButton>
#include <QTreeWidget>
#include <QWheelEvent>

#include "app/application.h"
#include "app/button_colors_dialog.h"
#include "app/help_window.h"
#include "app/scaling_dialog.h"
#include "case/express_entry_window.h"
#include "common/scripted_interaction.h"
#include "entered_program.h"
#include "forms/frame_window.h"
#include "gui_test_support.h"

namespace tovaris::gui {
namespace {

using Entered = testing::EnteredProgram;

HelpWindow* TheHelpWindow() {
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (auto* help = qobject_cast<HelpWindow*>(top)) {
            return help;
        }
    }
    return nullptr;
}

TEST(Help, UserManualShowsTheGuideInsideTheProgram) {
    Entered s;
    s.app.express()->menuItem("UserManual")->trigger();
    HelpWindow* help = TheHelpWindow();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    auto* text = help->findChild<QTextBrowser*>("HelpText");
    EXPECT_TRUE(text->toPlainText().contains("Tovaris 2023 (Washington) User Guide"));
    EXPECT_EQ(text->verticalScrollBar()->value(), 0);
    EXPECT_TRUE(s.interaction.messages().empty());
}

TEST(Help, InteractiveHelpOffersTheTopicsAndGoesToTheOneChosen) {
    Entered s;
    s.app.express()->menuItem("InteractiveHelp")->trigger();
    HelpWindow* help = TheHelpWindow();
    ASSERT_NE(help, nullptr);
    auto* contents = help->findChild<QTreeWidget*>("HelpContents");
    EXPECT_TRUE(contents->hasFocus() || !help->isActiveWindow());
    EXPECT_GT(help->topics().size(), 10);
    testing::SaveScreenshot(*help, "help_window");

    auto* text = help->findChild<QTextBrowser*>("HelpText");
    EXPECT_TRUE(help->ShowTopic(kFontHelpTopic));
    EXPECT_GT(text->verticalScrollBar()->value(), 0);
    EXPECT_FALSE(help->ShowTopic("No Such Topic"));
}

int CountItems(QTreeWidgetItem* item) {
    int count = 1;
    for (int i = 0; i < item->childCount(); ++i) {
        count += CountItems(item->child(i));
    }
    return count;
}

TEST(Help, EveryHeadingOfTheGuideIsInTheContents) {
    Entered s;
    s.app.express()->menuItem("UserManual")->trigger();
    HelpWindow* help = TheHelpWindow();
    auto* contents = help->findChild<QTreeWidget*>("HelpContents");
    int items = 0;
    for (int i = 0; i < contents->topLevelItemCount(); ++i) {
        items += CountItems(contents->topLevelItem(i));
    }
    EXPECT_EQ(items, help->topics().size());
    EXPECT_EQ(contents->topLevelItemCount(), 1) << "the guide's title holds every part";
}

TEST(CheckForUpdate, OpensTheVersionCheckPageThenEnds) {
    Entered s;
    std::vector<QUrl> opened;
    s.app.openWebPage = [&opened](const QUrl& page) { opened.push_back(page); };
    QSignalSpy finished(&s.app, &Application::finished);
    s.app.CheckForUpdate();
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_TRUE(opened[0].toString().endsWith("/ChkVerWa.htm?Ver=9.31"))
        << opened[0].toString().toStdString();
    EXPECT_EQ(opened[0].scheme(), "https");
    EXPECT_EQ(finished.count(), 1);
    EXPECT_TRUE(s.app.quitting());
}

// The colour, scaling and help windows fit a 1024 x 768 desktop less its frame and task bar.
TEST(ScreenRules, PreferenceAndHelpWindowsFitTheSmallDesktop) {
    Entered s;
    const QSize room(1024 - 20, 768 - 40);
    ButtonColorsDialog colors(s.preferences);
    ScalingDialog scaling(s.preferences, s.interaction, 1);
    HelpWindow help;
    for (QWidget* window : std::initializer_list<QWidget*>{&colors, &scaling, &help}) {
        QSize least = window->minimumSizeHint().expandedTo(window->minimumSize());
        EXPECT_LE(least.width(), room.width()) << window->objectName().toStdString();
        EXPECT_LE(least.height(), room.height()) << window->objectName().toStdString();
    }
}

// Double-clicked files: a case file opens as a case, a financial declaration on its page.
TEST(OpenedFromTheDesktop, CaseFilesAndDeclarations) {
    {
        MemoryPreferenceStore preferences;
        ScriptedInteraction interaction;
        Application app{preferences, interaction, "/opt/tovaris"};
        app.SetFileToOpen(QString(TOVARIS_SOURCE_DIR) + "/examples/Custodial.QCF");
        app.Start({800, 600, 15, 15});
        app.EnterCaseData();
        EXPECT_TRUE(app.express()->windowTitle().contains("Custodial.QCF"));
        EXPECT_FALSE(app.frame()->isVisible());
    }
    MemoryPreferenceStore preferences;
    ScriptedInteraction interaction;
    Application app{preferences, interaction, "/opt/tovaris"};
    const QString declaration = QString(TOVARIS_SOURCE_DIR) + "/examples/Custodial.FIN";
    app.SetFileToOpen(declaration);
    app.Start({800, 600, 15, 15});
    app.EnterCaseData();
    EXPECT_EQ(app.declarationToOpen(), declaration);
    EXPECT_TRUE(app.frame()->isVisible());
    EXPECT_EQ(app.frame()->page(), FrameWindow::Page::FinancialDeclaration);
    EXPECT_TRUE(interaction.messages().empty()) << "read without a complaint";
}

// A wheel turned over the command bar scrolls the worksheet; one passing over a drop-down list
// leaves its choice.
TEST(MouseWheel, ScrollsTheScreenAndLeavesPassedChoices) {
    Entered s;
    s.app.express()->findChild<QPushButton*>("RunWaWs")->click();
    FrameWindow* frame = s.app.frame();
    QScrollBar* bar = frame->findChild<QScrollArea*>("Worksheet")->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    ASSERT_EQ(bar->value(), 0);
    auto turn = [](QWidget* widget) {
        QPoint centre = widget->rect().center();
        QWheelEvent wheel(centre, widget->mapToGlobal(centre), {}, QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(widget, &wheel);
    };
    turn(frame->findChild<QToolButton*>("CalculateWorksheetButton"));
    EXPECT_GT(bar->value(), 0);

    QComboBox* combo = nullptr;
    for (QComboBox* c : s.app.express()->findChildren<QComboBox*>()) {
        if (c->isVisible() && c->count() > 1) {
            combo = c;
        }
    }
    ASSERT_NE(combo, nullptr);
    int chosen = combo->currentIndex();
    turn(combo);
    turn(combo);
    EXPECT_EQ(combo->currentIndex(), chosen);
}

}  // namespace
}  // namespace tovaris::gui
