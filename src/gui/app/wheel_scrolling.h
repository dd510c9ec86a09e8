#pragma once

#include <QObject>

namespace tovaris::gui {

// The mouse wheel scrolls the screen, wherever the pointer is on it: over a command bar or a
// heading the screen's scrolling part moves, and a drop-down list or number box the wheel
// passes over keeps its choice unless it has the focus (a passing wheel must not change an
// entry unseen). Installed on the application for as long as it lives.
class WheelScrolling : public QObject {
    Q_OBJECT
  public:
    explicit WheelScrolling(QObject* parent = nullptr);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace tovaris::gui
