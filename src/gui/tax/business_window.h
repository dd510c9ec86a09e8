#pragma once

#include <QList>
#include <QMainWindow>

#include "app/app_context.h"
#include "case/income_fields.h"

class QAction;
class QLabel;
class QLineEdit;
class QGridLayout;

namespace tovaris::gui {

class FieldBinder;

// "Claimant's Business Income" and "Other Party's Business Income": one screen, two instances,
// a column for the party and one for the new spouse (shown for a joint return). Sole
// proprietorships A and B, S-corporations C and D, and the REIT line split the party's business
// income into self-employment income, S-corporation wages and pass-through distributions; the
// sum becomes the business income of the party's income screen.
class BusinessWindow : public QMainWindow {
    Q_OBJECT
  public:
    BusinessWindow(AppContext& context, IncomeParty party, QWidget* parent = nullptr);
    ~BusinessWindow() override;

    // Re-reads the entries, derives the totals and the income screen's business income, and
    // shows the record again.
    void Refresh();

    // Exit: the income screen takes the business income, and the screen hides.
    void Exit();

    IncomeParty party() const { return party_; }

  signals:
    // The screen closed: the income screen's business income may have changed.
    void closed();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    QWidget* BuildBusinesses();
    int AddBusiness(QGridLayout& grid, int row, int side, char business);
    void AddTotal(QGridLayout& grid, int row, const char* name, const QString& caption);
    void OnEdited(const QString& field);

    AppContext& context_;
    IncomeParty party_;
    FieldBinder* binder_ = nullptr;
    QWidget* content_ = nullptr;
    QLabel* periodLabel_ = nullptr;
    QList<QAction*> periodItems_;
    QList<QWidget*> newSpouseWidgets_;
};

}  // namespace tovaris::gui
