#pragma once

#include <QDialog>
#include <functional>

#include "tax/credit_lines.h"

namespace tovaris::gui {

// The credits pop-up of the results and maintenance screens: one party's federal credits line
// by line, as the last calculation left them. With `print` and `preview` it offers the page
// "Federal Tax Credits" of both parties: printed after the print dialog, or previewed (and
// saved as PDF) once the pop-up has closed.
class CreditsDialog : public QDialog {
    Q_OBJECT
  public:
    CreditsDialog(const tax::CreditLines& credits, QWidget* parent = nullptr,
                  std::function<void()> print = {}, std::function<void()> preview = {});
};

// Shows the party's credits of the open case and waits until the user closes them.
void ShowPartyCredits(const CaseRecord& record, IncomeParty party, QWidget* parent);

}  // namespace tovaris::gui
