#include "maintenance/ed_skills_window.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "maintenance/ed_skill_table.h"

namespace tovaris::gui {

namespace {

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), text.size());
}

QTableWidget* MakeTable(const maintenance::EdSkillTable& table, QWidget* parent) {
    auto* widget = new QTableWidget(static_cast<int>(table.rows.size()), 2, parent);
    widget->setHorizontalHeaderLabels({Q(table.heading), Q(maintenance::kEdSkillScoreHeading)});
    widget->verticalHeader()->hide();
    widget->setEditTriggers(QAbstractItemView::NoEditTriggers);
    widget->setSelectionMode(QAbstractItemView::NoSelection);
    int row = 0;
    for (const maintenance::EdSkillRow& r : table.rows) {
        widget->setItem(row, 0, new QTableWidgetItem(Q(r.label)));
        auto* score = new QTableWidgetItem(Q(r.score));
        score->setTextAlignment(Qt::AlignCenter);
        widget->setItem(row, 1, score);
        ++row;
    }
    widget->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    widget->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    widget->setWordWrap(false);
    widget->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    int height = widget->horizontalHeader()->height() + 4;
    for (int i = 0; i < widget->rowCount(); ++i) {
        height += widget->rowHeight(i);
    }
    widget->setFixedHeight(height);
    return widget;
}

}  // namespace

EdSkillsWindow::EdSkillsWindow(QWidget* parent) : QDialog(parent) {
    setObjectName("EdSkills");
    setWindowTitle(Q(maintenance::kEdSkillWindowTitle));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MakeTable(maintenance::EducationLevelTable(), this));
    layout->addWidget(MakeTable(maintenance::IncomePotentialTable(), this));
    auto* note = new QLabel(Q(maintenance::EdSkillNote()), this);
    note->setWordWrap(true);
    layout->addWidget(note);
    auto* close = new QPushButton("Return", this);
    close->setObjectName("Return");
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::hide);
    layout->addWidget(close, 0, Qt::AlignRight);
    resize(620, sizeHint().height());
}

}  // namespace tovaris::gui
