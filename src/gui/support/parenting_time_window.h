#pragma once

#include <QWidget>

#include "app/app_context.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace tovaris::gui {

class FieldBinder;

// "Parenting Time - Based On Overnight Possession Of Children": each minor's overnights with
// each parent, oldest child first, and the average overnights for each family size that the
// shared schedules use.
class ParentingTimeWindow : public QWidget {
    Q_OBJECT
  public:
    ParentingTimeWindow(AppContext& context, QWidget* parent = nullptr);

    // Shows the table for the case as it stands (number of minors, nights).
    void Refresh();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void OnEdited(const QString& field);
    int Minors() const;  // as typed on the Express Entry screen, 0 when not a number
    QPushButton* PrintButton();
    void ShowAverages(int minors);

    AppContext& context_;
    FieldBinder* binder_;
    QList<QLabel*> rowLabels_;
    QList<QList<QWidget*>> rows_;
    QTableWidget* averages_;
};

}  // namespace tovaris::gui
