#pragma once

#include <QDialog>
#include <optional>

#include "app/app_context.h"
#include "calculators/income_imputation.h"

class QButtonGroup;
class QComboBox;
class QLineEdit;
class QRadioButton;

namespace tovaris::gui {

// "IMPUTE INCOME": one party's income replaced by an imputed income, by the party's historical
// earnings, the census median or the state minimum wage. "OK" applies the chosen option to the
// party's income screen; "Cancel", Escape and the close button leave the case as it was.
class ImputeWindow : public QDialog {
    Q_OBJECT
  public:
    ImputeWindow(AppContext& context, IncomeParty party, QWidget* parent = nullptr);

    // Shows the window on the party's imputation as it stands.
    void Open();

  signals:
    // The chosen option changed the party's income screen.
    void imputed();

  protected:
    void accept() override;

  private:
    QWidget* BuildOptions();
    QWidget* BuildMinimumWage();
    QWidget* BuildMedian();
    void ShowFigures();
    std::optional<calculators::ImputationFigures> Figures() const;
    calculators::ImputeMethod Chosen() const;

    AppContext& context_;
    IncomeParty party_;
    QButtonGroup* options_;
    QComboBox* state_;
    QLineEdit* hourly_;
    QLineEdit* moMin_;
    QRadioButton* male_;
    QRadioButton* female_;
    QComboBox* ageBand_;
    QLineEdit* netMedian_;
    QLineEdit* grossMedian_;
};

}  // namespace tovaris::gui
