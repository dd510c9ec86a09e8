#include "app/screen_setup.h"

#include <QApplication>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QScreen>
#include <QWidget>

#include "common/entry_text.h"

namespace tovaris::gui {

namespace {
constexpr unsigned kProgramBackColor = 14215661;  // hex D8E9ED as stored
constexpr unsigned kDefaultButtonBack = 12632319;
}  // namespace

QColor ColorFromStored(const std::string& stored, QColor fallback) {
    std::optional<double> value = ToNumber(stored);
    if (!value || *value < 0 || *value > 0xFFFFFF) {
        return fallback;
    }
    auto rgb = static_cast<unsigned>(*value);
    return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}

QColor ScreenBackColor(const PreferenceStore& preferences) {
    if (preferences.Read(kAppearanceApp, "ScreenDefault") == "MS") {
        return ColorFromStored(std::to_string(kProgramBackColor), Qt::lightGray);
    }
    return QApplication::palette().color(QPalette::Button);
}

void SetUpScreen(QWidget& screen, const PreferenceStore& preferences, double monAdj) {
    QPalette palette = screen.palette();
    palette.setColor(QPalette::Window, ScreenBackColor(preferences));
    screen.setPalette(palette);
    screen.setAutoFillBackground(true);

    QColor buttonBack = ColorFromStored(preferences.Read(kAppearanceApp, "BackColor"),
                                        ColorFromStored(std::to_string(kDefaultButtonBack), {}));
    QColor buttonText = ColorFromStored(preferences.Read(kAppearanceApp, "ForeColor"), Qt::black);
    for (QPushButton* button : screen.findChildren<QPushButton*>()) {
        QPalette p = button->palette();
        // The disabled group stays the style's, so a button that does nothing looks greyed.
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
            p.setColor(group, QPalette::Button, buttonBack);
            p.setColor(group, QPalette::ButtonText, buttonText);
        }
        button->setPalette(p);
    }
    for (QLineEdit* edit : screen.findChildren<QLineEdit*>()) {
        if (edit->isReadOnly()) {
            ShowAsReadOnly(*edit);
        }
    }
    if (monAdj != 1) {
        screen.resize(screen.size() * monAdj);
    }
    FitToScreen(screen);
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
