#pragma once

#include <QScrollArea>

#include "app/app_context.h"

class QGridLayout;
class QLabel;

namespace tovaris::gui {

class FieldBinder;

// The worksheet screen: the header and every line of the engine's worksheet table, one row per
// box with Column 1 and Column 2 side by side. It scrolls; the frame window's bar runs its
// commands.
class WorksheetPage : public QScrollArea {
    Q_OBJECT
  public:
    WorksheetPage(AppContext& context, QWidget* parent = nullptr);

    // Shows the case record again after a command changed it.
    void Refresh();

    // The worksheet font on every control, the title at its own size.
    void ApplyFont(const QFont& font, double titlePoints);

  private:
    QWidget* BuildHeader();
    void AddLine(QGridLayout& grid, int& row, int lineIndex);
    void AddNotes(QGridLayout& grid, int& row, std::string_view lineId);

    AppContext& context_;
    FieldBinder* binder_;
    QLabel* title_;
};

}  // namespace tovaris::gui
