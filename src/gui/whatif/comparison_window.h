#pragma once

#include <QMainWindow>

#include "app/app_context.h"
#include "whatif/scenario_comparison.h"

class QTableWidget;

namespace tovaris::gui {

// "Compare Scenarios": the scenarios' results side by side, a figure that differs from
// "Current" highlighted.
class ComparisonWindow : public QMainWindow {
  public:
    explicit ComparisonWindow(AppContext& context, QWidget* parent = nullptr);

    // Shows the comparison, the window raised.
    void Show(const whatif::Comparison& comparison);

    QTableWidget* table() const { return table_; }

  private:
    void PreviewPrintout();

    AppContext& context_;
    QTableWidget* table_;
    whatif::Comparison comparison_;
};

}  // namespace tovaris::gui
