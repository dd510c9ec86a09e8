#include "calculators/flip_window.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/app_context.h"
#include "app/keyboard.h"
#include "app/rows_view.h"
#include "common/format.h"
#include "printing/print_service.h"
#include "tax/calculation_error.h"

namespace tovaris::gui {

namespace {

using calculators::FlipEntries;

struct FigureRow {
    const char* claimLabel;
    const char* claimName;
    std::string FlipEntries::*claim;
    const char* otherLabel;
    const char* otherName;
    std::string FlipEntries::*other;
};

constexpr FigureRow kRows[] = {
    {"Claimant's Av. Overnights", "ClaimNights", &FlipEntries::ClaimNights,
     "Other Party's Av. Overnights", "PayerNights", &FlipEntries::PayerNights},
    {"Claimant's Children Under Age 17", "ClaimDepend17", &FlipEntries::ClaimDepend17,
     "Other Party's Children Under Age 17", "PayerDepend17", &FlipEntries::PayerDepend17},
    {"Claimant's Personal Exemptions", "ClaimDependents", &FlipEntries::ClaimDependents,
     "Other Party's Personal Exemptions", "PayerDependents", &FlipEntries::PayerDependents},
};

constexpr const char* kInitial = "Initial";
constexpr const char* kRevised = "Revised";

QString Named(const char* prefix, const char* name) {
    return QString(prefix) + name;
}

}  // namespace

FlipWindow::FlipWindow(AppContext& context, QWidget* parent)
    : CalculatorWindow(context, "FlipCalculator",
                       "Change In Dependency And/Or Overnights Calculator", parent),
      context_(context) {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(MakeTitleLine("Change In Dependency And/Or Overnights Calculator", central));
    layout->addWidget(
        BuildFigures("InitialFrame", "Initial Overnights and Dependencies", kInitial, false));
    layout->addWidget(
        BuildFigures("RevisedFrame", "New Overnights And/Or Dependencies", kRevised, true));
    auto* note = new QLabel(
        "Note: Fed. Personal Exemption Deductions are suspended, but Fed. Child Tax Credit "
        "remains available",
        central);
    note->setObjectName("ExemptionNote");
    note->setWordWrap(true);
    layout->addWidget(note);
    layout->addWidget(BuildButtons());
    QGroupBox* resultFrame =
        Frame("ResultFrame", "Resulting Difference In Child Support And Net Incomes (after taxes)",
              central);
    auto* resultLayout = new QVBoxLayout(resultFrame);
    results_ = new RowsView(resultFrame);
    results_->setObjectName("FlipResults");
    resultLayout->addWidget(results_);
    resultLayout->addStretch(1);
    layout->addWidget(resultFrame, 1);
    setCentralWidget(central);

    // Typing one party's overnights gives the other the rest of the year.
    const std::pair<const char*, const char*> nights[] = {{"ClaimNights", "PayerNights"},
                                                          {"PayerNights", "ClaimNights"}};
    for (const auto& [typed, other] : nights) {
        connect(findChild<QLineEdit*>(Named(kRevised, typed)), &QLineEdit::textEdited, this,
                [this, other = other](const QString& text) {
                    SetText(Named(kRevised, other),
                            calculators::OtherPartyNights(text.toStdString()));
                });
    }
    OnEscape(*this, [this] { hide(); });
    resize(760, 720);
}

// Each party's figures down a column of their own, the Claimant's first, which is also the
// Tab order.
QWidget* FlipWindow::BuildFigures(const char* name, const QString& caption, const char* prefix,
                                  bool entries) {
    QGroupBox* frame = Frame(name, caption, this);
    auto* grid = new QGridLayout(frame);
    for (int side = 0; side < 2; ++side) {
        int line = 0;
        for (const FigureRow& row : kRows) {
            const char* label = side == 0 ? row.claimLabel : row.otherLabel;
            const QString control = Named(prefix, side == 0 ? row.claimName : row.otherName);
            grid->addWidget(new QLabel(label, frame), line, 2 * side);
            grid->addWidget(entries ? MakeEntry(control, frame) : MakeOutput(control, frame), line,
                            2 * side + 1);
            ++line;
        }
    }
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(2, 1);
    return frame;
}

QWidget* FlipWindow::BuildButtons() {
    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    QPushButton* calculate = MakeButton("Calculate", "Calculate", bar);
    connect(calculate, &QPushButton::clicked, this, &FlipWindow::Calculate);
    QPushButton* reset = MakeButton("Reset", "Reset", bar);
    connect(reset, &QPushButton::clicked, this, &FlipWindow::Reset);
    QPushButton* print = MakeButton("PrintImage", "Print Image Of Calculation", bar);
    connect(print, &QPushButton::clicked, this, &FlipWindow::PrintImage);
    row->addWidget(calculate);
    row->addWidget(reset);
    row->addWidget(print);
    row->addStretch();
    row->addWidget(MakeReturnButton("Return", bar));
    return bar;
}

void FlipWindow::Open() {
    initial_ = calculators::CurrentFlipFigures(context_.record);
    // Overnights count only in a shared schedule; the exemptions are shown, no tax reads them.
    shared_ = context_.record.globals.CustodyType == "Shared";
    FlipEntries shown = WithNightsShown(calculators::InitialFlipEntries(initial_));
    if (shared_) {
        shown.ClaimNights = FormatSingle(initial_.claimNights, calculators::kFlipNightsFormat);
        shown.PayerNights = FormatSingle(initial_.payerNights, calculators::kFlipNightsFormat);
    }
    for (const FigureRow& row : kRows) {
        SetText(Named(kInitial, row.claimName), shown.*row.claim);
        SetText(Named(kInitial, row.otherName), shown.*row.other);
    }
    for (const char* name : {"ClaimNights", "PayerNights"}) {
        findChild<QLineEdit*>(Named(kRevised, name))->setEnabled(shared_);
    }
    for (const char* name : {"ClaimDependents", "PayerDependents"}) {
        findChild<QLineEdit*>(Named(kRevised, name))->setEnabled(false);
    }
    results_->SetRows({});
    Reset();
    show();
    raise();
    activateWindow();
}

void FlipWindow::SetText(const QString& name, const std::string& text) {
    findChild<QLineEdit*>(name)->setText(QString::fromStdString(text));
}

void FlipWindow::SetRevised(const FlipEntries& entries) {
    for (const FigureRow& row : kRows) {
        SetText(Named(kRevised, row.claimName), entries.*row.claim);
        SetText(Named(kRevised, row.otherName), entries.*row.other);
    }
}

FlipEntries FlipWindow::Revised() const {
    FlipEntries entries;
    for (const FigureRow& row : kRows) {
        entries.*row.claim = Entry(Named(kRevised, row.claimName)).toStdString();
        entries.*row.other = Entry(Named(kRevised, row.otherName)).toStdString();
    }
    return entries;
}

void FlipWindow::Reset() {
    SetRevised(WithNightsShown(calculators::InitialFlipEntries(initial_)));
}

FlipEntries FlipWindow::WithNightsShown(FlipEntries entries) const {
    if (!shared_) {
        entries.ClaimNights.clear();
        entries.PayerNights.clear();
    }
    return entries;
}

void FlipWindow::Calculate() {
    calculators::Outcome<calculators::FlipResult> outcome = calculators::EntryError{};
    const bool ran = RunReportingOverflow(context_.interaction, [&] {
        outcome = calculators::RunDependencyFlip(context_.record, Revised());
    });
    emit calculated();
    if (!ran) {
        return;
    }
    if (const auto* error = std::get_if<calculators::EntryError>(&outcome)) {
        ShowEntryError({(kRevised + error->field), error->message});
        return;
    }
    results_->SetRows(std::get<calculators::FlipResult>(outcome).lines);
}

void FlipWindow::PrintImage() {
    if (PrintService* printing = PrintService::instance()) {
        printing->PrintScreenImage(*this);
    }
}

}  // namespace tovaris::gui
