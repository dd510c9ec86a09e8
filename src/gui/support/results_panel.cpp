#include "support/results_panel.h"

#include <QGridLayout>
#include <QLabel>

#include "app/rows_view.h"

namespace tovaris::gui {

namespace {

QLabel* TextLabel(QWidget* parent, bool bold = false) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    if (bold) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    return label;
}

}  // namespace

ResultsPanel::ResultsPanel(QWidget* parent) : QWidget(parent) {
    setObjectName("ResultPanel");
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    auto* grid = new QGridLayout(this);
    grid->setVerticalSpacing(10);
    grid->setColumnStretch(1, 1);  // the gap between the two party columns
    for (int party = 0; party < 2; ++party) {
        heads_[party] = TextLabel(this, true);
        income_[party] = new RowsView(this);
        grid->addWidget(heads_[party], 0, party * 2);
        grid->addWidget(income_[party], 1, party * 2);
    }
    facts_ = new RowsView(this);
    obligations_ = new RowsView(this);
    grid->addWidget(facts_, 2, 0, Qt::AlignTop);
    grid->addWidget(obligations_, 2, 2, Qt::AlignTop);
    transfer_ = TextLabel(this, true);
    transfer_->setObjectName("TransferSentence");
    transfer_->setWordWrap(true);  // a long sentence never widens the screen
    limitReasons_ = TextLabel(this);
    limitReasons_->setObjectName("LimitReasons");
    limitReasons_->setWordWrap(true);
    limitReasons_->setStyleSheet("color: #b00000;");
    notes_ = TextLabel(this);
    notes_->setWordWrap(true);
    grid->addWidget(transfer_, 3, 0, 1, 3);
    grid->addWidget(limitReasons_, 4, 0, 1, 3);
    grid->addWidget(notes_, 5, 0, 1, 3);
    grid->setRowStretch(6, 1);
}

void ResultsPanel::Show(const SupportDisplay& display) {
    heads_[0]->setText(QString::fromStdString(display.claimHead));
    heads_[1]->setText(QString::fromStdString(display.otherHead));
    income_[0]->SetRows(display.claimIncome);
    income_[1]->SetRows(display.otherIncome);
    facts_->SetRows(display.caseFacts);
    obligations_->SetRows(display.obligations);
    transfer_->setText(QString::fromStdString(display.transfer));
    limitReasons_->setText(JoinLines(display.limitReasons));
    limitReasons_->setVisible(!display.limitReasons.empty());
    std::vector<std::string> notes = display.method;
    notes.insert(notes.end(), display.tableNotes.begin(), display.tableNotes.end());
    notes.insert(notes.end(), display.taxNotes.begin(), display.taxNotes.end());
    notes_->setText(JoinLines(notes));
}

QStringList ResultsPanel::texts() const {
    QStringList all{heads_[0]->text(), heads_[1]->text()};
    for (const RowsView* rows : {income_[0], income_[1], facts_, obligations_}) {
        all << rows->texts();
    }
    all << transfer_->text();
    if (!limitReasons_->text().isEmpty()) {
        all << limitReasons_->text().split('\n');
    }
    all << notes_->text().split('\n');
    return all;
}

}  // namespace tovaris::gui
