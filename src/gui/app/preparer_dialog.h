#pragma once

#include <QDialog>

#include "common/preference_store.h"

namespace tovaris::gui {

// "Preparer's Name and Office": the preparer line of printed reports, saved when it closes.
class PreparerDialog : public QDialog {
    Q_OBJECT
  public:
    PreparerDialog(PreferenceStore& preferences, QWidget* parent = nullptr);

    void done(int result) override;

  private:
    PreferenceStore& preferences_;
};

}  // namespace tovaris::gui
