#pragma once

#include <QObject>
#include <QString>

#include "app/app_context.h"
#include "whatif/scenarios.h"

class QMenu;
class QMenuBar;
class QWidget;

namespace tovaris::gui {

class ComparisonWindow;

// The Express Entry screen's "Scenarios" menu: "Duplicate as scenario…", the scenario shown
// (one checked item per scenario), "Delete Scenario..." and "Compare Scenarios". It holds the
// case's scenarios and keeps them with the case file.
class ScenarioMenu : public QObject {
    Q_OBJECT

  public:
    ScenarioMenu(AppContext& context, QMenuBar& bar, QWidget& window);

    const whatif::ScenarioSet& scenarios() const { return set_; }

    // A new or cleared case has no scenarios; an opened one reads them from beside its file.
    void Forget();
    void ReadBeside(const QString& caseFile);
    // After the case file was saved: the scenarios beside it. A failure is said in a box.
    void WriteBeside(const QString& caseFile);

    void Duplicate(const QString& name);
    void Show(const QString& name);
    void Delete(const QString& name);
    ComparisonWindow& Compare();

  signals:
    // The screens show another scenario's entries.
    void scenarioShown();

  private:
    void RebuildItems();

    AppContext& context_;
    QWidget& window_;
    QMenu* menu_;
    QMenu* shown_;
    whatif::ScenarioSet set_;
    ComparisonWindow* comparison_ = nullptr;
};

}  // namespace tovaris::gui
