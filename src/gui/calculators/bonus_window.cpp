#include "calculators/bonus_window.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/keyboard.h"
#include "app/rows_view.h"
#include "common/entry_text.h"
#include "printing/print_service.h"
#include "reports/calculator_printouts.h"

namespace tovaris::gui {

BonusWindow::BonusWindow(const QString& title, Run run, QWidget* parent)
    : QWidget(parent, Qt::Window), run_(std::move(run)), title_(title) {
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
    print_ = new QPushButton("Print", this);
    print_->setObjectName("PrintBonus");
    print_->setEnabled(false);  // there is nothing to print before a calculation
    connect(print_, &QPushButton::clicked, this, &BonusWindow::Print);
    grid->addWidget(print_, 1, 3);
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
    lines_ = *lines;
    printedBonus_ = bonus_->text().toStdString();
    print_->setEnabled(PrintService::instance() != nullptr);
}

// The one-page summary of the calculation shown.
void BonusWindow::Print() {
    const bool alimony = title_.startsWith("Alimony");
    reports::BonusSummaryInput input{
        alimony ? reports::kSourceMaintenance : reports::kSourceSupportResults,
        title_.toUpper().toStdString(), ReadAmount(printedBonus_).value_or(0), lines_};
    PrintService::instance()->Preview(
        *this, [input](reports::Document& document, const CaseRecord& record,
                       const reports::ReportContext& context) {
            reports::ComposeBonusSummary(document, record, input, context);
        });
}

}  // namespace tovaris::gui
