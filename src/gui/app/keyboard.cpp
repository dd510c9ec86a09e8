#include "app/keyboard.h"

#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>

namespace tovaris::gui {

void OnEscape(QWidget& window, std::function<void()> command) {
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), &window);
    escape->setObjectName("EscapeShortcut");
    escape->setContext(Qt::WindowShortcut);
    QObject::connect(escape, &QShortcut::activated, &window, std::move(command));
}

void OnEnter(QLineEdit& box, QPushButton& command) {
    QObject::connect(&box, &QLineEdit::returnPressed, &command, &QPushButton::click);
}

}  // namespace tovaris::gui
