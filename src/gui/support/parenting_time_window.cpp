#include "support/parenting_time_window.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/field_binder.h"
#include "app/keyboard.h"
#include "case/express_party.h"
#include "case/parenting_time_table.h"
#include "case/time_share.h"
#include "common/entry_text.h"
#include "common/format.h"
#include "printing/print_service.h"
#include "reports/calculator_printouts.h"
#include "support/parenting_time.h"

namespace tovaris::gui {

namespace {

struct Column {
    const char* field;
    const char* caption;
    TimeShareField role;
};

constexpr Column kColumns[] = {
    {"ClaimDays", "Claimant's Nights", TimeShareField::ClaimNights},
    {"PayerDays", "Other Party's Nights", TimeShareField::PayerNights},
    {"PercentOfTimeValue", "Claimant's % of Time", TimeShareField::ClaimShare},
    {"PayerPerCent", "Other Party's % of Time", TimeShareField::PayerShare},
};

}  // namespace

ParentingTimeWindow::ParentingTimeWindow(AppContext& context, QWidget* parent)
    : QWidget(parent, Qt::Window), context_(context) {
    setObjectName("ParentingTime");
    setWindowTitle("Parenting Time - Based On Overnight Possession Of Children");

    auto* byChild = new QGroupBox("Overnights Per Year (By Child)", this);
    auto* grid = new QGridLayout(byChild);
    for (int c = 0; c < 4; ++c) {
        grid->addWidget(new QLabel(kColumns[c].caption, byChild), 0, c + 1, Qt::AlignCenter);
    }
    for (int row = 0; row < kParentingRowsShown; ++row) {
        auto* label = new QLabel(byChild);
        rowLabels_ << label;
        grid->addWidget(label, row + 1, 0);
        QList<QWidget*> edits;
        for (int c = 0; c < 4; ++c) {
            auto* edit = new QLineEdit(byChild);
            edit->setObjectName(ElementName(kColumns[c].field, row).c_str());
            edit->setMaximumWidth(110);
            grid->addWidget(edit, row + 1, c + 1);
            edits << edit;
        }
        rows_ << edits;
    }

    auto* average = new QGroupBox("Average Parenting Time (By Family Size)", this);
    auto* averageLayout = new QVBoxLayout(average);
    averages_ = new QTableWidget(kParentingRowsShown, 2, average);
    averages_->setObjectName("AverageNights");
    averages_->setHorizontalHeaderLabels({"Claimant's Av. Nights", "Other Party's Av. Nights"});
    averages_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    averages_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    averageLayout->addWidget(averages_);

    auto* back = new QPushButton("Return To Express Form", this);
    back->setObjectName("Return");
    connect(back, &QPushButton::clicked, this, &QWidget::hide);
    OnEscape(*this, [this] { hide(); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(byChild);
    layout->addWidget(average);
    layout->addWidget(PrintButton(), 0, Qt::AlignRight);
    layout->addWidget(back, 0, Qt::AlignRight);

    binder_ = new FieldBinder(context_.record.fields, *this);
    binder_->BindAll();
    connect(binder_, &FieldBinder::edited, this, &ParentingTimeWindow::OnEdited);
    resize(720, 520);
}

// "Print": the parenting-time printout of the rows shown.
QPushButton* ParentingTimeWindow::PrintButton() {
    auto* print = new QPushButton("Print", this);
    print->setObjectName("PrintParentingTime");
    print->setEnabled(context_.printing != nullptr);
    connect(print, &QPushButton::clicked, this, [this] {
        const int children = std::clamp(Minors(), 1, kParentingRowsShown);
        context_.printing->Preview(
            *this, [children](reports::Document& document, const CaseRecord& record,
                              const reports::ReportContext& header) {
                reports::ComposeParentingTimePrintout(document, record, children, header);
            });
    });
    return print;
}

int ParentingTimeWindow::Minors() const {
    return static_cast<int>(ReadAmount(context_.record.fields.Text("MinChild")).value_or(0));
}

void ParentingTimeWindow::OnEdited(const QString& field) {
    static const QRegularExpression element(R"((\w+)\((\d)\))");
    QRegularExpressionMatch match = element.match(field);
    for (const Column& column : kColumns) {
        if (match.captured(1) == column.field) {
            OnTimeShareChanged(context_.record, context_.interaction, column.role,
                               match.captured(2).toInt());
        }
    }
    Refresh();
}

void ParentingTimeWindow::Refresh() {
    binder_->Refresh();
    int minors = std::max(Minors(), 1);
    int children = std::min(minors, kParentingRowsShown);
    std::vector<std::string> labels = ParentingRowLabels(minors);
    for (int row = 0; row < kParentingRowsShown; ++row) {
        bool shown = row < children;
        rowLabels_[row]->setVisible(shown);
        rowLabels_[row]->setText(shown ? QString::fromStdString(labels[row]) : QString());
        for (QWidget* edit : rows_[row]) {
            edit->setVisible(shown);
        }
    }
    ShowAverages(minors);
}

void ParentingTimeWindow::ShowAverages(int minors) {
    int children = std::min(minors, kParentingRowsShown);
    std::vector<float> nights = ClaimNightsOldestFirst(context_.record.fields, children);
    auto averages = support::AvgNightsByFamilySize(nights);
    QStringList sizes;
    for (int k = 1; k <= kParentingRowsShown; ++k) {
        sizes << QString::fromStdString(FamilySizeCaption(k, minors));
        const support::AverageNights& a = averages[k - 1];
        averages_->setItem(
            k - 1, 0, new QTableWidgetItem(QString::fromStdString(FormatSingle(a.claim, "###.0"))));
        averages_->setItem(
            k - 1, 1, new QTableWidgetItem(QString::fromStdString(FormatSingle(a.payer, "###.0"))));
        averages_->setRowHidden(k - 1, k > children);
    }
    averages_->setVerticalHeaderLabels(sizes);
}

void ParentingTimeWindow::showEvent(QShowEvent* event) {
    Refresh();
    QWidget::showEvent(event);
}

}  // namespace tovaris::gui
