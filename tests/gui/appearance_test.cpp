#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "app/application.h"
#include "app/button_colors_dialog.h"
#include "app/scaling_dialog.h"
#include "app/screen_setup.h"
#include "app/splash_screen.h"
#include "case/appearance.h"
#include "case/express_entry_window.h"
#include "common/scripted_interaction.h"
#include "entered_program.h"
#include "forms/frame_window.h"
#include "gui_test_support.h"

namespace tovaris::gui {
namespace {

using Entered = testing::EnteredProgram;

QColor Face(const QPushButton& button) {
    return button.palette().color(QPalette::Active, QPalette::Button);
}

TEST(ButtonColors, OpensFromTheDefaultsMenuAndClosesWithEscapeOrClose) {
    Entered s;
    QAction* item = s.app.express()->menuItem("Color");
    ASSERT_TRUE(item->isEnabled());
    testing::ClickInNextModal("CloseColors");
    item->trigger();  // returns once the dialog closed
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(ButtonColors, ApplyRecoloursEveryScreenAtOnceAndKeepsTheChoice) {
    Entered s;
    s.ExpressButton("RunWaWs").click();  // the frame window is open too
    ButtonColorsDialog dialog(s.preferences);
    SetUpScreen(dialog, s.preferences, 1);
    std::vector<QColor> answers{QColor(0, 128, 0), QColor(255, 255, 255)};
    dialog.askColor = [&answers](const QColor&, const QString&) {
        QColor next = answers.front();
        answers.erase(answers.begin());
        return next;
    };
    dialog.findChild<QPushButton*>("BackColorButton")->click();
    dialog.findChild<QPushButton*>("ForeColorButton")->click();
    EXPECT_EQ(Face(s.ExpressButton("ChildSupportButton")), FromStoredColor(12632319))
        << "nothing changes before Apply";
    testing::SaveScreenshot(dialog, "button_colors");

    dialog.findChild<QPushButton*>("ApplyColors")->click();
    EXPECT_EQ(s.preferences.Read("Corvenwick2023", "BackColor"), "32768");  // green 128 << 8
    EXPECT_EQ(s.preferences.Read("Corvenwick2023", "ForeColor"), "16777215");
    EXPECT_EQ(s.preferences.Read("Corvenwick2023", "ThemeColor"), "8421504");
    EXPECT_EQ(Face(s.ExpressButton("ChildSupportButton")), QColor(0, 128, 0));
    EXPECT_EQ(s.ExpressButton("ChildSupportButton").palette().color(QPalette::ButtonText),
              QColor(255, 255, 255));
    for (QPushButton* button : s.app.splash()->findChildren<QPushButton*>()) {
        EXPECT_EQ(Face(*button), QColor(0, 128, 0)) << "hidden screens too";
    }
}

TEST(ButtonColors, ScreenColourCommandsAndResetToTheDefaults) {
    Entered s;
    ButtonColorsDialog dialog(s.preferences);
    const QColor program = FromStoredColor(14215661);
    EXPECT_EQ(s.app.express()->palette().color(QPalette::Window), program);

    dialog.findChild<QPushButton*>("SystemColors")->click();
    EXPECT_EQ(s.preferences.Read("Corvenwick2023", "ScreenDefault"), "Sys");
    EXPECT_EQ(s.app.express()->palette().color(QPalette::Window),
              QApplication::palette().color(QPalette::Button));

    dialog.findChild<QWidget*>("FlatButtons")->setProperty("checked", true);
    dialog.findChild<QPushButton*>("ApplyColors")->click();
    EXPECT_EQ(s.preferences.Read("Corvenwick2023", "BorderStyle"), "0");
    EXPECT_TRUE(s.ExpressButton("ChildSupportButton").isFlat());

    dialog.findChild<QPushButton*>("ResetColors")->click();
    EXPECT_EQ(s.preferences.Read("Corvenwick2023", "ScreenDefault"), "MS");
    EXPECT_EQ(s.preferences.Read("Corvenwick2023", "BorderStyle"), "5");
    EXPECT_EQ(s.app.express()->palette().color(QPalette::Window), program);
    EXPECT_FALSE(s.ExpressButton("ChildSupportButton").isFlat());
    EXPECT_EQ(dialog.choice(), ButtonAppearance{});
}

TEST(ButtonColors, SystemStyleLeavesTheButtonsTheStylesColours) {
    Entered s;
    ButtonColorsDialog dialog(s.preferences);
    dialog.findChild<QWidget*>("VisualStyle")->setProperty("checked", true);
    dialog.findChild<QPushButton*>("ApplyColors")->click();
    EXPECT_EQ(s.preferences.Read("Corvenwick2023", "VisualStyle"), "True");
    EXPECT_EQ(Face(s.ExpressButton("ChildSupportButton")),
              QApplication::palette().color(QPalette::Active, QPalette::Button));
}

TEST(Scaling, RangeMessagesAndTheFactorForTheNextStart) {
    Entered s;
    ASSERT_TRUE(s.app.express()->menuItem("Scaling")->isEnabled());
    ScalingDialog dialog(s.preferences, s.interaction, 1);
    auto* factor = dialog.findChild<QLineEdit*>("ScaleFactor");
    EXPECT_EQ(factor->text(), "1");

    for (const char* refused : {"0.3", "1.5", "large"}) {
        factor->setText(refused);
        dialog.findChild<QPushButton*>("ApplyScaling")->click();
        EXPECT_EQ(s.interaction.messages().back().title, "Entry Error") << refused;
        EXPECT_EQ(s.interaction.messages().back().text, kScalingRangeMessage) << refused;
        EXPECT_EQ(s.preferences.Read("Tovaris_Wa", "MonAdj"), "1") << refused;
    }
    size_t messages = s.interaction.messages().size();
    factor->setText(".8");
    EXPECT_LT(dialog.findChild<QWidget*>("ScalingPreview")->font().pointSizeF(),
              QApplication::font().pointSizeF());  // the preview shows the smaller size
    dialog.findChild<QPushButton*>("ApplyScaling")->click();
    EXPECT_EQ(s.interaction.messages().size(), messages);
    EXPECT_EQ(s.preferences.Read("Tovaris_Wa", "MonAdj"), "0.8");
    EXPECT_FALSE(dialog.findChild<QLabel*>("ScalingStatus")->text().isEmpty());
    testing::SaveScreenshot(dialog, "display_scaling");

    dialog.findChild<QPushButton*>("ResetScaling")->click();
    EXPECT_EQ(s.preferences.Read("Tovaris_Wa", "MonAdj"), "1");
    EXPECT_EQ(factor->text(), "1");

    dialog.show();
    factor->setText(".9");
    QTest::keyClick(factor, Qt::Key_Return);  // Enter applies
    EXPECT_EQ(s.preferences.Read("Tovaris_Wa", "MonAdj"), "0.9");
}

}  // namespace
}  // namespace tovaris::gui
