#include "support/overnight_estimator_window.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/message_box.h"
#include "common/entry_text.h"
#include "common/format.h"

namespace tovaris::gui {

namespace {

using support::VacationSchedule;

struct ScheduleChoice {
    const char* suffix;
    const char* caption;
    VacationSchedule schedule;
};

constexpr ScheduleChoice kScheduleChoices[] = {
    {"Con", "Continuation of School Year Schedule", VacationSchedule::Continuation},
    {"ConPlus", "Continuation of School Year Schedule But With",
     VacationSchedule::ContinuationWithWeeks},
    {"Half", "Vacation Period Is Split Into Halves", VacationSchedule::Halves},
    {"Other", "Other (Enter Number of Overnights)", VacationSchedule::Other},
};

// The boxes Clear fills, with their values.
struct Default {
    const char* name;
    const char* value;
};
constexpr Default kDefaults[] = {
    {"SchoolWeeks", "37"}, {"SchoolNights", "0"}, {"XMassWeeks", "2"},   {"XMassNights", "0"},
    {"BreakWeeks", "2"},   {"BreakNights", "0"},  {"SummerWeeks", "11"}, {"SummerConWeeks", "0"},
    {"SummerNights", "0"}, {"OtherNights", "0"},
};

QLineEdit* MakeEdit(QWidget* parent, const QString& name) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setMaximumWidth(70);
    return edit;
}

std::optional<double> NumberIn(const QLineEdit* edit) {
    return ReadAmount(edit->text().toStdString());
}

}  // namespace

OvernightEstimatorWindow::OvernightEstimatorWindow(QWidget* parent) : QDialog(parent) {
    setObjectName("OvernightEstimator");
    setWindowTitle("Overnight Count Organizer/Estimator");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuildSchool());
    layout->addWidget(BuildPeriod("XMass", "Christmas Vacation",
                                  "Number of Weeks of XMas Vacation (Typically 2 Wks)", false));
    layout->addWidget(BuildPeriod("Break", "Mid-Winter And Spring Breaks",
                                  "Number of Weeks of School Breaks (Typically 2 Wks)", false));
    layout->addWidget(BuildPeriod("Summer", "Summer Vacation",
                                  "Number of Weeks of Summer Vacation (Typically 11 Wks)", true));

    auto* totals = new QGridLayout;
    totals->addWidget(new QLabel("Number of Other Overnights Not Indicated Above", this), 0, 0);
    totals->addWidget(MakeEdit(this, "OtherNights"), 0, 1);
    totals->addWidget(new QLabel("Total Overnights Based on Above Schedule", this), 1, 0);
    total_ = MakeEdit(this, "TotalNights");
    total_->setReadOnly(true);
    totals->addWidget(total_, 1, 1);
    layout->addLayout(totals);

    auto* buttons = new QHBoxLayout;
    const std::pair<const char*, const char*> commands[] = {
        {"Calculate", "Calculate Overnights"}, {"Clear", "Clear"}, {"Return", "Return"}};
    for (const auto& [name, caption] : commands) {
        auto* button = new QPushButton(caption, this);
        button->setObjectName(name);
        buttons->addWidget(button);
    }
    layout->addLayout(buttons);
    // Enter calculates; Escape, like Return, hides the window (the dialog's reject).
    findChild<QPushButton*>("Calculate")->setDefault(true);
    connect(findChild<QPushButton*>("Calculate"), &QPushButton::clicked, this,
            &OvernightEstimatorWindow::Calculate);
    connect(findChild<QPushButton*>("Clear"), &QPushButton::clicked, this,
            &OvernightEstimatorWindow::Clear);
    connect(findChild<QPushButton*>("Return"), &QPushButton::clicked, this, &QDialog::hide);
    Clear();
}

QWidget* OvernightEstimatorWindow::BuildSchool() {
    auto* box = new QGroupBox("School Year", this);
    auto* grid = new QGridLayout(box);
    grid->addWidget(new QLabel(" Number of Weeks in School Year (Typically 37 Wks)", box), 0, 0);
    grid->addWidget(MakeEdit(box, "SchoolWeeks"), 0, 1);
    grid->addWidget(new QLabel(" Number of Overnights Per Two-Week School Period", box), 1, 0);
    grid->addWidget(MakeEdit(box, "SchoolNights"), 1, 1);
    grid->setColumnStretch(0, 1);
    return box;
}

QWidget* OvernightEstimatorWindow::BuildPeriod(const char* prefix, const QString& caption,
                                               const QString& weeksLabel, bool summer) {
    auto* box = new QGroupBox(caption, this);
    auto* grid = new QGridLayout(box);
    grid->addWidget(new QLabel(weeksLabel, box), 0, 0);
    grid->addWidget(MakeEdit(box, QString(prefix) + "Weeks"), 0, 1, 1, 2);
    auto* group = new QButtonGroup(box);
    group->setObjectName(QString(prefix) + "Schedule");
    int row = 1;
    for (const ScheduleChoice& choice : kScheduleChoices) {
        bool withWeeks = choice.schedule == VacationSchedule::ContinuationWithWeeks;
        if (withWeeks && !summer) {
            continue;
        }
        auto* radio = new QRadioButton(choice.caption, box);
        radio->setObjectName(QString(prefix) + choice.suffix);
        group->addButton(radio, static_cast<int>(choice.schedule));
        grid->addWidget(radio, row, 0);
        if (withWeeks) {
            auto* weeks = new QHBoxLayout;
            weeks->addWidget(MakeEdit(box, "SummerConWeeks"));
            weeks->addWidget(new QLabel("Uninterrupted Week(s) With Each Parent", box));
            grid->addLayout(weeks, row, 1, 1, 2);
        } else if (choice.schedule == VacationSchedule::Other) {
            grid->addWidget(MakeEdit(box, QString(prefix) + "Nights"), row, 1);
        }
        ++row;
    }
    grid->setColumnStretch(0, 1);
    return box;
}

QLineEdit* OvernightEstimatorWindow::Edit(const QString& name) const {
    return findChild<QLineEdit*>(name);
}

VacationSchedule OvernightEstimatorWindow::ScheduleOf(const char* prefix) const {
    auto* group = findChild<QButtonGroup*>(QString(prefix) + "Schedule");
    int id = group->checkedId();
    return id < 0 ? VacationSchedule::NotChosen : static_cast<VacationSchedule>(id);
}

support::OvernightEntries OvernightEstimatorWindow::ReadEntries() const {
    support::OvernightEntries e;
    auto weeks = [this](const char* name) { return NumberIn(Edit(name)).value_or(0); };
    e.schoolWeeks = weeks("SchoolWeeks");
    e.schoolNights = NumberIn(Edit("SchoolNights"));
    e.xmassWeeks = weeks("XMassWeeks");
    e.xmassSchedule = ScheduleOf("XMass");
    e.xmassNights = NumberIn(Edit("XMassNights"));
    e.breakWeeks = weeks("BreakWeeks");
    e.breakSchedule = ScheduleOf("Break");
    e.breakNights = NumberIn(Edit("BreakNights"));
    e.summerWeeks = weeks("SummerWeeks");
    e.summerSchedule = ScheduleOf("Summer");
    e.summerConWeeks = weeks("SummerConWeeks");
    e.summerNights = NumberIn(Edit("SummerNights"));
    e.otherNights = NumberIn(Edit("OtherNights"));
    return e;
}

void OvernightEstimatorWindow::Calculate() {
    support::OvernightEstimate estimate = support::OvernightCalc(ReadEntries());
    if (!estimate.ok()) {
        total_->clear();
        Box(QString::fromUtf8(support::kOvernightErrorTitle.data(),
                              support::kOvernightErrorTitle.size()),
            QString::fromUtf8(estimate.error.data(), estimate.error.size()), BoxButtons::Ok, this);
        return;
    }
    total_->setText(QString::fromStdString(
        Format(estimate.totalNights, std::string(support::kTotalNightsFormat))));
}

void OvernightEstimatorWindow::Clear() {
    for (const Default& d : kDefaults) {
        Edit(d.name)->setText(d.value);
    }
    total_->clear();
}

}  // namespace tovaris::gui
