#include "support/results_panel.h"

#include <QGridLayout>
#include <QLabel>

namespace tovaris::gui {

namespace {

// Each party's block: label, value; a gap column between the two blocks.
constexpr int kClaimLabel = 0;
constexpr int kClaimValue = 1;
constexpr int kOtherLabel = 3;
constexpr int kOtherValue = 4;
constexpr int kColumns = 5;

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

ResultsPanel::ResultsPanel(QWidget* parent) : QWidget(parent) {
    setObjectName("ResultPanel");
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    grid_ = new QGridLayout(this);
    grid_->setHorizontalSpacing(6);
    grid_->setVerticalSpacing(1);
    grid_->setColumnMinimumWidth(2, 24);
    grid_->setColumnStretch(2, 1);
}

void ResultsPanel::Clear() {
    while (QLayoutItem* item = grid_->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    for (int row = 0; row < grid_->rowCount(); ++row) {
        grid_->setRowStretch(row, 0);
    }
}

QLabel* ResultsPanel::AddText(const QString& text, int row, int column, Qt::Alignment alignment,
                              int columnSpan) {
    auto* label = new QLabel(text, this);
    label->setTextFormat(Qt::PlainText);
    grid_->addWidget(label, row, column, 1, columnSpan, alignment | Qt::AlignVCenter);
    label->show();  // the panel is redrawn while visible
    return label;
}

int ResultsPanel::AddColumns(const DisplayRows& left, const DisplayRows& right, int row) {
    const size_t rows = std::max(left.size(), right.size());
    for (size_t i = 0; i < rows; ++i, ++row) {
        if (i < left.size()) {
            AddText(Text(left[i].label), row, kClaimLabel, Qt::AlignLeft);
            AddText(Text(left[i].value), row, kClaimValue, Qt::AlignRight);
        }
        if (i < right.size()) {
            AddText(Text(right[i].label), row, kOtherLabel, Qt::AlignLeft);
            AddText(Text(right[i].value), row, kOtherValue, Qt::AlignRight);
        }
    }
    return row;
}

int ResultsPanel::AddLines(const std::vector<std::string>& lines, int row) {
    for (const std::string& line : lines) {
        AddText(Text(line), row++, kClaimLabel, Qt::AlignLeft, kColumns);
    }
    return row;
}

void ResultsPanel::Show(const SupportDisplay& display) {
    Clear();
    int row = 0;
    QFont bold = font();
    bold.setBold(true);
    AddText(Text(display.claimHead), row, kClaimLabel, Qt::AlignLeft, 2)->setFont(bold);
    AddText(Text(display.otherHead), row, kOtherLabel, Qt::AlignLeft, 2)->setFont(bold);
    row = AddColumns(display.claimIncome, display.otherIncome, row + 1);
    grid_->setRowMinimumHeight(row++, 10);
    row = AddColumns(display.caseFacts, display.obligations, row);
    grid_->setRowMinimumHeight(row++, 10);
    QLabel* transfer = AddText(Text(display.transfer), row++, kClaimLabel, Qt::AlignLeft, kColumns);
    transfer->setFont(bold);
    transfer->setObjectName("TransferSentence");
    row = AddLines(display.method, row);
    row = AddLines(display.tableNotes, row);
    grid_->setRowStretch(row, 1);
}

QStringList ResultsPanel::texts() const {
    QStringList all;
    for (int i = 0; i < grid_->count(); ++i) {
        if (auto* label = qobject_cast<QLabel*>(grid_->itemAt(i)->widget())) {
            all << label->text();
        }
    }
    return all;
}

}  // namespace tovaris::gui
