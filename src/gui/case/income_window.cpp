#include "case/income_window.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/field_binder.h"
#include "case/income_refresh.h"
#include "case/income_screen.h"
#include "tax/business_window.h"

namespace tovaris::gui {

namespace {

struct IncomeRow {
    IncomeSource source;
    const char* label;
};

constexpr IncomeRow kIncomeRows[] = {
    {IncomeSource::Earned,
     "Earned Wages, Salaries, and Tips Subject to FICA and Fed Tax (Box 1 of Form W-2, Etc)"},
    {IncomeSource::EarnedExempt,
     "Earned Income Only Subject to FICA (Included on Form W-2 but not in Box 1, 401K Contribs, "
     "Etc)"},
    {IncomeSource::Self, "Business Income (Subject to SE/FICA Taxes and Fed/State Taxes)"},
    {IncomeSource::PT,
     "Rentals, Royalties, Annuities (Subject to Fed and NII Tax but not FICA/SE)"},
    {IncomeSource::ST,
     "Short Term Capital Gains, Investment Interest (Subject to Fed and NII Tax but not FICA or SE "
     "Tax)"},
    {IncomeSource::LT, "Long Term Capital Gains (Subject to Lower Federal Tax Rates and NII Tax)"},
    {IncomeSource::Pension,
     "Qualifed Retirement Plans, Unemployment, Non-Investment Income (Subject to Fed Tax)"},
    {IncomeSource::Free,
     "Income Not Subject to Fed Taxes (Int. on Tax Free Bonds, Prior Alimony/Maint Ordered After "
     "2018)"},
    {IncomeSource::PriorMaint,
     "Alimony/Maint Received From Prior Marriages (Ordered Before 2019 and Subject to Fed Tax)"},
    {IncomeSource::SS, "Social Security Benefits Received (Portion May Be Subject to Fed Tax)"},
};

struct PeriodItem {
    IncomePeriod period;
    const char* name;
    const char* caption;
};

constexpr PeriodItem kPeriods[] = {
    {IncomePeriod::Yearly, "Yearly", "Yearly"},
    {IncomePeriod::Monthly, "Monthly", "Monthly"},
    {IncomePeriod::SemiWeekly, "SemiWeekly", "Every Two Weeks"},
    {IncomePeriod::Weekly, "Weekly", "Weekly"},
    {IncomePeriod::Hourly, "Hourly", "Hourly (40-Hour Week)"},
};

QLabel* Wrapped(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

QLineEdit* Amount(const QString& name, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setMinimumWidth(120);
    edit->setMaximumWidth(150);
    edit->setAlignment(Qt::AlignRight);
    return edit;
}

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), text.size());
}

}  // namespace

IncomeWindow::IncomeWindow(AppContext& context, IncomeParty party, QWidget* parent)
    : QMainWindow(parent), context_(context), party_(party) {
    bool claimant = party == IncomeParty::Claimant;
    setObjectName(claimant ? "ClaimIncome" : "PayerIncome");
    setWindowTitle(claimant ? "Claimant's Income" : "Other Party's Income");
    BuildMenus();

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    auto* top = new QHBoxLayout;
    auto* period = new QLabel(central);
    period->setObjectName("PeriodLabel");
    periodLabels_ << period;
    top->addWidget(period);
    top->addStretch();
    imputed_ = new QLabel("IMPUTED", central);
    imputed_->setObjectName("ImputedMark");
    imputed_->setStyleSheet("color: #b00000; font-weight: bold;");
    top->addWidget(imputed_);
    layout->addLayout(top);

    pages_ = new QTabWidget(central);
    pages_->addTab(BuildIncomePage(), "Gross Income");
    pages_->addTab(BuildAdjustmentsPage(), "Adjustments To Gross Income For Fed Tax Calculation");
    pages_->addTab(BuildCreditsPage(), "Fed Tax Credits And Deductions");
    pages_->addTab(BuildDeductionsPage(), "Other Worksheet Income Deductions And 2nd Family Data");
    layout->addWidget(pages_);

    auto* buttons = new QHBoxLayout;
    auto* impute = new QPushButton(
        claimant ? "IMPUTE CLAIMANT'S INCOME" : "IMPUTE OTHER PARTY'S INCOME", central);
    impute->setObjectName("Impute");
    impute->setEnabled(false);  // the imputation calculator comes with its own screen
    auto* business = new QPushButton("Business Income", central);
    business->setObjectName("Business");
    business_ = new BusinessWindow(context_, party_, this);
    connect(business, &QPushButton::clicked, this, [this] {
        business_->Refresh();
        business_->show();
        business_->raise();
    });
    connect(business_, &BusinessWindow::closed, this, &IncomeWindow::Refresh);
    auto* exit = new QPushButton("Exit", central);
    exit->setObjectName("ExitButton");
    connect(exit, &QPushButton::clicked, this, &IncomeWindow::Exit);
    buttons->addWidget(impute);
    buttons->addWidget(business);
    buttons->addStretch();
    buttons->addWidget(exit);
    layout->addLayout(buttons);
    setCentralWidget(central);

    binder_ = new FieldBinder(context_.record.fields, *central);
    binder_->BindAll();
    connect(binder_, &FieldBinder::edited, this, &IncomeWindow::OnEdited);
    for (QLineEdit* edit : central->findChildren<QLineEdit*>()) {
        connect(edit, &QLineEdit::returnPressed, this, [this] { focusNextChild(); });
    }
    resize(1220, 660);
    Refresh();
}

void IncomeWindow::BuildMenus() {
    QAction* exit = menuBar()->addAction("E&xit");
    exit->setObjectName("Exit");
    connect(exit, &QAction::triggered, this, &IncomeWindow::Exit);
    QMenu* periods = menuBar()->addMenu("Entry Time Period");
    periods->setObjectName("EntryTimePeriod");
    auto* group = new QActionGroup(this);
    for (const PeriodItem& item : kPeriods) {
        QAction* action = periods->addAction(item.caption);
        action->setObjectName(item.name);
        action->setCheckable(true);
        group->addAction(action);
        IncomePeriod period = item.period;
        connect(action, &QAction::triggered, this, [this, period] { SetPeriod(period); });
    }
}

QString IncomeWindow::Name(IncomeSource source, int column) const {
    return QString::fromStdString(IncomeFieldName(party_, source, column));
}

QString IncomeWindow::Name(IncomeDeduction deduction) const {
    return QString::fromStdString(DeductionFieldName(party_, deduction));
}

QString IncomeWindow::Role(const char* role) const {
    return QString::fromStdString(PartyFieldName(party_, role));
}

QWidget* IncomeWindow::BuildIncomePage() {
    auto* page = new QWidget(this);
    auto* grid = new QGridLayout(page);
    bool claimant = party_ == IncomeParty::Claimant;
    grid->addWidget(new QLabel(claimant ? "Claimant" : "Other Party", page), 0, 1, Qt::AlignCenter);
    auto* spouse = new QLabel("New Spouse", page);
    grid->addWidget(spouse, 0, 2, Qt::AlignCenter);
    newSpouseWidgets_ << spouse;
    int row = 1;
    for (const IncomeRow& income : kIncomeRows) {
        grid->addWidget(Wrapped(income.label, page), row, 0);
        grid->addWidget(Amount(Name(income.source, kPartyColumn), page), row, 1);
        QLineEdit* spouseAmount = Amount(Name(income.source, kNewSpouseColumn), page);
        grid->addWidget(spouseAmount, row, 2);
        newSpouseWidgets_ << spouseAmount;
        ++row;
    }
    grid->addWidget(new QLabel("Total Income From All Sources", page), row, 0);
    for (int column : {kPartyColumn, kNewSpouseColumn}) {
        QLineEdit* total =
            Amount(QString::fromStdString(IncomeTotalFieldName(party_, column)), page);
        total->setReadOnly(true);
        grid->addWidget(total, row, 1 + column);
        if (column == kNewSpouseColumn) {
            newSpouseWidgets_ << total;
        }
    }
    auto* note = Wrapped(claimant ? "To Prorate Taxes, Claimant's MFJ Status Requires Income "
                                    "Entries For New Spouse"
                                  : "To Prorate Taxes, Other Party's MFJ Status Requires Income "
                                    "Entries For New Spouse",
                         page);
    grid->addWidget(note, row + 1, 0, 1, 3);
    newSpouseWidgets_ << note;
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(row + 2, 1);
    return page;
}

QWidget* IncomeWindow::BuildAdjustmentsPage() {
    auto* page = new QWidget(this);
    auto* layout = new QGridLayout(page);
    layout->addWidget(new QLabel("IRA Deduction", page), 0, 0);
    layout->addWidget(Amount(Name(IncomeDeduction::IRADeduct), page), 0, 1);
    layout->addWidget(new QLabel("Other Adjustments To Gross Income", page), 1, 0);
    layout->addWidget(Amount(Name(IncomeDeduction::OtherDeduct), page), 1, 1);
    auto* self = new QGroupBox(
        "Federal Tax Income Deductions Available Only To Self Employed Individuals", page);
    auto* selfGrid = new QGridLayout(self);
    selfGrid->addWidget(new QLabel("Self-Employed Retirement Plan Contributions", self), 0, 0);
    selfGrid->addWidget(Amount(Name(IncomeDeduction::SelfRetirementDeduct), self), 0, 1);
    selfGrid->addWidget(new QLabel("Self-Employed Health Insurance Deduction", self), 1, 0);
    selfGrid->addWidget(Amount(Name(IncomeDeduction::SelfHealthDeduct), self), 1, 1);
    selfGrid->setColumnStretch(0, 1);
    layout->addWidget(self, 2, 0, 1, 2);
    layout->addWidget(new QLabel("Enter All As YEARLY Values", page), 3, 0, 1, 2);
    layout->setColumnStretch(0, 1);
    layout->setRowStretch(4, 1);
    return page;
}

QWidget* IncomeWindow::BuildCreditsPage() {
    auto* page = new QWidget(this);
    auto* layout = new QGridLayout(page);
    bool claimant = party_ == IncomeParty::Claimant;
    QString who = claimant ? "Claimant" : "Other Party";
    auto* standard = new QRadioButton("Standard Deduction", page);
    standard->setObjectName(Role("StandardDeduction"));
    auto* itemized = new QRadioButton("Itemized Deductions", page);
    itemized->setObjectName(Role("ItemizedDeduction"));
    layout->addWidget(standard, 0, 0);
    layout->addWidget(itemized, 1, 0);

    auto* amounts = new QWidget(page);
    amounts->setObjectName("ItemizedAmounts");
    auto* amountGrid = new QGridLayout(amounts);
    amountGrid->setContentsMargins(20, 0, 0, 0);
    amountGrid->addWidget(new QLabel("Itemized Deductions Amount", amounts), 0, 0);
    amountGrid->addWidget(Amount(Name(IncomeDeduction::ItemizedAmount), amounts), 0, 1);
    amountGrid->addWidget(new QLabel("Itemized Deductions Not Subject To Limits", amounts), 1, 0);
    amountGrid->addWidget(Amount(Name(IncomeDeduction::ItemizedNoLimit), amounts), 1, 1);
    amountGrid->addWidget(
        Wrapped("Mortgage Interest Incurred after 2017 Limited to Indebtedness of "
                "750K (375K MFS), 1000K (500K MFS) if Incurred before 2018",
                amounts),
        2, 0, 1, 2);
    amountGrid->addWidget(Wrapped("Up to 10K (5K MFS) for State and Property Taxes Combined, (2% "
                                  "floor misc. deducts are no longer allowed)",
                                  amounts),
                          3, 0, 1, 2);
    layout->addWidget(amounts, 2, 0, 1, 2);

    auto* age = new QCheckBox("Check Here if " + who +
                                  " is Age 65 or Older (adds $1850 to Standard Deduction for HH or "
                                  "Single or $1500 for MFS, MFJ)",
                              page);
    age->setObjectName(QString::fromStdString(AgeSixtyFiveFieldName(party_)));
    layout->addWidget(age, 3, 0, 1, 2);
    auto* realEstate = new QCheckBox("Check Here To Apply An Additional $500 To The " + who +
                                         "'s Standard Deduction For Real Estate Taxes Paid",
                                     page);
    realEstate->setObjectName(Role("RealSDCheck"));
    layout->addWidget(realEstate, 4, 0, 1, 2);

    auto* eic = new QCheckBox(
        "Check If You Want Program To Calculate, If Applicable, An Earned Income Credit (EIC) ",
        page);
    eic->setObjectName(Role("EICCheck"));
    layout->addWidget(eic, 5, 0, 1, 2);
    auto* eicOptions = new QWidget(page);
    eicOptions->setObjectName("EICOptions");
    auto* eicLayout = new QVBoxLayout(eicOptions);
    eicLayout->setContentsMargins(20, 0, 0, 0);
    const std::pair<const char*, QString> options[] = {
        {"EICNone", who + " has No Qualifying Children"},
        {"EICOne", "There is One Qualifying Child that resides with " + who +
                       " at Least One Half of the Year"},
        {"EICTwo", "There are Two Qualifying Children that reside with " + who +
                       " at Least One Half of the Year"},
        {"EICThree", "There are Three or More Qualifying Children that reside with " + who +
                         " at Least One Half of the Year"},
    };
    for (const auto& [role, caption] : options) {
        auto* option = new QRadioButton(caption, eicOptions);
        option->setObjectName(Role(role));
        eicLayout->addWidget(option);
    }
    layout->addWidget(eicOptions, 6, 0, 1, 2);
    layout->addWidget(new QLabel("Other Federal Tax Credits", page), 7, 0);
    layout->addWidget(Amount(Name(IncomeDeduction::OtherCredits), page), 7, 1);
    layout->addWidget(new QLabel("Enter All As YEARLY Values", page), 8, 0, 1, 2);
    layout->setColumnStretch(0, 1);
    layout->setRowStretch(9, 1);
    return page;
}

QWidget* IncomeWindow::BuildDeductionsPage() {
    auto* page = new QWidget(this);
    auto* grid = new QGridLayout(page);
    bool claimant = party_ == IncomeParty::Claimant;
    QString who = claimant ? "Claimant" : "Other Party";
    grid->addWidget(new QLabel(who, page), 0, 1, Qt::AlignCenter);
    auto* spouse = new QLabel("New Spouse", page);
    grid->addWidget(spouse, 0, 2, Qt::AlignCenter);
    newSpouseWidgets_ << spouse;

    struct Row {
        const char* label;
        IncomeDeduction party;
        std::optional<IncomeDeduction> spouse;
    };
    const Row rows[] = {
        {"Maintenance Paid to Prior Spouses (Ordered Before 2019) and a Fed AGI Deduction",
         IncomeDeduction::PriorMaintPaid, IncomeDeduction::PriorMaintPaid1},
        {"Maintenance Paid to Prior Spouses (Ordered After 2018) and Not a Fed AGI Deduction",
         IncomeDeduction::PriorMaintPaid2, IncomeDeduction::PriorMaintPaid3},
        {"State Industrial Insurance Deductions", IncomeDeduction::StIndus, std::nullopt},
        {"Mandatory Union and/or Professional Dues", IncomeDeduction::Dues, std::nullopt},
        {"Manadatory Pension Plan Payments", IncomeDeduction::PensionPay, std::nullopt},
        {"Voluntary Retirement Contibutions", IncomeDeduction::Retire, std::nullopt},
    };
    int line = 1;
    for (const Row& row : rows) {
        grid->addWidget(Wrapped(row.label, page), line, 0);
        grid->addWidget(Amount(Name(row.party), page), line, 1);
        if (row.spouse) {
            QLineEdit* spouseAmount = Amount(Name(*row.spouse), page);
            grid->addWidget(spouseAmount, line, 2);
            newSpouseWidgets_ << spouseAmount;
        }
        ++line;
    }
    auto* note = Wrapped(
        "MFJ Tax Status Requires Prior Maintenance Entries For New Spouse If "
        "Applicable",
        page);
    grid->addWidget(note, line++, 0, 1, 3);
    newSpouseWidgets_ << note;

    auto* family = new QGroupBox("Children From Other Relationships", page);
    auto* familyGrid = new QGridLayout(family);
    auto* check = new QCheckBox(family);
    check->setObjectName(Role("SecFamCheck"));
    familyGrid->addWidget(check, 0, 0, Qt::AlignTop);
    familyGrid->addWidget(
        Wrapped("Check if " + who +
                    " has Children from Additional Relationships to whom a Duty of Support is "
                    "owed. This may include Other Children for whom Child Support is being paid, "
                    "or Other Children in the " +
                    who + "'s 2nd Family Household.",
                family),
        0, 1, 1, 6);
    familyGrid->addWidget(new QLabel("Number In " + who + "'s Household", family), 1, 1);
    auto* inHome = Amount(Role("NumOther"), family);
    inHome->setMaximumWidth(60);
    familyGrid->addWidget(inHome, 1, 2);
    familyGrid->addWidget(new QLabel("Number Not In " + who + "'s Household", family), 2, 1);
    auto* away = Amount(Role("NumOtherNot"), family);
    away->setMaximumWidth(60);
    familyGrid->addWidget(away, 2, 2);
    familyGrid->addWidget(new QLabel("Ages (list In-Household Children first)", family), 3, 1);
    auto* ages = new QHBoxLayout;
    for (int i = 0; i < 5; ++i) {
        auto* age = Amount(Role(("OtherChildAge(" + std::to_string(i) + ")").c_str()), family);
        age->setMinimumWidth(50);
        age->setMaximumWidth(60);
        ages->addWidget(age);
    }
    ages->addStretch();
    familyGrid->addLayout(ages, 3, 2, 1, 5);
    familyGrid->addWidget(Wrapped("Child Support Paid For Children From Additional Relationships "
                                  "Not In " +
                                      who + "'s Household (Yearly)",
                                  family),
                          4, 1);
    familyGrid->addWidget(Amount(Name(IncomeDeduction::OtherSupport), family), 4, 2);
    familyGrid->setColumnStretch(1, 1);
    grid->addWidget(family, line++, 0, 1, 3);
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(line, 1);
    return page;
}

void IncomeWindow::OnEdited(const QString& field) {
    CaseRecord& record = context_.record;
    std::string name = field.toStdString();
    if (field == Role("ItemizedDeduction")) {
        ChooseItemizedDeduction(record, party_);
    } else if (field == Role("StandardDeduction")) {
        ChooseStandardDeduction(record, party_);
    } else if (FindField(name).kind == FieldKind::Text) {
        TypeIncomeAmount(record, name, record.fields.Text(name));
        return;  // an entry being typed: shown formatted at the next refresh
    }
    Refresh();  // a choice: what the page shows may change
}

void IncomeWindow::SetPeriod(IncomePeriod period) {
    ChangeIncomePeriod(context_.record, party_, period);
    Refresh();
}

void IncomeWindow::Refresh() {
    binder_->Refresh();
    IncomeScreenLayout layout = IncomeScreenLayoutOf(context_.record, party_);
    for (QWidget* widget : newSpouseWidgets_) {
        widget->setVisible(layout.newSpouseColumn);
    }
    findChild<QWidget*>("ItemizedAmounts")->setVisible(layout.itemizedAmount);
    findChild<QWidget*>(QString::fromStdString(AgeSixtyFiveFieldName(party_)))
        ->setVisible(layout.ageSixtyFive);
    findChild<QWidget*>("EICOptions")->setVisible(layout.eicOptions);

    const CaseGlobals& g = context_.record.globals;
    const std::string& status =
        party_ == IncomeParty::Claimant ? g.ClaimImputeStatus : g.PayerImputeStatus;
    imputed_->setVisible(status == "Imputed");

    IncomePeriod period = context_.record.income.Of(party_).period;
    for (QLabel* label : periodLabels_) {
        label->setText(Q(PeriodLabel(period)));
    }
    for (const PeriodItem& item : kPeriods) {
        findChild<QAction*>(item.name)->setChecked(item.period == period);
    }
}

void IncomeWindow::Exit() {
    if (CloseIncomeScreen(context_.record, party_, context_.interaction, context_.quitting)) {
        hide();
        emit closed();
    }
    Refresh();
}

void IncomeWindow::closeEvent(QCloseEvent* event) {
    if (context_.quitting) {
        event->accept();
        return;
    }
    event->ignore();
    Exit();
}

}  // namespace tovaris::gui
