#pragma once

#include <QWidget>

#include "support/results_display.h"

class QLabel;

namespace tovaris::gui {

class RowsView;

// The result panel of the child support results screen: the engine's display rows in the two
// party columns, then the transfer sentence (wrapped to the panel), why the limits button is live,
// the method lines and the table notes.
class ResultsPanel : public QWidget {
    Q_OBJECT
  public:
    explicit ResultsPanel(QWidget* parent = nullptr);

    // Draws the display anew.
    void Show(const SupportDisplay& display);

    // Every text on the panel, top to bottom and left to right, for checks of what is shown.
    QStringList texts() const;

  private:
    QLabel* heads_[2];
    RowsView* income_[2];
    RowsView* facts_;
    RowsView* obligations_;
    QLabel* transfer_;
    QLabel* limitReasons_;
    QLabel* notes_;
};

}  // namespace tovaris::gui
