#pragma once

#include <QMainWindow>

#include "app/app_context.h"
#include "whatif/sweep.h"

class QCheckBox;
class QChart;
class QChartView;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenuBar;
class QSpinBox;

namespace tovaris::gui {

// "Chart": the child support transfer (and, on request, each household's income after support
// and maintenance) against one input varied over a range, with the lines where a rule changes
// and the point of the case as it stands. Every point is a run of the screen's own command.
class SweepChartWindow : public QMainWindow {
  public:
    SweepChartWindow(AppContext& context, whatif::SweepCalculation calculation,
                     QWidget* parent = nullptr);

    // Draws the chart for the entries shown; a refused range is said in a box.
    void Draw();
    // Puts the range around the input's present value and draws.
    void Reset();

    const whatif::Sweep& sweep() const { return sweep_; }

  private:
    QWidget* BuildEntries();
    void SuggestRange();
    void ShowSeries();
    void AddThresholdLines(QChart& chart, double low, double high);
    void ShowGaps();
    void ShowFiguresNear(double x);
    void SavePng();
    void SavePdf();

    AppContext& context_;
    whatif::SweepCalculation calculation_;
    whatif::Sweep sweep_;
    QComboBox* input_ = nullptr;
    QLineEdit* from_ = nullptr;
    QLineEdit* to_ = nullptr;
    QSpinBox* steps_ = nullptr;
    QCheckBox* households_ = nullptr;
    QChartView* view_ = nullptr;
    QLabel* figures_ = nullptr;
};

// Adds the "What If" menu with "Chart…" to a results screen; the window is made on first use
// and kept, like the other screens.
void AddChartMenu(QMenuBar& bar, AppContext& context, QWidget& screen,
                  whatif::SweepCalculation calculation);

}  // namespace tovaris::gui
