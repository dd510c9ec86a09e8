#pragma once

#include <QWidget>

#include "common/display_row.h"

#include <string>
#include <vector>

class QGridLayout;

namespace tovaris::gui {

// A column of display rows: each label on the left, its value right-aligned beside it.
class RowsView : public QWidget {
    Q_OBJECT
  public:
    explicit RowsView(QWidget* parent = nullptr);

    void SetRows(const DisplayRows& rows);

    // Labels and values in order, for checks of what is shown.
    QStringList texts() const;

  private:
    QGridLayout* grid_;
};

// Text lines of the engine as one multi-line text.
QString JoinLines(const std::vector<std::string>& lines);

}  // namespace tovaris::gui
