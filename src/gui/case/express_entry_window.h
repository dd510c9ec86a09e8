#pragma once

#include <QMainWindow>

#include "app/app_context.h"
#include "case/express_read_in.h"
#include "case/income_fields.h"
#include "case/saved_case.h"

class QAction;
class QMenu;

namespace tovaris::gui {

class CalculatorWindows;
class CaseOptionActions;
class ExpressEntryForm;
class IncomeWindow;
class EdSkillsWindow;
class MaintenanceWindow;
class OvernightEstimatorWindow;
class ParentingTimeWindow;
class ScenarioMenu;
class SupportResultsWindow;

// The hub: the case entry form with the program's full menu bar. Every other screen is opened
// from here, and closing it asks the quit question.
class ExpressEntryWindow : public QMainWindow {
    Q_OBJECT
  public:
    ExpressEntryWindow(AppContext& context, CaseOptionActions& options, QWidget* parent = nullptr);
    ~ExpressEntryWindow() override;

    // Ticks the menus that mirror preferences and options (after start-up or a command).
    void SyncMenus();

    // A menu item by name, wherever it stands in the menu tree.
    QAction* menuItem(const QString& name) const;

    // Shows the case record again, after it changed outside this screen.
    void RefreshForm();

    // Lets the window close without the question (the program is ending).
    void setQuitting(bool quitting) { quitting_ = quitting; }

    // The child support results screen, once the button has shown it.
    SupportResultsWindow* supportResults() const { return supportResults_; }
    MaintenanceWindow* maintenanceResults() const { return maintenance_; }
    ScenarioMenu* scenarioMenu() const { return scenarios_; }

    // The case as it stands is a new, unsaved one with nothing to lose (start-up).
    void StartNewCase();

    // File menu commands; Open takes the file from the dialog unless one is given.
    void SaveCase();
    void OpenCase(const QString& path = {});

  signals:
    void openWorksheet();
    void openFinancialDeclaration();
    // A case was opened or cleared: every screen shows the record again.
    void caseChanged();
    // A case file was opened (after caseChanged).
    void caseOpened();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildFileMenu();
    void BuildDefaultsMenu();
    void BuildToolsMenu();
    void BuildHelpMenu();
    void RunFormCommand(const QString& button);
    void OpenIncomeScreen(IncomeParty party);
    bool Stopped(const ReadInResult& result);
    void RunChildSupport();
    template <typename Screen>
    void AttachResultScreen(Screen& screen);
    template <typename Screen>
    void ShowResults(Screen& screen);
    void ShowNewCase();
    void RunMaintenance();
    // Tool windows are made on first use and kept, like every screen.
    template <typename Window>
    void ShowOnce(Window*& window);

    void ChooseCalculationOrder(CalculationOrder order);
    void ChooseDataFolder();
    // The window title names the open file and marks a case changed since it was saved.
    void ShowCaseState();

    AppContext& context_;
    CaseOptionActions& options_;
    ExpressEntryForm* form_;
    OvernightEstimatorWindow* estimator_ = nullptr;
    CalculatorWindows* calculators_;
    EdSkillsWindow* edSkills_ = nullptr;
    ParentingTimeWindow* parentingTime_;
    SupportResultsWindow* supportResults_ = nullptr;
    MaintenanceWindow* maintenance_ = nullptr;
    IncomeWindow* income_[2];  // Claimant's, Other Party's
    ScenarioMenu* scenarios_;
    SavedCase saved_;
    bool quitting_ = false;
};

}  // namespace tovaris::gui
