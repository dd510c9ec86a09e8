#pragma once

#include <QMainWindow>

#include "app/app_context.h"
#include "case/income_fields.h"
#include "case/income_period.h"

class QLabel;
class QTabWidget;

namespace tovaris::gui {

class BusinessWindow;
class FieldBinder;

// "Claimant's Income" and "Other Party's Income": one screen, two instances. Four pages of
// incomes, adjustments, credits and deductions, and the children from other relationships; the
// new spouse's column appears for a joint return. Amounts go into the case as they are typed.
class IncomeWindow : public QMainWindow {
    Q_OBJECT
  public:
    IncomeWindow(AppContext& context, IncomeParty party, QWidget* parent = nullptr);

    // Shows the record again: fields, the period, the joint-return column, the choices' parts.
    void Refresh();

    // Exit: the closing steps; the screen hides only when they let it.
    void Exit();

    IncomeParty party() const { return party_; }
    BusinessWindow* business() const { return business_; }

  signals:
    // The screen closed: the Express Entry gross income may have changed.
    void closed();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    QWidget* BuildIncomePage();
    QWidget* BuildAdjustmentsPage();
    QWidget* BuildCreditsPage();
    QWidget* BuildDeductionsPage();
    void BuildMenus();

    QString Name(IncomeSource source, int column) const;
    QString Name(IncomeDeduction deduction) const;
    QString Role(const char* role) const;
    void OnEdited(const QString& field);
    void SetPeriod(IncomePeriod period);

    AppContext& context_;
    IncomeParty party_;
    FieldBinder* binder_;
    QTabWidget* pages_;
    QLabel* imputed_;
    QList<QLabel*> periodLabels_;
    QList<QWidget*> newSpouseWidgets_;
    BusinessWindow* business_;
};

}  // namespace tovaris::gui
