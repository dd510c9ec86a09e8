#pragma once

#include <QDialog>

#include "common/interaction.h"
#include "common/preference_store.h"

class QGroupBox;
class QLabel;
class QLineEdit;

namespace tovaris::gui {

// Menu `Scaling`, the display scaling screen: the factor "MonAdj" that the next start applies
// to the screens, with a preview of text at the factor typed.
class ScalingDialog : public QDialog {
    Q_OBJECT
  public:
    // `currentFactor` is the factor this run was started with.
    ScalingDialog(PreferenceStore& preferences, Interaction& interaction, double currentFactor,
                  QWidget* parent = nullptr);

  private:
    void Apply();
    void Reset();
    void ShowPreview();

    PreferenceStore& preferences_;
    Interaction& interaction_;
    double currentFactor_;
    QLineEdit* factor_;
    QGroupBox* preview_;
    QLabel* status_;
};

}  // namespace tovaris::gui
