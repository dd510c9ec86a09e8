#pragma once

#include <QMainWindow>

#include "app/app_context.h"

class QAction;
class QMenu;

namespace tovaris::gui {

class CaseOptionActions;

// The hub: the case entry form with the program's full menu bar. Every other screen is opened
// from here, and closing it asks the quit question.
class ExpressEntryWindow : public QMainWindow {
    Q_OBJECT
  public:
    ExpressEntryWindow(AppContext& context, CaseOptionActions& options, QWidget* parent = nullptr);

    // Ticks the menus that mirror preferences and options (after start-up or a command).
    void SyncMenus();

    // A menu item by name, wherever it stands in the menu tree.
    QAction* menuItem(const QString& name) const;

    // Lets the window close without the question (the program is ending).
    void setQuitting(bool quitting) { quitting_ = quitting; }

  signals:
    void openWorksheet();
    void openFinancialDeclaration();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    QAction* AddItem(QMenu& menu, const char* name, const QString& caption, bool enabled = true);
    void BuildFileMenu();
    void BuildDefaultsMenu();
    void BuildToolsMenu();
    void BuildHelpMenu();
    QWidget* BuildHubButtons();

    void ChooseCalculationOrder(CalculationOrder order);
    void ChooseDataFolder();
    void OpenHelpFile(const QString& fileName);

    AppContext& context_;
    CaseOptionActions& options_;
    bool quitting_ = false;
};

}  // namespace tovaris::gui
