#pragma once

#include <QDialog>
#include <QString>

class QLineEdit;

namespace tovaris::gui {

// The program's input box: a title, a prompt that wraps onto as many lines as it needs, an
// entry with the proposed answer, and "OK" / "Cancel". Never wider than the desktop.
class InputBox : public QDialog {
    Q_OBJECT
  public:
    InputBox(const QString& title, const QString& prompt, const QString& proposed,
             QWidget* parent = nullptr);

    QString answer() const;

  private:
    QLineEdit* entry_;
};

}  // namespace tovaris::gui
