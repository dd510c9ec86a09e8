#pragma once

#include <functional>

class QLineEdit;
class QPushButton;
class QWidget;

namespace tovaris::gui {

// Escape anywhere in the window runs its cancel or return command.
void OnEscape(QWidget& window, std::function<void()> command);

// Enter in a typed-amount box presses the command beside it.
void OnEnter(QLineEdit& box, QPushButton& command);

}  // namespace tovaris::gui
