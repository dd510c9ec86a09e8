#pragma once

#include <QDialog>
#include <QString>

class QFileDialog;

namespace tovaris::gui {

// The folder browser: the prompt shown in full above the folders (a window title would cut it
// off), file-system folders only, "Choose" and "Cancel".
class FolderDialog : public QDialog {
    Q_OBJECT
  public:
    FolderDialog(const QString& prompt, const QString& start, QWidget* parent = nullptr);

    // The folder chosen, once the dialog was accepted.
    QString folder() const;

  private:
    QFileDialog* browser_;
};

}  // namespace tovaris::gui
