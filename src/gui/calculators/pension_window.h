#pragma once

#include "calculators/calculator_window.h"
#include "calculators/pension_valuator.h"

namespace tovaris::gui {

// "Defined Benefit Plans": the present value of one holder's defined benefit pension.
class PensionWindow : public CalculatorWindow {
    Q_OBJECT
  public:
    explicit PensionWindow(AppContext& context, QWidget* parent = nullptr);

    // `RunDBReport`: the report from the entries, or the entry error.
    void RunDBReport();

  private:
    QWidget* BuildHolder();
    QWidget* BuildAges();
    QWidget* BuildRates();
    QWidget* BuildReport();
    QWidget* BuildButtons();
    calculators::PensionEntries ReadEntries() const;
    bool Checked(const char* option) const;
    void ShowTerminatingAge();
    void ClearReport();
};

}  // namespace tovaris::gui
