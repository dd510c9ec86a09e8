#pragma once

#include <QList>
#include <QMainWindow>
#include <memory>

#include "app/app_context.h"
#include "case/income_fields.h"
#include "case/income_period.h"

class QAction;
class QLabel;
class QLineEdit;
class QTabWidget;

namespace tovaris::gui {

class BusinessWindow;
class FieldBinder;
class ImputeWindow;
class RevealingInteraction;

// "Claimant's Income" and "Other Party's Income": one screen, two instances. Four pages of
// incomes, adjustments, credits and deductions, and the children from other relationships; the
// new spouse's column appears for a joint return. Amounts go into the case as they are typed;
// leaving an amount shows its page again as the case now holds it.
class IncomeWindow : public QMainWindow {
    Q_OBJECT
  public:
    IncomeWindow(AppContext& context, IncomeParty party, QWidget* parent = nullptr);
    ~IncomeWindow() override;

    // Shows the record again: fields, the period, the joint-return column, the choices' parts.
    void Refresh();

    // Exit: the closing steps; the screen hides only when they let it.
    void Exit();

    // The Business button: the party's business income screen.
    void ShowBusiness();

    // The impute button: the income imputation window for this party.
    void ShowImpute();

    IncomeParty party() const { return party_; }
    BusinessWindow* business() const { return business_; }

  signals:
    // The screen closed: the Express Entry gross income may have changed.
    void closed();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    QWidget* BuildIncomePage();
    QWidget* BuildAdjustmentsPage();
    QWidget* BuildCreditsPage();
    QWidget* BuildDeductionsPage();
    QWidget* BuildButtons();
    void ConnectEntries();

    QString Name(IncomeSource source, int column) const;
    QString Name(IncomeDeduction deduction) const;
    QString Role(const char* role) const;
    QString Who() const;
    void OnEdited(const QString& field);
    void OnLeft(QLineEdit* edit);
    void SetPeriod(IncomePeriod period);
    void RevealField(const QString& field);

    AppContext& context_;
    IncomeParty party_;
    std::unique_ptr<RevealingInteraction> interaction_;
    FieldBinder* binder_ = nullptr;
    QTabWidget* pages_ = nullptr;
    QWidget* incomePage_ = nullptr;
    QLabel* imputed_ = nullptr;
    QList<QLabel*> periodLabels_;  // one above each column of page 1
    QList<QAction*> periodItems_;
    QList<QWidget*> newSpouseWidgets_;
    QWidget* itemized_ = nullptr;
    QWidget* eicOptions_ = nullptr;
    QWidget* ageSixtyFiveRow_ = nullptr;
    QWidget* otherChildren_ = nullptr;  // the fields the 2nd family check box opens
    BusinessWindow* business_ = nullptr;
    ImputeWindow* impute_ = nullptr;  // made on first use
};

}  // namespace tovaris::gui
