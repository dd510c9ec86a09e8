#pragma once

#include "calculators/calculator_window.h"

class QLabel;

namespace tovaris::gui {

// "Financial Calculations": seven time-value-of-money calculations on up to four entries.
class FinancialWindow : public CalculatorWindow {
    Q_OBJECT
  public:
    explicit FinancialWindow(AppContext& context, QWidget* parent = nullptr);

    // `CmdAnswer`: the chosen option's answer, or the entry error.
    void Calculate();
    // `CmdClear`: empties the entries and the answer.
    void Clear();
    void ChooseOption(int option);

  private:
    QWidget* BuildOptions();
    QWidget* BuildData();
    QWidget* BuildAnswer();
    void ClearAnswer();

    int option_ = 1;
    QLabel* labels_[4];
    QLabel* answerLabel_;
    QLabel* answerNote_;
};

}  // namespace tovaris::gui
