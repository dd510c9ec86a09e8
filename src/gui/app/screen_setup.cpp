#include "app/screen_setup.h"

#include <QApplication>
#include <QPalette>
#include <QPushButton>
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
        p.setColor(QPalette::Button, buttonBack);
        p.setColor(QPalette::ButtonText, buttonText);
        button->setPalette(p);
    }
    if (monAdj != 1) {
        screen.resize(screen.size() * monAdj);
    }
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
