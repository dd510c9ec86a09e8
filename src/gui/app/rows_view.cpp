#include "app/rows_view.h"

#include <QGridLayout>
#include <QLabel>

namespace tovaris::gui {

RowsView::RowsView(QWidget* parent) : QWidget(parent) {
    grid_ = new QGridLayout(this);
    grid_->setContentsMargins(4, 4, 4, 4);
    grid_->setHorizontalSpacing(12);
    grid_->setVerticalSpacing(1);
}

void RowsView::SetRows(const DisplayRows& rows) {
    while (QLayoutItem* item = grid_->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    int row = 0;
    for (const DisplayRow& line : rows) {
        for (auto [text, column, alignment] : {std::tuple{line.label, 0, Qt::AlignLeft},
                                               std::tuple{line.value, 1, Qt::AlignRight}}) {
            auto* label = new QLabel(QString::fromStdString(text), this);
            label->setTextFormat(Qt::PlainText);
            grid_->addWidget(label, row, column, alignment | Qt::AlignVCenter);
            label->show();  // rows are replaced while the view is visible
        }
        ++row;
    }
}

QStringList RowsView::texts() const {
    QStringList all;
    for (int i = 0; i < grid_->count(); ++i) {
        if (auto* label = qobject_cast<QLabel*>(grid_->itemAt(i)->widget())) {
            all << label->text();
        }
    }
    return all;
}

QString JoinLines(const std::vector<std::string>& lines) {
    QStringList all;
    for (const std::string& line : lines) {
        all << QString::fromStdString(line);
    }
    return all.join('\n');
}

}  // namespace tovaris::gui
