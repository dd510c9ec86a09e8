#include "calculators/bonus_window.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/keyboard.h"
#include "app/rows_view.h"

namespace tovaris::gui {

BonusWindow::BonusWindow(const QString& title, Run run, QWidget* parent)
    : QWidget(parent, Qt::Window), run_(std::move(run)) {
    setObjectName("BonusCalculator");
    setWindowTitle("Bonus Calculator");
    auto* grid = new QGridLayout(this);
    auto* heading = new QLabel(title, this);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    grid->addWidget(heading, 0, 0, 1, 3);
    grid->addWidget(new QLabel("Other Party's Average Yearly Bonus", this), 1, 0);
    bonus_ = new QLineEdit(this);
    bonus_->setObjectName("BonusAmount");
    grid->addWidget(bonus_, 1, 1);
    auto* calculate = new QPushButton("Calculate", this);
    calculate->setObjectName("RunBonus");
    connect(calculate, &QPushButton::clicked, this, &BonusWindow::Calculate);
    OnEnter(*bonus_, *calculate);
    OnEscape(*this, [this] { close(); });
    grid->addWidget(calculate, 1, 2);
    auto* print = new QPushButton("Print", this);
    print->setObjectName("PrintBonus");
    print->setEnabled(false);  // printing comes with the print engine
    grid->addWidget(print, 1, 3);
    results_ = new RowsView(this);
    results_->setObjectName("BonusResults");
    grid->addWidget(results_, 2, 0, 1, 4, Qt::AlignTop);
    grid->setRowStretch(2, 1);
    resize(640, 300);
}

void BonusWindow::ShowOnce(BonusWindow*& window, const QString& title, Run run, QWidget* parent) {
    if (window == nullptr) {
        window = new BonusWindow(title, std::move(run), parent);
    }
    window->show();
    window->raise();
}

void BonusWindow::Calculate() {
    std::optional<DisplayRows> lines = run_(bonus_->text().toStdString());
    if (!lines) {
        bonus_->setFocus();
        return;
    }
    results_->SetRows(*lines);
}

}  // namespace tovaris::gui
