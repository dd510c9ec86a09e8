#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include "app/application.h"
#include "case/case_file.h"
#include "case/express_entry_window.h"
#include "common/scripted_interaction.h"
#include "forms/frame_window.h"
#include "gui_test_support.h"
#include "printing/preview_window.h"
#include "reports/document_text.h"

namespace tovaris::gui {
namespace {

// The Custodial example opened and the worksheet button pressed.
struct WorksheetScreen {
    MemoryPreferenceStore preferences;
    ScriptedInteraction interaction;
    Application app{preferences, interaction, "/opt/tovaris"};
    FrameWindow* frame = nullptr;

    WorksheetScreen() {
        app.Start({800, 600, 15, 15});
        app.EnterCaseData();
        app.express()->OpenCase(QString(TOVARIS_SOURCE_DIR) + "/examples/Custodial.QCF");
        app.express()->findChild<QPushButton*>("RunWaWs")->click();
        frame = app.frame();
    }
    void Command(const char* bar, const char* name) const {
        frame->findChild<QWidget*>(bar)->findChild<QAction*>(name)->trigger();
    }
    // A menu item of the frame, wherever it stands (the extrapolation items are shared).
    void Item(const char* name) const {
        for (QMenu* menu : frame->menuBar()->findChildren<QMenu*>()) {
            for (QAction* item : menu->actions()) {
                if (item->objectName() == name) {
                    item->trigger();
                    return;
                }
            }
        }
        FAIL() << "no menu item " << name;
    }
    QLineEdit* Box(const char* name) const {
        for (QLineEdit* edit : frame->findChildren<QLineEdit*>(name)) {
            if (edit->isVisibleTo(frame)) {
                return edit;
            }
        }
        return nullptr;
    }
    const std::string& Field(const char* name) { return app.record().fields.Text(name); }
};

TEST(WorksheetWindow, PractitionerFillsCalculatesEditsAndRecalculates) {
    WorksheetScreen s;
    ASSERT_TRUE(s.frame->isVisible());
    EXPECT_EQ(s.frame->page(), FrameWindow::Page::Worksheet);
    EXPECT_GT(s.app.record().globals.WorksheetFontPoints, 0);  // written with a new case

    s.interaction.QueueAnswer(kAnswerNo);  // keep the header typed in the example
    s.Command("WorksheetBar", "GetExpressData");
    EXPECT_EQ(s.interaction.messages().back().title, "Data Transfer Option");
    EXPECT_EQ(s.Box("a1m(0)")->text(), "$ 4,333.33");
    s.Command("WorksheetBar", "EstimateTaxes");
    EXPECT_EQ(s.Box("b2f")->text(), "$ 650");
    s.Command("WorksheetBar", "CalculateWorksheet");
    EXPECT_EQ(s.Box("a3f")->text(), "$ 6,585");
    EXPECT_EQ(s.Box("a20f4")->text(), "$ 1,898");  // the standard calculation's transfer
    EXPECT_EQ(s.Box("SText(1)")->text(), "Number of children: 2 X $ 1,151 per child");
    testing::SaveScreenshot(*s.frame, "worksheet_large");
    auto* scroll = s.frame->findChild<QScrollArea*>("Worksheet")->verticalScrollBar();
    for (int part : {1, 2, 3}) {
        scroll->setValue(scroll->maximum() * part / 3);
        testing::SaveScreenshot(*s.frame, QString("worksheet_large_%1").arg(part));
    }

    QLineEdit* day_care = s.Box("a9m");
    day_care->selectAll();
    QTest::keyClicks(day_care, "$ 600");
    EXPECT_EQ(s.Field("a9m"), "$ 600");
    s.Command("WorksheetBar", "CalculateWorksheet");
    EXPECT_EQ(s.Box("e9m")->text(), "$ 720");  // 600 day care + 120 special

    s.Command("WorksheetBar", "TransferToExpress");
    EXPECT_EQ(s.Field("ClaimDayCare"), "$ 600");
    EXPECT_EQ(s.app.express()->findChild<QLineEdit*>("ClaimDayCare")->text(), "$ 600");

    // Saved and opened again, the worksheet shows the same lines.
    QString path = QDir::temp().filePath("worksheet_window.QCF");
    ASSERT_TRUE(SaveCaseFile(s.app.record(), path.toStdString()).ok);
    s.app.express()->OpenCase(path);
    QFile::remove(path);
    EXPECT_EQ(s.Box("e9m")->text(), "$ 720");
    EXPECT_EQ(s.Box("a3f")->text(), "$ 6,585");

    s.Command("WorksheetBar", "ReturnToExpress");
    EXPECT_FALSE(s.frame->isVisible());
    EXPECT_TRUE(s.app.express()->isVisible());
}

TEST(WorksheetWindow, ZoomStatesAndFontCommand) {
    WorksheetScreen s;
    EXPECT_EQ(s.frame->zoom(FrameWindow::Page::Worksheet), FrameWindow::Zoom::Large);
    double large = s.Box("a3f")->font().pointSizeF();
    s.Item("Small");
    EXPECT_EQ(s.frame->zoom(FrameWindow::Page::Worksheet), FrameWindow::Zoom::Small);
    EXPECT_LT(s.Box("a3f")->font().pointSizeF(), large);
    testing::SaveScreenshot(*s.frame, "worksheet_small");

    s.app.express()->OpenCase(QString(TOVARIS_SOURCE_DIR) + "/examples/NonCustodial.QCF");
    EXPECT_EQ(s.frame->zoom(FrameWindow::Page::Worksheet), FrameWindow::Zoom::Large);

    s.Item("FontSize9");
    EXPECT_EQ(s.app.record().globals.WorksheetFontSize, 9);
    EXPECT_FLOAT_EQ(s.app.record().globals.WorksheetFontPoints, 9);
    EXPECT_DOUBLE_EQ(s.Box("a3f")->font().pointSizeF(), 9);

    s.Item("Curve");  // the worksheet's copy of the extrapolation items
    EXPECT_EQ(s.app.record().options.extrapolation, Extrapolation::Curve);
    EXPECT_TRUE(s.app.express()->menuItem("Curve")->isChecked());
}

TEST(WorksheetWindow, ClearSheetAsksAndEmpties) {
    WorksheetScreen s;
    s.interaction.QueueAnswer(kAnswerYes);
    s.Command("WorksheetBar", "GetExpressData");
    s.interaction.QueueAnswer(kAnswerYes);
    s.Command("WorksheetBar", "ClearSheet");
    EXPECT_EQ(s.interaction.messages().back().title, "Warning");
    EXPECT_EQ(s.Box("a1m(0)")->text(), "");
    EXPECT_EQ(s.Box("NeedLimit")->text(), "$ 1,519");
}

TEST(WorksheetWindow, ExtraPageTakesTheWorksheetFigures) {
    WorksheetScreen s;
    s.interaction.QueueAnswer(kAnswerNo);
    s.Command("WorksheetBar", "GetExpressData");
    s.Command("WorksheetBar", "EstimateTaxes");
    s.Command("WorksheetBar", "CalculateWorksheet");
    s.Item("ExtraPage");
    EXPECT_EQ(s.frame->page(), FrameWindow::Page::WorksheetExtra);
    EXPECT_TRUE(s.frame->findChild<QWidget*>("ExtraPageBar")->isVisible());
    s.Command("ExtraPageBar", "GetWorksheetData");
    EXPECT_EQ(s.Box("NText(7)")->text(), "$ 6,585");
    EXPECT_EQ(s.Box("NText(1)")->text(), "2");
    EXPECT_EQ(s.Box("County")->text(), "King");
    testing::SaveScreenshot(*s.frame, "worksheet_extra_page");
    auto* scroll = s.frame->findChild<QScrollArea*>("WorksheetExtra")->verticalScrollBar();
    scroll->setValue(scroll->maximum());
    testing::SaveScreenshot(*s.frame, "worksheet_extra_page_end");
    s.Command("ExtraPageBar", "ClearForm");
    EXPECT_EQ(s.Box("NText(7)")->text(), "");
    s.Command("ExtraPageBar", "ReturnToWorksheet");
    EXPECT_EQ(s.frame->page(), FrameWindow::Page::Worksheet);
    EXPECT_EQ(s.Box("a3f")->text(), "$ 6,585");
}

// The preview on screen and the plain text of its pages.
PreviewWindow* ShownPreview() {
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (auto* preview = qobject_cast<PreviewWindow*>(top); preview && preview->isVisible()) {
            return preview;
        }
    }
    return nullptr;
}

TEST(WorksheetWindow, PrintMenuPreviewsEachWorksheetDocument) {
    WorksheetScreen s;
    s.interaction.QueueAnswer(kAnswerNo);
    s.Command("WorksheetBar", "GetExpressData");
    s.Command("WorksheetBar", "EstimateTaxes");
    struct Document {
        const char* item;
        size_t pages;
        const char* text;
    };
    const Document documents[] = {
        {"PreviewWorksheets", 5, "WSCSS-Worksheets-Mandatory (CSW/CSWP) 01/2019 Page 5 of 5"},
        {"PreviewSynopsis", 1, "WorkSheet Synopsis"},
        {"PreviewOrderSummary", 1, "Child Support Order Summary Report"},
    };
    for (const Document& d : documents) {
        s.Item(d.item);
        QApplication::processEvents();
        PreviewWindow* preview = ShownPreview();
        ASSERT_NE(preview, nullptr) << d.item;
        ASSERT_EQ(preview->document().pages().size(), d.pages) << d.item;
        const std::string last = reports::PageText(preview->document().pages().back());
        EXPECT_NE(last.find(d.text), std::string::npos) << d.item;
        EXPECT_FALSE(s.frame->isEnabled());  // until "Exit Preview"
        testing::SaveScreenshot(*preview, QString("preview_") + d.item);
    }
    // The synopsis calculated the worksheet; the page shows it.
    EXPECT_EQ(s.Box("a3f")->text(), "$ 6,585");
}

}  // namespace
}  // namespace tovaris::gui
