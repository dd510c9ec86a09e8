#pragma once

#include "calculators/calculator_window.h"
#include "calculators/dependency_flip.h"

namespace tovaris::gui {

class RowsView;

// "Change In Dependency And/Or Overnights Calculator": the child support calculation tried
// with other children claimed for the child tax credit or, in a shared case, other overnights.
// The engine gives the case back exactly as it was; this window shows the differences. The
// revised entries are named "Revised" + the figure's name, so that they are never taken for the
// Express Entry fields of the same name.
class FlipWindow : public CalculatorWindow {
    Q_OBJECT
  public:
    FlipWindow(AppContext& context, QWidget* parent = nullptr);

    // Shows the window on the case's figures as its last calculation left them.
    void Open();

  signals:
    // A calculation ran (and gave the case back).
    void calculated();

  private:
    QWidget* BuildFigures(const char* name, const QString& caption, const char* prefix,
                          bool entries);
    QWidget* BuildButtons();
    void Calculate();
    void Reset();
    void PrintImage();
    void SetRevised(const calculators::FlipEntries& entries);
    calculators::FlipEntries Revised() const;
    // Outside a shared schedule the overnights are left blank: they price nothing there.
    calculators::FlipEntries WithNightsShown(calculators::FlipEntries entries) const;
    void SetText(const QString& name, const std::string& text);

    AppContext& context_;
    calculators::FlipFigures initial_;
    bool shared_ = false;
    RowsView* results_;
};

}  // namespace tovaris::gui
