#include "app/gui_interaction.h"

#include <QApplication>
#include <QMessageBox>
#include <QWidget>

#include "app/input_box.h"
#include "app/message_box.h"

namespace tovaris::gui {

namespace {
QString Q(const std::string& text) {
    return QString::fromStdString(text);
}
}  // namespace

int GuiInteraction::Box(const std::string& title, const std::string& message, BoxButtons buttons) {
    return gui::Box(Q(title), Q(message), buttons, QApplication::activeWindow());
}

void GuiInteraction::Notice(const std::string& title, const std::string& message) {
    QMessageBox::information(QApplication::activeWindow(), Q(title), Q(message));
}

std::optional<std::string> GuiInteraction::Ask(const std::string& title, const std::string& prompt,
                                               const std::string& proposed) {
    InputBox box(Q(title), Q(prompt), Q(proposed), QApplication::activeWindow());
    if (box.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return box.answer().toStdString();
}

QWidget* FindControl(const QString& name) {
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->objectName() == name) {
            return top;
        }
        if (auto* control = top->findChild<QWidget*>(name)) {
            return control;
        }
    }
    return nullptr;
}

void GuiInteraction::FocusField(const std::string& field) {
    if (QWidget* control = FindControl(Q(field))) {
        control->window()->show();
        control->window()->activateWindow();
        control->setFocus(Qt::OtherFocusReason);
    }
}

void GuiInteraction::Beep() {
    QApplication::beep();
}

}  // namespace tovaris::gui
