#pragma once

#include <QObject>

class QMenuBar;
class QWidget;

namespace tovaris::gui {

struct AppContext;
class BusinessValuationWindow;
class FinancialWindow;
class IraWindow;
class PensionWindow;

// The auxiliary calculator windows, made on first use and kept, opened from the items of every
// Tools menu that lists them.
class CalculatorWindows : public QObject {
    Q_OBJECT
  public:
    CalculatorWindows(AppContext& context, QWidget* owner);

    // Enables and connects the calculator items the menu bar holds.
    void Wire(QMenuBar& bar);

  private:
    template <typename Window>
    void Show(Window*& window);

    AppContext& context_;
    QWidget* owner_;
    FinancialWindow* financial_ = nullptr;
    BusinessValuationWindow* business_ = nullptr;
    PensionWindow* pension_ = nullptr;
    IraWindow* ira_ = nullptr;
};

}  // namespace tovaris::gui
