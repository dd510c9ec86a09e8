#pragma once

#include <QObject>
#include <QString>
#include <vector>

#include "case/case_record.h"

class QAction;
class QActionGroup;
class QMenu;

namespace tovaris::gui {

// The checkable calculation-default menu items. Each exists once and is added to every menu
// that offers it (Express Entry, results, worksheet), so a click anywhere is seen everywhere.
class CaseOptionActions : public QObject {
    Q_OBJECT
  public:
    CaseOptionActions(CaseRecord& record, QObject* parent = nullptr);

    void AddEconomicTableItems(QMenu& menu);
    void AddExtrapolationItems(QMenu& menu);
    void AddOtherFamilyItems(QMenu& menu);
    void AddSplitItems(QMenu& menu);
    void AddSharedItems(QMenu& menu);
    void AddTaxRulesItems(QMenu& menu);

    // Re-reads the ticks from the case options (after a command changed them).
    void SyncFromRecord();

    QAction* action(const QString& name) const;

  signals:
    // The user picked the federal tax rules (kept as a preference by the menu's owner).
    void taxRulesChosen(FederalTaxRules rules);

  private:
    QActionGroup* MakeGroup(std::initializer_list<std::pair<const char*, const char*>> items);

    CaseRecord& record_;
    QActionGroup* table_;
    QActionGroup* extrapolation_;
    QActionGroup* otherFamily_;
    QActionGroup* split_;
    QActionGroup* shared_;
    QActionGroup* taxRules_;
};

}  // namespace tovaris::gui
