#include "whatif/comparison_window.h"

#include <QAction>
#include <QHeaderView>
#include <QMenuBar>
#include <QTableWidget>
#include <algorithm>

#include "app/keyboard.h"
#include "app/menu_items.h"
#include "printing/print_service.h"
#include "reports/scenario_comparison_report.h"

namespace tovaris::gui {
namespace {

const QColor kDifference(255, 236, 150);

QTableWidgetItem* Cell(const std::string& text, bool differs) {
    auto* item = new QTableWidgetItem(QString::fromStdString(text));
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (differs) {
        item->setBackground(kDifference);
        QFont bold = item->font();
        bold.setBold(true);
        item->setFont(bold);
    }
    return item;
}

}  // namespace

ComparisonWindow::ComparisonWindow(AppContext& context, QWidget* parent)
    : QMainWindow(parent), context_(context) {
    setObjectName("CompareScenarios");
    setWindowTitle("Compare Scenarios");
    table_ = new QTableWidget(this);
    table_->setObjectName("ComparisonTable");
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->horizontalHeader()->setDefaultSectionSize(170);
    table_->setWordWrap(true);
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    setCentralWidget(table_);
    connect(AddMenuItem(*menuBar()->addMenu("&File"), "CloseComparison", "Close"),
            &QAction::triggered, this, &QWidget::hide);
    QMenu* print = menuBar()->addMenu("&Print");
    connect(AddMenuItem(*print, "PreviewComparison", "Print/Preview The Comparison Or Save As PDF"),
            &QAction::triggered, this, &ComparisonWindow::PreviewPrintout);
    OnEscape(*this, [this] { hide(); });
    resize(900, 640);
}

void ComparisonWindow::PreviewPrintout() {
    if (context_.printing == nullptr) {
        return;
    }
    context_.printing->Preview(*this, [this](reports::Document& document, const CaseRecord& record,
                                             const reports::ReportContext& report) {
        reports::ComposeScenarioComparison(document, record, comparison_, report);
    });
}

void ComparisonWindow::Show(const whatif::Comparison& comparison) {
    comparison_ = comparison;
    const bool notes = std::any_of(comparison.notes.begin(), comparison.notes.end(),
                                   [](const std::string& note) { return !note.empty(); });
    const int first = notes ? 1 : 0;
    table_->clear();
    table_->setColumnCount(static_cast<int>(comparison.names.size()));
    table_->setRowCount(static_cast<int>(comparison.rows.size()) + first);
    QStringList names;
    for (const std::string& name : comparison.names) {
        names << QString::fromStdString(name);
    }
    table_->setHorizontalHeaderLabels(names);
    QStringList labels;
    if (notes) {
        labels << "Not Calculated";
        for (size_t c = 0; c < comparison.notes.size(); ++c) {
            auto* item = new QTableWidgetItem(QString::fromStdString(comparison.notes[c]));
            item->setToolTip(item->text());
            table_->setItem(0, static_cast<int>(c), item);
        }
    }
    for (size_t r = 0; r < comparison.rows.size(); ++r) {
        const whatif::ComparisonRow& row = comparison.rows[r];
        labels << QString::fromStdString(row.label);
        for (size_t c = 0; c < row.values.size(); ++c) {
            table_->setItem(static_cast<int>(r) + first, static_cast<int>(c),
                            Cell(row.values[c], row.differs[c]));
        }
    }
    table_->setVerticalHeaderLabels(labels);
    table_->resizeRowsToContents();
    show();
    raise();
}

}  // namespace tovaris::gui
