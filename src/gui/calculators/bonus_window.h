#pragma once

#include <QWidget>
#include <functional>
#include <optional>
#include <string>

#include "common/display_row.h"

class QLineEdit;
class QPushButton;

namespace tovaris::gui {

class RowsView;

// "Bonus Calculator": the Other Party's average yearly bonus in, the engine's comparison with
// and without it out. The engine restores the case afterwards; this window only shows lines.
class BonusWindow : public QWidget {
    Q_OBJECT
  public:
    // Runs the calculation on the typed bonus: the lines to show, or nothing when the entry was
    // refused (the engine said why).
    using Run = std::function<std::optional<DisplayRows>(const std::string&)>;

    BonusWindow(const QString& title, Run run, QWidget* parent = nullptr);

    // Shows the screen's calculator, made on first use and kept.
    static void ShowOnce(BonusWindow*& window, const QString& title, Run run, QWidget* parent);

  private:
    void Calculate();
    void Print();

    Run run_;
    QString title_;
    QLineEdit* bonus_;
    QPushButton* print_;
    std::string printedBonus_;  // the bonus of the lines shown
    DisplayRows lines_;
    RowsView* results_;
};

}  // namespace tovaris::gui
