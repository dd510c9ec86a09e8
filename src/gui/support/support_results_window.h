#pragma once

#include <QMainWindow>

#include "app/app_context.h"
#include "support/results_commands.h"

class QAction;
class QActionGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QStackedWidget;

namespace tovaris::gui {

class BonusWindow;
class FlipWindow;
class CaseOptionActions;
class ResultsPanel;

// "Child Support": the outcome of the calculation, and the variations a practitioner tries on
// it without going back to data entry. Every command runs the calculation again and redraws.
class SupportResultsWindow : public QMainWindow {
    Q_OBJECT
  public:
    SupportResultsWindow(AppContext& context, CaseOptionActions& options,
                         QWidget* parent = nullptr);

    // Draws the results of the last calculation.
    void Redraw();

    // A new case: no typed net income, the standard panel.
    void ResetForNewCase();

    QAction* menuItem(const QString& name) const;

  signals:
    void returnToData();
    // A command ran the calculation: the Express Entry child support figure changed.
    void recalculated();
    void openOvernightEstimator();

  private:
    void BuildMenus();
    void BuildExtrapolationItems(QMenu& menu);
    QWidget* BuildLeftSide();
    QGroupBox* BuildPartyFrame(NetParty party);
    QGroupBox* BuildResultFrame();

    void Recalculate();
    void ApplyLimits();
    void ApplyDeviation();
    void ChangeNet(NetParty party);
    void ResetNet(NetParty party);
    void ChooseExtrapolation(Extrapolation method);
    void ChangeSubsistence();
    void ToggleTiers();
    void ShowBonusCalculator();
    void ShowFlipCalculator();
    void ShowResultCaption();
    static void ShowSwitchButton(QPushButton& button, const std::string& caption, bool enabled);

    AppContext& context_;
    CaseOptionActions& options_;
    QActionGroup* extrapolation_;
    QLineEdit* caseName_;
    QLineEdit* newNet_[2];  // Claimant's, Other Party's
    QPushButton* applyLimits_;
    QPushButton* applyDev_;
    QLabel* perChild_;
    QGroupBox* resultFrame_;
    QStackedWidget* resultStack_;
    ResultsPanel* panel_;
    QLabel* tierPanel_;
    BonusWindow* bonus_ = nullptr;
    FlipWindow* flip_ = nullptr;
};

}  // namespace tovaris::gui
