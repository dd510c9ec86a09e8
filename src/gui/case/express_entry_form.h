#pragma once

#include <QWidget>

#include "app/app_context.h"
#include "case/express_layout.h"

class QGroupBox;
class QLabel;

namespace tovaris::gui {

class FieldBinder;

// The Express Entry screen's fields: case status, custody, possession, both parties' income and
// tax status, the children's expenses and the results. Typing goes straight into the case record;
// the engine's handlers keep the fields consistent and this form only shows what they leave.
class ExpressEntryForm : public QWidget {
    Q_OBJECT
  public:
    ExpressEntryForm(AppContext& context, QWidget* parent = nullptr);

    // Shows the record again (after Open, Clear or a calculation) with its layout.
    void Refresh();

    // Child support or maintenance first: which of the result fields are offered.
    void ShowCalculationOrder();

  signals:
    void command(const QString& button);

  private:
    QWidget* BuildCaseStatus();
    QWidget* BuildCustody();
    QWidget* BuildCaregiver();
    QWidget* BuildPossession();
    QWidget* BuildParty(bool claimant);
    QWidget* BuildExpenses();
    QWidget* BuildResults();
    QWidget* BuildButtons();

    void OnEdited(const QString& field);
    void ApplyLayout(const ExpressLayout& layout);
    void SetVisible(const char* name, bool visible);

    AppContext& context_;
    FieldBinder* binder_ = nullptr;
    QGroupBox* possession_ = nullptr;
    QWidget* timeShare_ = nullptr;
    QWidget* split_ = nullptr;
    QGroupBox* caregiver_ = nullptr;
    QList<QWidget*> childrenWidgets_;
};

}  // namespace tovaris::gui
