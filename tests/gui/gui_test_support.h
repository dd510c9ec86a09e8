#pragma once

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

namespace tovaris::gui::testing {

// Clicks the named button of the next modal dialog once it is shown.
inline void ClickInNextModal(const QString& buttonName) {
    QTimer::singleShot(0, [buttonName] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) {
            return;
        }
        if (auto* button = modal->findChild<QPushButton*>(buttonName)) {
            button->click();
        }
    });
}

// Saves a picture of the widget when TOVARIS_SCREENSHOT_DIR is set, so pages can be looked at.
inline void SaveScreenshot(QWidget& widget, const QString& name) {
    QByteArray dir = qgetenv("TOVARIS_SCREENSHOT_DIR");
    if (dir.isEmpty()) {
        return;
    }
    QDir().mkpath(QString::fromLocal8Bit(dir));
    QApplication::processEvents();  // pending layouts, as the user's event loop would run them
    widget.grab().save(QString::fromLocal8Bit(dir) + "/" + name + ".png");
}

}  // namespace tovaris::gui::testing
