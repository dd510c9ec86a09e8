#pragma once

#include <QLayout>
#include <QPushButton>

namespace tovaris::gui {

// A command button named for the commands and tests that find it.
inline QPushButton* NamedButton(const char* name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

// A command of a dialog's command row, added to its layout. Not the dialog's default button:
// Enter presses only the one command chosen for it.
inline QPushButton* AddCommand(QLayout& layout, QWidget* parent, const char* name,
                               const QString& caption) {
    QPushButton* button = NamedButton(name, caption, parent);
    button->setAutoDefault(false);
    layout.addWidget(button);
    return button;
}

}  // namespace tovaris::gui
