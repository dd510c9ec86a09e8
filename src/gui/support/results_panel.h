#pragma once

#include <QWidget>

#include "support/results_display.h"

class QGridLayout;
class QLabel;

namespace tovaris::gui {

// The result panel of the child support results screen: the engine's display rows laid out in
// the two party columns, then the transfer sentence, the method lines and the table notes.
class ResultsPanel : public QWidget {
    Q_OBJECT
  public:
    explicit ResultsPanel(QWidget* parent = nullptr);

    // Clears the panel and draws the display anew.
    void Show(const SupportDisplay& display);

    // Every text on the panel, top to bottom and left to right, for checks of what is shown.
    QStringList texts() const;

  private:
    void Clear();
    QLabel* AddText(const QString& text, int row, int column, Qt::Alignment alignment,
                    int columnSpan = 1);
    int AddColumns(const DisplayRows& left, const DisplayRows& right, int row);
    int AddLines(const std::vector<std::string>& lines, int row);

    QGridLayout* grid_;
};

}  // namespace tovaris::gui
