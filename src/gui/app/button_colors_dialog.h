#pragma once

#include <QDialog>
#include <functional>

#include "case/appearance.h"

class QPushButton;
class QCheckBox;

namespace tovaris::gui {

// Menu `Color`, "Change Button Colors": the command buttons' face, text and theme colours,
// their style and border, and the screen colour. Each command writes the preferences and
// recolours every screen at once.
class ButtonColorsDialog : public QDialog {
    Q_OBJECT
  public:
    explicit ButtonColorsDialog(PreferenceStore& preferences, QWidget* parent = nullptr);

    // Asks for a colour starting from the current one; an invalid colour means cancelled.
    // The colour dialog unless replaced (the tests answer it).
    std::function<QColor(const QColor& current, const QString& title)> askColor;

    const ButtonAppearance& choice() const { return choice_; }

  private:
    QPushButton* AddSwatch(const char* name, const QString& caption,
                           uint32_t ButtonAppearance::*color);
    void ShowChoice();
    void Apply();
    void UseScreenColors(ScreenColors colors);
    void Reset();

    PreferenceStore& preferences_;
    ButtonAppearance choice_;
    QPushButton* sample_;
    QCheckBox* visualStyle_;
    QCheckBox* flat_;
    std::vector<std::pair<QPushButton*, uint32_t ButtonAppearance::*>> swatches_;
};

}  // namespace tovaris::gui
