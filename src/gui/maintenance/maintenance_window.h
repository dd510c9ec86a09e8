#pragma once

#include <QMainWindow>

#include "app/app_context.h"

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

namespace tovaris::gui {

class BonusWindow;
class RowsView;

// "Recommended Spousal Maintenance": the case score, the term and award recommendation with
// both parties' yearly figures, a typed award in place of the suggestion, and the present value
// of the award.
class MaintenanceWindow : public QMainWindow {
    Q_OBJECT
  public:
    explicit MaintenanceWindow(AppContext& context, QWidget* parent = nullptr);

    // Shows the last recommendation.
    void Redraw();

    QAction* menuItem(const QString& name) const;

  signals:
    void returnToData();
    void openOvernightEstimator();
    // A command ran the recommendation again: the Express Entry figures changed.
    void recalculated();

  private:
    void BuildMenus();
    QWidget* BuildLeftSide();
    QWidget* BuildRightSide();
    QGroupBox* Frame(const char* name, const QString& caption, QWidget* parent);
    QLabel* TextArea(const char* name, QWidget* parent);

    void ShowRecommendation();
    void ChangeAward();
    void UseSuggested();
    void ComputePresentValue();
    void ShowBonusCalculator();

    AppContext& context_;
    QLineEdit* caseName_;
    QLineEdit* caseScore_;
    QLabel* comment_;
    QLabel* terms_;
    QLabel* award_;
    QLineEdit* newAward_;
    QLabel* status_;
    RowsView* columns_[2];  // Claimant's, Other Party's
    QLabel* heads_[2];
    RowsView* caseData_;
    QLineEdit* pvDuration_;
    QLineEdit* pvTax_;
    QLineEdit* pvDiscount_;
    QLabel* pvResult_;
    BonusWindow* bonus_ = nullptr;
};

}  // namespace tovaris::gui
