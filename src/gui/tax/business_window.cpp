#include "tax/business_window.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>
#include <array>

#include "app/field_binder.h"
#include "app/keyboard.h"
#include "case/income_business.h"
#include "case/income_refresh.h"
#include "case/income_screen.h"
#include "case/income_screen_parts.h"
#include "common/format.h"

namespace tovaris::gui {

namespace {

constexpr char kSoleProprietorships[] =
    "Sole Proprietorship, LLC, or Partnership Where Net Business Income Is Subject to SE Taxes "
    "Payable by the Individual";
constexpr char kSCorporations[] =
    "S-Corp Where Earned Wages Are Subject to FICA Payable at the Corporate Level and Profit Is "
    "Passed Through to the Individual";
constexpr char kReit[] =
    "REIT Dividends, Cooperative Dividends, and Publicly Traded Partnership Income";
constexpr char kServiceTrade[] =
    "Check if Business is in a Service Trade (health, law, consulting, athletics, financial, "
    "accounting, brokerage, trading) Subject to Deduction Phase-out";

// The grid: two sides of three columns (label, party, new spouse) with a gap between them.
constexpr int kSideColumns = 4;
constexpr int kGapColumn = 3;

struct AmountRow {
    BusinessAmount amount;
    const char* label;
};

// The four amounts of one business, in screen order.
std::array<AmountRow, 4> RowsOf(char business) {
    switch (business) {
        case 'A':
            return {{{BusinessAmount::AWages, "Qualified Net Income (Subject to SE Tax)"},
                     {BusinessAmount::ANot, "Net Income Not Qualified (Subject to SE Tax)"},
                     {BusinessAmount::AW2, "W-2 Wages Paid by the Business to Its Employees"},
                     {BusinessAmount::ACap, "Depreciable Assets (Value, Not Per Period)"}}};
        case 'B':
            return {{{BusinessAmount::BWages, "Qualified Net Income (Subject to SE Tax)"},
                     {BusinessAmount::BNot, "Net Income Not Qualified (Subject to SE Tax)"},
                     {BusinessAmount::BW2, "W-2 Wages Paid by the Business to Its Employees"},
                     {BusinessAmount::BCap, "Depreciable Assets (Value, Not Per Period)"}}};
        case 'C':
            return {
                {{BusinessAmount::CWages, "Owner's W-2 Wages From the Corporation"},
                 {BusinessAmount::CPass, "Owner's Allocable Share of Pass-Through Distributions"},
                 {BusinessAmount::CW2, "W-2 Wages Paid by the Corporation to Its Employees"},
                 {BusinessAmount::CCap, "Depreciable Assets (Value, Not Per Period)"}}};
        default:
            return {
                {{BusinessAmount::DWages, "Owner's W-2 Wages From the Corporation"},
                 {BusinessAmount::DPass, "Owner's Allocable Share of Pass-Through Distributions"},
                 {BusinessAmount::DW2, "W-2 Wages Paid by the Corporation to Its Employees"},
                 {BusinessAmount::DCap, "Depreciable Assets (Value, Not Per Period)"}}};
    }
}

QString TotalName(const char* name, int column) {
    return QString("%1(%2)").arg(name).arg(column);
}

}  // namespace

BusinessWindow::BusinessWindow(AppContext& context, IncomeParty party, QWidget* parent)
    : QMainWindow(parent), context_(context), party_(party) {
    bool claimant = party == IncomeParty::Claimant;
    setObjectName(claimant ? "ClaimBusiness" : "PayerBusiness");
    setWindowTitle(claimant ? "Claimant's Business Income" : "Other Party's Business Income");

    QAction* exit = menuBar()->addAction("E&xit");
    exit->setObjectName("Exit");
    connect(exit, &QAction::triggered, this, &BusinessWindow::Exit);
    periodItems_ = AddPeriodMenu(*menuBar(), *this, [this](IncomePeriod period) {
        ChangeBusinessPeriod(context_.record, party_, period);
        Refresh();
    });

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel("Entry Time Period:", central));
    periodLabel_ = new QLabel(central);
    periodLabel_->setObjectName("PeriodLabel");
    periodLabel_->setStyleSheet("color: #00308f; font-weight: bold;");
    top->addWidget(periodLabel_);
    top->addSpacing(12);
    top->addWidget(WrappedLabel("(depreciable assets are entered at their value, which no period "
                                "changes)",
                                central),
                   1);
    layout->addLayout(top);

    // Everything fits the designed size; a smaller window scrolls rather than crowds the rows.
    auto* scroll = new QScrollArea(central);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFocusPolicy(Qt::NoFocus);  // Tab goes from field to field, not to the frame
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    content_ = BuildBusinesses();
    scroll->setWidget(content_);
    layout->addWidget(scroll, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* exitButton = new QPushButton("Exit", central);
    exitButton->setObjectName("ExitButton");
    connect(exitButton, &QPushButton::clicked, this, &BusinessWindow::Exit);
    OnEscape(*this, [this] { Exit(); });
    buttons->addWidget(exitButton);
    layout->addLayout(buttons);
    setCentralWidget(central);

    binder_ = new FieldBinder(context_.record.fields, *content_);
    binder_->BindAll();
    connect(binder_, &FieldBinder::edited, this, &BusinessWindow::OnEdited);
    for (QLineEdit* edit : content_->findChildren<QLineEdit*>()) {
        if (edit->isReadOnly()) {
            continue;
        }
        connect(edit, &QLineEdit::returnPressed, this,
                [this, edit] { FocusNextField(*content_, *edit); });
        connect(edit, &QLineEdit::editingFinished, this, [this] {
            if (isVisible()) {
                Refresh();  // the entry shown formatted, the totals derived again
            }
        });
    }
    resize(1220, 680);
    Refresh();
}

BusinessWindow::~BusinessWindow() {
    DisconnectEntries(*this);
}

QWidget* BusinessWindow::BuildBusinesses() {
    auto* content = new QWidget(this);
    auto* grid = new QGridLayout(content);
    grid->setVerticalSpacing(4);
    grid->setColumnMinimumWidth(kGapColumn, 16);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(kSideColumns, 1);

    const char* headings[] = {kSoleProprietorships, kSCorporations};
    for (int side = 0; side < 2; ++side) {
        int left = side * kSideColumns;
        grid->addWidget(HeadingLabel(headings[side], content), 0, left, 1, 3);
        QLabel* partyHeading =
            HeadingLabel(party_ == IncomeParty::Claimant ? "Claimant" : "Other Party", content);
        partyHeading->setAlignment(Qt::AlignCenter);
        grid->addWidget(partyHeading, 1, left + 1);
        QLabel* spouseHeading = HeadingLabel("New Spouse", content);
        spouseHeading->setAlignment(Qt::AlignCenter);
        grid->addWidget(spouseHeading, 1, left + 2);
        newSpouseWidgets_ << spouseHeading;
    }
    // A beside C, B beside D, so that like rows line up.
    int row = 2;
    for (const auto& [left, right] : {std::pair{'A', 'C'}, std::pair{'B', 'D'}}) {
        AddBusiness(*grid, row, 0, left);
        row = AddBusiness(*grid, row, 1, right);
    }

    auto* rule = new QFrame(content);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    grid->addWidget(rule, row++, 0, 1, 2 * kSideColumns - 1);

    grid->addWidget(HeadingLabel(kReit, content), row, 0, 1, 3);
    grid->addWidget(HeadingLabel("Totals (Yearly)", content), row, kSideColumns, 1, 3);
    ++row;
    grid->addWidget(WrappedLabel("Distributions", content), row, 0);
    for (int column : {kPartyColumn, kNewSpouseColumn}) {
        QLineEdit* edit = AmountEdit(
            QString::fromStdString(BusinessFieldName(party_, BusinessAmount::REIT, column)),
            content);
        grid->addWidget(edit, row, 1 + column);
        if (column == kNewSpouseColumn) {
            newSpouseWidgets_ << edit;
        }
    }
    AddTotal(*grid, row++, "TotalWages", "Total S-Corp Wages (C and D)");
    AddTotal(*grid, row++, "TotalPass", "Total Pass-Through Distributions (C and D)");
    AddTotal(*grid, row++, "BusinessIncome",
             "Business Income Carried to the Income Screen (REIT Not Included)");
    grid->setRowStretch(row, 1);
    return content;
}

int BusinessWindow::AddBusiness(QGridLayout& grid, int row, int side, char business) {
    QWidget* content = grid.parentWidget();
    int left = side * kSideColumns;
    QLabel* heading = HeadingLabel(QString("Business %1").arg(business), content);
    heading->setStyleSheet("color: #00308f; margin-top: 6px;");
    grid.addWidget(heading, row++, left, 1, 3);
    for (const AmountRow& line : RowsOf(business)) {
        grid.addWidget(WrappedLabel(line.label, content), row, left);
        for (int column : {kPartyColumn, kNewSpouseColumn}) {
            QLineEdit* edit = AmountEdit(
                QString::fromStdString(BusinessFieldName(party_, line.amount, column)), content);
            grid.addWidget(edit, row, left + 1 + column);
            if (column == kNewSpouseColumn) {
                newSpouseWidgets_ << edit;
            }
        }
        ++row;
    }
    QLabel* trade = WrappedLabel(kServiceTrade, content);
    trade->setStyleSheet("font-size: 90%;");
    grid.addWidget(trade, row, left);
    for (int column : {kPartyColumn, kNewSpouseColumn}) {
        auto* check = new QCheckBox(content);
        check->setObjectName(
            QString::fromStdString(BusinessTradeFieldName(party_, business, column)));
        grid.addWidget(check, row, left + 1 + column, Qt::AlignCenter);
        if (column == kNewSpouseColumn) {
            newSpouseWidgets_ << check;
        }
    }
    return row + 1;
}

void BusinessWindow::AddTotal(QGridLayout& grid, int row, const char* name,
                              const QString& caption) {
    QWidget* content = grid.parentWidget();
    grid.addWidget(WrappedLabel(caption, content), row, kSideColumns);
    for (int column : {kPartyColumn, kNewSpouseColumn}) {
        QLineEdit* total = AmountEdit(TotalName(name, column), content);
        total->setReadOnly(true);
        total->setFocusPolicy(Qt::NoFocus);
        grid.addWidget(total, row, kSideColumns + 1 + column);
        if (column == kNewSpouseColumn) {
            newSpouseWidgets_ << total;
        }
    }
}

void BusinessWindow::OnEdited(const QString& field) {
    std::string name = field.toStdString();
    if (FindField(name).kind == FieldKind::Text) {
        TypeIncomeAmount(context_.record, name, context_.record.fields.Text(name));
    }
}

void BusinessWindow::Refresh() {
    RefreshBusinessScreen(context_.record, party_);
    binder_->Refresh();
    const BusinessEntries& business = context_.record.income.Of(party_).business;
    // A column with no business entered shows no totals (the income screen then keeps the
    // business income typed there); a total of nothing stays empty too.
    auto show = [this](const char* name, int column, bool entered, float yearly) {
        findChild<QLineEdit*>(TotalName(name, column))
            ->setText(entered && yearly != 0 ? ToQString(FormatSingle(yearly, kIncomeAmountFormat))
                                             : QString());
    };
    for (int column : {kPartyColumn, kNewSpouseColumn}) {
        bool entered = business.hasIncome[column];
        show("TotalWages", column, entered, business.totalWages[column]);
        show("TotalPass", column, entered, business.totalPass[column]);
        show("BusinessIncome", column, entered, business.businessIncome[column]);
    }
    bool joint = IncomeScreenLayoutOf(context_.record, party_).newSpouseColumn;
    for (QWidget* widget : newSpouseWidgets_) {
        widget->setVisible(joint);
    }
    periodLabel_->setText(ToQString(PeriodLabel(business.period)));
    TickPeriod(periodItems_, business.period);
}

void BusinessWindow::Exit() {
    Refresh();
    hide();
    emit closed();
}

void BusinessWindow::closeEvent(QCloseEvent* event) {
    if (context_.quitting) {
        event->accept();
        return;
    }
    event->ignore();
    Exit();
}

void BusinessWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        Refresh();  // the filing status or the case may have changed meanwhile
    }
}

}  // namespace tovaris::gui
