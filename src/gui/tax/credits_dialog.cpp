#include "tax/credits_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "printing/print_service.h"
#include "reports/tax_reports.h"

namespace tovaris::gui {

namespace {

QPushButton* AddButton(QHBoxLayout& row, const char* name, const char* caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    row.addWidget(button);
    return button;
}

}  // namespace

CreditsDialog::CreditsDialog(const tax::CreditLines& credits, QWidget* parent,
                             std::function<void()> print, std::function<void()> preview)
    : QDialog(parent) {
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
    if (!credits.ruleNotes.empty()) {
        layout->addSpacing(8);
        QStringList notes;
        for (const std::string& note : credits.ruleNotes) {
            notes << QString::fromStdString(note);
        }
        auto* label = new QLabel(notes.join('\n'), this);
        label->setObjectName("TaxRulesNotes");
        layout->addWidget(label);
    }
    auto* buttons = new QHBoxLayout;
    QPushButton* ok = AddButton(*buttons, "OK", "OK", this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    if (print) {
        connect(AddButton(*buttons, "PrintCredits", "Print", this), &QPushButton::clicked, this,
                print);
    }
    if (preview) {
        // The preview is a window of its own, which this modal pop-up would keep from the user.
        connect(AddButton(*buttons, "PreviewCredits", "Preview / Save As PDF", this),
                &QPushButton::clicked, this, [this, preview] {
                    accept();
                    preview();
                });
    }
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void ShowPartyCredits(const CaseRecord& record, IncomeParty party, QWidget* parent) {
    PrintService* printing = PrintService::instance();
    std::function<void()> print;
    std::function<void()> preview;
    if (printing && parent) {
        print = [printing, parent] {
            printing->PrintWithDialog(*parent, &reports::ComposeCreditsPage);
        };
        preview = [printing, parent] { printing->Preview(*parent, &reports::ComposeCreditsPage); };
    }
    CreditsDialog dialog(tax::PartyCreditLines(record, party), parent, print, preview);
    dialog.exec();
}

}  // namespace tovaris::gui
