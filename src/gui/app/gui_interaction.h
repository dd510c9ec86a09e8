#pragma once

#include "common/interaction.h"

#include <QString>

class QWidget;

namespace tovaris::gui {

// The engine's questions and messages shown as the program's own dialogs.
class GuiInteraction : public Interaction {
  public:
    int Box(const std::string& title, const std::string& message, BoxButtons buttons) override;
    void Notice(const std::string& title, const std::string& message) override;
    std::optional<std::string> Ask(const std::string& title, const std::string& prompt,
                                   const std::string& proposed) override;
    // Finds the field's control by object name on any screen and gives it the focus.
    void FocusField(const std::string& field) override;
    void Beep() override;
};

// The control named `name` on any open screen, or nullptr.
QWidget* FindControl(const QString& name);

}  // namespace tovaris::gui
