#include "tax/business_window.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "app/field_binder.h"
#include "case/income_business.h"
#include "case/income_refresh.h"
#include "common/format.h"

namespace tovaris::gui {

namespace {

// One line of the screen: a heading, an amount row, or a service-trade check row.
struct Line {
    enum Kind { Heading, Amount, Trade } kind;
    const char* text;
    BusinessAmount amount = BusinessAmount::AWages;
    char business = 'A';
};

constexpr const char* kServiceTrade =
    "Check if Business is in a Service Trade (health, law, consulting, athletics, financial, "
    "accounting, brokerage, trading) Subject to Deduction Phase-out";

constexpr Line kLines[] = {
    {Line::Heading,
     "Sole Proprietorship, LLC, or Partnership Where Net Business Income Is Subject to SE Taxes "
     "Payable by the Individual"},
    {Line::Heading, "Business A"},
    {Line::Amount, "Net Income Subject to SE Tax and Qualified for the Deduction",
     BusinessAmount::AWages},
    {Line::Amount, "Net Income Subject to SE Tax but Not Qualified for the Deduction",
     BusinessAmount::ANot},
    {Line::Amount, "W-2 Wages Paid by the Business to Its Employees", BusinessAmount::AW2},
    {Line::Amount, "Depreciable Assets of the Business", BusinessAmount::ACap},
    {Line::Trade, kServiceTrade, BusinessAmount::AWages, 'A'},
    {Line::Heading, "Business B"},
    {Line::Amount, "Net Income Subject to SE Tax and Qualified for the Deduction",
     BusinessAmount::BWages},
    {Line::Amount, "Net Income Subject to SE Tax but Not Qualified for the Deduction",
     BusinessAmount::BNot},
    {Line::Amount, "W-2 Wages Paid by the Business to Its Employees", BusinessAmount::BW2},
    {Line::Amount, "Depreciable Assets of the Business", BusinessAmount::BCap},
    {Line::Trade, kServiceTrade, BusinessAmount::AWages, 'B'},
    {Line::Heading,
     "S-Corp Where Earned Wages Are Subject to FICA Payable at the Corporate Level and Profit Is "
     "Passed Through to the Individual"},
    {Line::Heading, "Business C"},
    {Line::Amount, "W-2 Wages From the Corporation", BusinessAmount::CWages},
    {Line::Amount, "Allocable Share of Pass-Through Distributions", BusinessAmount::CPass},
    {Line::Amount, "W-2 Wages Paid by the Corporation to Its Employees", BusinessAmount::CW2},
    {Line::Amount, "Depreciable Assets of the Corporation", BusinessAmount::CCap},
    {Line::Trade, kServiceTrade, BusinessAmount::AWages, 'C'},
    {Line::Heading, "Business D"},
    {Line::Amount, "W-2 Wages From the Corporation", BusinessAmount::DWages},
    {Line::Amount, "Allocable Share of Pass-Through Distributions", BusinessAmount::DPass},
    {Line::Amount, "W-2 Wages Paid by the Corporation to Its Employees", BusinessAmount::DW2},
    {Line::Amount, "Depreciable Assets of the Corporation", BusinessAmount::DCap},
    {Line::Trade, kServiceTrade, BusinessAmount::AWages, 'D'},
    {Line::Heading,
     "REIT Dividends, Cooperative Dividends, and Publicly Traded Partnership Income"},
    {Line::Amount, "Distributions", BusinessAmount::REIT},
};

constexpr std::pair<IncomePeriod, const char*> kPeriods[] = {
    {IncomePeriod::Yearly, "Yearly"},         {IncomePeriod::Monthly, "Monthly"},
    {IncomePeriod::SemiWeekly, "SemiWeekly"}, {IncomePeriod::Weekly, "Weekly"},
    {IncomePeriod::Hourly, "Hourly"},
};

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

BusinessWindow::BusinessWindow(AppContext& context, IncomeParty party, QWidget* parent)
    : QMainWindow(parent), context_(context), party_(party) {
    bool claimant = party == IncomeParty::Claimant;
    setObjectName(claimant ? "ClaimBusiness" : "PayerBusiness");
    setWindowTitle(claimant ? "Claimant's Business Income" : "Other Party's Business Income");
    BuildMenus();

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    auto* scroll = new QScrollArea(central);
    scroll->setWidget(BuildColumns());
    scroll->setWidgetResizable(true);
    layout->addWidget(scroll);
    auto* exit = new QPushButton("Exit", central);
    exit->setObjectName("ExitButton");
    connect(exit, &QPushButton::clicked, this, &BusinessWindow::Exit);
    layout->addWidget(exit, 0, Qt::AlignRight);
    setCentralWidget(central);

    binder_ = new FieldBinder(context_.record.fields, *central);
    binder_->BindAll();
    connect(binder_, &FieldBinder::edited, this, &BusinessWindow::OnEdited);
    resize(1000, 760);
    Refresh();
}

void BusinessWindow::BuildMenus() {
    QAction* exit = menuBar()->addAction("E&xit");
    exit->setObjectName("Exit");
    connect(exit, &QAction::triggered, this, &BusinessWindow::Exit);
    QMenu* periods = menuBar()->addMenu("Entry Time Period");
    auto* group = new QActionGroup(this);
    for (const auto& [period, name] : kPeriods) {
        QAction* action = periods->addAction(name);
        action->setObjectName(name);
        action->setCheckable(true);
        group->addAction(action);
        IncomePeriod chosen = period;
        connect(action, &QAction::triggered, this, [this, chosen] {
            ChangeBusinessPeriod(context_.record, party_, chosen);
            Refresh();
        });
    }
}

QWidget* BusinessWindow::BuildColumns() {
    auto* page = new QWidget(this);
    auto* grid = new QGridLayout(page);
    grid->addWidget(new QLabel(party_ == IncomeParty::Claimant ? "Claimant" : "Other Party", page),
                    0, 1, Qt::AlignCenter);
    auto* spouse = new QLabel("New Spouse", page);
    grid->addWidget(spouse, 0, 2, Qt::AlignCenter);
    newSpouseWidgets_ << spouse;
    int row = 1;
    for (const Line& line : kLines) {
        auto* label = new QLabel(line.text, page);
        label->setWordWrap(true);
        if (line.kind == Line::Heading) {
            QFont font = label->font();
            font.setBold(true);
            label->setFont(font);
            grid->addWidget(label, row++, 0, 1, 3);
            continue;
        }
        grid->addWidget(label, row, 0);
        for (int column : {kPartyColumn, kNewSpouseColumn}) {
            QWidget* control;
            if (line.kind == Line::Amount) {
                auto* edit = new QLineEdit(page);
                edit->setObjectName(Q(BusinessFieldName(party_, line.amount, column)));
                edit->setAlignment(Qt::AlignRight);
                edit->setMaximumWidth(150);
                control = edit;
            } else {
                auto* check = new QCheckBox(page);
                check->setObjectName(Q(BusinessTradeFieldName(party_, line.business, column)));
                control = check;
            }
            grid->addWidget(control, row, 1 + column, Qt::AlignCenter);
            if (column == kNewSpouseColumn) {
                newSpouseWidgets_ << control;
            }
        }
        ++row;
    }
    for (const char* total : {"TotalWages", "TotalPass"}) {
        QString caption = QString(total) == "TotalWages" ? "Total S-Corp Wages"
                                                         : "Total Pass-Through Distributions";
        grid->addWidget(new QLabel(caption, page), row, 0);
        for (int column : {kPartyColumn, kNewSpouseColumn}) {
            auto* edit = new QLineEdit(page);
            edit->setObjectName(QString("%1(%2)").arg(total).arg(column));
            edit->setReadOnly(true);
            edit->setAlignment(Qt::AlignRight);
            edit->setMaximumWidth(150);
            grid->addWidget(edit, row, 1 + column, Qt::AlignCenter);
            if (column == kNewSpouseColumn) {
                newSpouseWidgets_ << edit;
            }
        }
        ++row;
    }
    grid->setColumnStretch(0, 1);
    return page;
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
    for (int column : {kPartyColumn, kNewSpouseColumn}) {
        findChild<QLineEdit*>(QString("TotalWages(%1)").arg(column))
            ->setText(Q(FormatSingle(business.totalWages[column], "$ ###,###.#0")));
        findChild<QLineEdit*>(QString("TotalPass(%1)").arg(column))
            ->setText(Q(FormatSingle(business.totalPass[column], "$ ###,###.#0")));
    }
    bool joint = context_.record.fields.Selected(PartyFieldName(party_, "MFJ"));
    for (QWidget* widget : newSpouseWidgets_) {
        widget->setVisible(joint);
    }
    for (const auto& [period, name] : kPeriods) {
        findChild<QAction*>(name)->setChecked(period == business.period);
    }
}

void BusinessWindow::Exit() {
    RefreshBusinessScreen(context_.record, party_);
    hide();
    emit closed();
}

void BusinessWindow::closeEvent(QCloseEvent* event) {
    if (!context_.quitting) {
        RefreshBusinessScreen(context_.record, party_);
        emit closed();
    }
    event->accept();
}

}  // namespace tovaris::gui
