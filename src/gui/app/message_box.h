#pragma once

#include <QDialog>
#include <QString>

#include "common/interaction.h"

class QLabel;

namespace tovaris::gui {

// The program's own modal message box: a title, a message that the box grows to fit, and
// either "OK" or "Yes"/"No". Returns kAnswerOk, kAnswerYes (6) or kAnswerNo (7).
class MessageBox : public QDialog {
    Q_OBJECT
  public:
    MessageBox(const QString& title, const QString& message, BoxButtons buttons,
               QWidget* parent = nullptr);

    int answer() const { return answer_; }

  private:
    void AddButton(const QString& caption, int answer, bool isDefault);

    int answer_;
    QWidget* buttonRow_;
};

// Shows the box and waits for the answer.
int Box(const QString& title, const QString& message, BoxButtons buttons,
        QWidget* parent = nullptr);

}  // namespace tovaris::gui
