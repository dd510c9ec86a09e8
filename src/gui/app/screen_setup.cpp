#include "app/screen_setup.h"

#include <QApplication>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QScreen>
#include <QWidget>

#include "case/appearance.h"

namespace tovaris::gui {

namespace {

constexpr unsigned kProgramBackColor = 14215661;  // hex D8E9ED as stored
// Marks the screens the display set-up ran on, so that a new colour choice reaches them all.
constexpr const char* kSetUpScreen = "tovarisSetUpScreen";

void ColorButton(QPushButton& button, const ButtonAppearance& look) {
    button.setFlat(look.borderStyle == 0);
    if (look.visualStyle) {
        button.setPalette(QPalette());  // the style's own colours, inherited
        return;
    }
    QPalette p = button.palette();
    // The disabled group stays the style's, so a button that does nothing looks greyed.
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(group, QPalette::Button, FromStoredColor(look.backColor));
        p.setColor(group, QPalette::ButtonText, FromStoredColor(look.foreColor));
    }
    button.setPalette(p);
}

}  // namespace

QColor FromStoredColor(unsigned rgb) {
    return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}

unsigned ToStoredColor(const QColor& color) {
    return unsigned(color.red()) | unsigned(color.green()) << 8 | unsigned(color.blue()) << 16;
}

QColor ScreenBackColor(const PreferenceStore& preferences) {
    if (preferences.Read(kAppearanceApp, "ScreenDefault") == "MS") {
        return FromStoredColor(kProgramBackColor);
    }
    return QApplication::palette().color(QPalette::Button);
}

void SetUpScreen(QWidget& screen, const PreferenceStore& preferences, double monAdj) {
    screen.setProperty(kSetUpScreen, true);
    ApplyScreenColors(screen, preferences);
    if (monAdj != 1) {
        screen.resize(screen.size() * monAdj);
    }
    FitToScreen(screen);
}

void ApplyScreenColors(QWidget& screen, const PreferenceStore& preferences) {
    const ButtonAppearance look = ReadButtonAppearance(preferences);
    QPalette palette = screen.palette();
    palette.setColor(QPalette::Window, ScreenBackColor(preferences));
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Highlight, FromStoredColor(look.themeColor));
    }
    screen.setPalette(palette);
    screen.setAutoFillBackground(true);

    for (QPushButton* button : screen.findChildren<QPushButton*>()) {
        ColorButton(*button, look);
    }
    for (QLineEdit* edit : screen.findChildren<QLineEdit*>()) {
        if (edit->isReadOnly()) {
            ShowAsReadOnly(*edit);
        }
    }
}

void RecolorScreens(const PreferenceStore& preferences) {
    for (QWidget* widget : QApplication::allWidgets()) {
        if (widget->property(kSetUpScreen).toBool()) {
            ApplyScreenColors(*widget, preferences);
        }
    }
}

void ShowAsReadOnly(QLineEdit& edit) {
    edit.setReadOnly(true);
    edit.setFocusPolicy(Qt::ClickFocus);  // can be selected and copied, but Tab passes it by
    QPalette p = edit.palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(group, QPalette::Base, p.color(group, QPalette::Window));
    }
    edit.setPalette(p);
}

QRect AvailableArea(const QWidget& screen) {
    QScreen* display = screen.screen() != nullptr ? screen.screen() : QApplication::primaryScreen();
    return display->availableGeometry();
}

void CenterOnScreen(QWidget& window) {
    window.adjustSize();
    window.move(AvailableArea(window).center() - window.rect().center());
}

void FitToScreen(QWidget& screen) {
    QSize room = AvailableArea(screen).size();
    // The window frame and title bar take their share of the room too.
    constexpr int kFrameAllowance = 40;
    room -= QSize(kFrameAllowance / 2, kFrameAllowance);
    screen.resize(screen.size().boundedTo(room).expandedTo(screen.minimumSizeHint()));
}

bool IsFormLoaded(const QString& name) {
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->objectName().compare(name, Qt::CaseInsensitive) == 0) {
            return true;
        }
    }
    return false;
}

}  // namespace tovaris::gui
