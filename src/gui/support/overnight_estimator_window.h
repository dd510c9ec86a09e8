#pragma once

#include <QDialog>

#include "support/overnight_estimator.h"

class QButtonGroup;
class QLineEdit;

namespace tovaris::gui {

// "Overnight Count Organizer/Estimator": turns a school-year and vacation schedule into the
// children's yearly overnights with one parent. Nothing here belongs to the case.
class OvernightEstimatorWindow : public QDialog {
    Q_OBJECT
  public:
    explicit OvernightEstimatorWindow(QWidget* parent = nullptr);

    // Counts the overnights; an entry mistake is shown and leaves the total empty.
    void Calculate();
    // The typical school year: 37 weeks of school, 2 of Christmas, 2 of breaks, 11 of summer.
    void Clear();

  private:
    QWidget* BuildSchool();
    QWidget* BuildPeriod(const char* prefix, const QString& caption, const QString& weeksLabel,
                         bool summer);
    support::OvernightEntries ReadEntries() const;
    support::VacationSchedule ScheduleOf(const char* prefix) const;
    QLineEdit* Edit(const QString& name) const;

    QLineEdit* total_;
};

}  // namespace tovaris::gui
