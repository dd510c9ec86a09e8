#include "tax/credits_dialog.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tovaris::gui {

CreditsDialog::CreditsDialog(const tax::CreditLines& credits, QWidget* parent) : QDialog(parent) {
    setObjectName("Credits");
    setWindowTitle(QString::fromStdString(credits.heading));
    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(QString::fromStdString(credits.heading), this);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    layout->addWidget(heading);
    for (const std::string& line : credits.lines) {
        layout->addWidget(new QLabel(QString::fromStdString(line), this));
    }
    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("OK");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addSpacing(8);
    layout->addWidget(ok, 0, Qt::AlignCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void ShowPartyCredits(const CaseRecord& record, IncomeParty party, QWidget* parent) {
    CreditsDialog dialog(tax::PartyCreditLines(record, party), parent);
    dialog.exec();
}

}  // namespace tovaris::gui
