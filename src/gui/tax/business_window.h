#pragma once

#include <QMainWindow>

#include "app/app_context.h"
#include "case/income_fields.h"
#include "case/income_period.h"

namespace tovaris::gui {

class FieldBinder;

// "Claimant's Business Income" and "Other Party's Business Income": one screen, two instances,
// a column for the party and one for the new spouse. It splits the business income into
// self-employment income, S-corporation wages and pass-through distributions, and holds what
// the business income deduction needs.
class BusinessWindow : public QMainWindow {
    Q_OBJECT
  public:
    BusinessWindow(AppContext& context, IncomeParty party, QWidget* parent = nullptr);

    void Refresh();
    void Exit();

  signals:
    // The screen closed: the income screen's business income may have changed.
    void closed();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    QWidget* BuildColumns();
    void BuildMenus();
    void OnEdited(const QString& field);

    AppContext& context_;
    IncomeParty party_;
    FieldBinder* binder_;
    QList<QWidget*> newSpouseWidgets_;
};

}  // namespace tovaris::gui
