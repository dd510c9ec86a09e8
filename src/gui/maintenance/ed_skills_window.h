#pragma once

#include <QDialog>

namespace tovaris::gui {

// "Education/Skills Reference Table": the two tables from which the user picks the Claimant's
// weighted education and skills score for the Express Entry screen.
class EdSkillsWindow : public QDialog {
    Q_OBJECT
  public:
    explicit EdSkillsWindow(QWidget* parent = nullptr);
};

}  // namespace tovaris::gui
