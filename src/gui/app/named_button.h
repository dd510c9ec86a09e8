#pragma once

#include <QPushButton>

namespace tovaris::gui {

// A command button named for the commands and tests that find it.
inline QPushButton* NamedButton(const char* name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

}  // namespace tovaris::gui
