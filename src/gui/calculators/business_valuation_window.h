#pragma once

#include "calculators/calculator_window.h"

class QScrollBar;

namespace tovaris::gui {

// "Professional Practice/Sole Proprietorship Business Valuation Model": the excess earnings
// method, with five sliders that help choose the earnings multiplier.
class BusinessValuationWindow : public CalculatorWindow {
    Q_OBJECT
  public:
    explicit BusinessValuationWindow(AppContext& context, QWidget* parent = nullptr);

    void Calculate();
    // Empties the entries and the values; the multiplier goes back to "3", the sliders to the
    // middle.
    void Clear();

  private:
    QWidget* BuildAssets();
    QWidget* BuildEarnings();
    QWidget* BuildMultiplier();
    QWidget* BuildExplanation();
    QWidget* BuildResults();
    QWidget* BuildButtons();
    void MoveSlider(int slider, int position);
    void ClearResults();

    QScrollBar* sliders_[5];
    int positions_[5];
};

}  // namespace tovaris::gui
