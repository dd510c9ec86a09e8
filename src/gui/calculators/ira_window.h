#pragma once

#include "calculators/calculator_window.h"
#include "calculators/ira_withdrawals.h"

class QListWidget;

namespace tovaris::gui {

// "72(t) IRA Withdrawals": the penalty-free withdrawals of the three 72(t) methods and the
// account's projected balance for the chosen one.
class IraWindow : public CalculatorWindow {
    Q_OBJECT
  public:
    explicit IraWindow(AppContext& context, QWidget* parent = nullptr);

    void Calculate();

  private:
    QWidget* BuildHolder();
    QWidget* BuildWithdrawals();
    QWidget* BuildProjection();
    QWidget* BuildButtons();
    calculators::Ira72tEntries ReadEntries() const;
    void ShowRatesHelp();
    void ClearResults();

    QListWidget* projection_;
};

}  // namespace tovaris::gui
