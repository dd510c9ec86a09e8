#include "case/income_window.h"

#include <QAction>
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
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>
#include <optional>

#include "app/field_binder.h"
#include "app/keyboard.h"
#include "app/screen_setup.h"
#include "calculators/impute_window.h"
#include "case/income_refresh.h"
#include "case/income_screen.h"
#include "case/income_screen_parts.h"
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

constexpr char kYearlyNote[] = "Enter All As YEARLY Values";

QLabel* CenteredHeading(const QString& text, QWidget* parent) {
    QLabel* label = HeadingLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

// A page fits the designed size; on a smaller window it scrolls rather than crowds its rows.
QWidget* Scrolling(QWidget* page) {
    auto* scroll = new QScrollArea;
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFocusPolicy(Qt::NoFocus);  // Tab goes from field to field, not to the frame
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidget(page);
    scroll->viewport()->setAutoFillBackground(false);  // the page keeps the tab's own colour
    page->setAutoFillBackground(false);
    return scroll;
}

}  // namespace

IncomeWindow::IncomeWindow(AppContext& context, IncomeParty party, QWidget* parent)
    : QMainWindow(parent),
      context_(context),
      party_(party),
      interaction_(std::make_unique<RevealingInteraction>(
          context.interaction, [this](const QString& field) { RevealField(field); })) {
    bool claimant = party == IncomeParty::Claimant;
    setObjectName(claimant ? "ClaimIncome" : "PayerIncome");
    setWindowTitle(claimant ? "Claimant's Income" : "Other Party's Income");

    QAction* exit = menuBar()->addAction("E&xit");
    exit->setObjectName("Exit");
    connect(exit, &QAction::triggered, this, &IncomeWindow::Exit);
    periodItems_ = AddPeriodMenu(*menuBar(), *this, [this](IncomePeriod p) { SetPeriod(p); });

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    pages_ = new QTabWidget(central);
    pages_->setObjectName("IncomePages");
    pages_->setUsesScrollButtons(true);
    incomePage_ = BuildIncomePage();
    pages_->addTab(Scrolling(incomePage_), "Gross Income");
    pages_->addTab(Scrolling(BuildAdjustmentsPage()),
                   "Adjustments To Gross Income For Fed Tax Calculation");
    pages_->addTab(Scrolling(BuildCreditsPage()), "Fed Tax Credits And Deductions");
    pages_->addTab(Scrolling(BuildDeductionsPage()),
                   "Other Worksheet Income Deductions And 2nd Family Data");
    layout->addWidget(pages_);
    layout->addWidget(BuildButtons());
    setCentralWidget(central);

    business_ = new BusinessWindow(context_, party_, this);
    connect(business_, &BusinessWindow::closed, this, [this] {
        AddIncomeVars(context_.record, party_);  // the business income and the totals
        Refresh();
    });

    binder_ = new FieldBinder(context_.record.fields, *central);
    binder_->BindAll();
    ConnectEntries();
    resize(1100, 600);
    Refresh();
}

IncomeWindow::~IncomeWindow() {
    DisconnectEntries(*this);
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

QString IncomeWindow::Who() const {
    return party_ == IncomeParty::Claimant ? "Claimant" : "Other Party";
}

QWidget* IncomeWindow::BuildIncomePage() {
    auto* page = new QWidget(this);
    auto* grid = new QGridLayout(page);
    imputed_ = new QLabel("IMPUTED", page);
    imputed_->setObjectName("ImputedMark");
    imputed_->setStyleSheet("color: #b00000; font-weight: bold;");
    grid->addWidget(imputed_, 0, 0);
    grid->addWidget(CenteredHeading(Who(), page), 0, 1);
    QLabel* spouse = CenteredHeading("New Spouse", page);
    grid->addWidget(spouse, 0, 2);
    newSpouseWidgets_ << spouse;
    for (int column : {kPartyColumn, kNewSpouseColumn}) {
        auto* period = new QLabel(page);
        period->setObjectName(column == kPartyColumn ? "PeriodLabel" : "PeriodLabel1");
        period->setAlignment(Qt::AlignCenter);
        period->setStyleSheet("color: #00308f; font-weight: bold;");
        grid->addWidget(period, 1, 1 + column);
        periodLabels_ << period;
        if (column == kNewSpouseColumn) {
            newSpouseWidgets_ << period;
        }
    }
    int row = 2;
    for (const IncomeRow& income : kIncomeRows) {
        grid->addWidget(WrappedLabel(income.label, page), row, 0);
        grid->addWidget(AmountEdit(Name(income.source, kPartyColumn), page), row, 1);
        QLineEdit* spouseAmount = AmountEdit(Name(income.source, kNewSpouseColumn), page);
        grid->addWidget(spouseAmount, row, 2);
        newSpouseWidgets_ << spouseAmount;
        ++row;
    }
    grid->addWidget(HeadingLabel("Total Income From All Sources", page), row, 0);
    for (int column : {kPartyColumn, kNewSpouseColumn}) {
        QLineEdit* total =
            AmountEdit(QString::fromStdString(IncomeTotalFieldName(party_, column)), page);
        total->setReadOnly(true);
        total->setFocusPolicy(Qt::NoFocus);
        grid->addWidget(total, row, 1 + column);
        if (column == kNewSpouseColumn) {
            newSpouseWidgets_ << total;
        }
    }
    ++row;
    QLabel* note = WrappedLabel(
        "To Prorate Taxes, " + Who() + "'s MFJ Status Requires Income Entries For New Spouse",
        page);
    note->setStyleSheet("font-style: italic;");
    grid->addWidget(note, row++, 0, 1, 3);
    newSpouseWidgets_ << note;
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(row, 1);
    return page;
}

QWidget* IncomeWindow::BuildAdjustmentsPage() {
    auto* page = new QWidget(this);
    auto* grid = new QGridLayout(page);
    grid->addWidget(HeadingLabel(kYearlyNote, page), 0, 0, 1, 2);
    grid->addWidget(WrappedLabel("IRA Deduction", page), 1, 0);
    grid->addWidget(AmountEdit(Name(IncomeDeduction::IRADeduct), page), 1, 1);
    grid->addWidget(WrappedLabel("Other Adjustments To Gross Income", page), 2, 0);
    grid->addWidget(AmountEdit(Name(IncomeDeduction::OtherDeduct), page), 2, 1);

    auto* self = new QGroupBox(
        "Federal Tax Income Deductions Available Only To Self Employed Individuals", page);
    auto* selfGrid = new QGridLayout(self);
    selfGrid->addWidget(
        WrappedLabel("Self-Employed Retirement Plan Contributions (SEP, SIMPLE, Keogh)", self), 0,
        0);
    selfGrid->addWidget(AmountEdit(Name(IncomeDeduction::SelfRetirementDeduct), self), 0, 1);
    selfGrid->addWidget(WrappedLabel("Self-Employed Health Insurance Deduction", self), 1, 0);
    selfGrid->addWidget(AmountEdit(Name(IncomeDeduction::SelfHealthDeduct), self), 1, 1);
    selfGrid->setColumnStretch(0, 1);
    grid->addWidget(self, 3, 0, 1, 2);
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(4, 1);
    return page;
}

QWidget* IncomeWindow::BuildCreditsPage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(HeadingLabel(kYearlyNote, page));

    auto* deduction = new QGroupBox("Federal Deduction", page);
    auto* deductionGrid = new QGridLayout(deduction);
    auto* standard = new QRadioButton("Standard Deduction", deduction);
    standard->setObjectName(Role("StandardDeduction"));
    auto* itemized = new QRadioButton("Itemized Deductions", deduction);
    itemized->setObjectName(Role("ItemizedDeduction"));
    deductionGrid->addWidget(standard, 0, 0, 1, 2);
    deductionGrid->addWidget(itemized, 1, 0, 1, 2);

    itemized_ = new QWidget(deduction);
    itemized_->setObjectName("ItemizedAmounts");
    auto* amountGrid = new QGridLayout(itemized_);
    amountGrid->setContentsMargins(24, 0, 0, 0);
    amountGrid->addWidget(WrappedLabel("Itemized Deductions Amount", itemized_), 0, 0);
    amountGrid->addWidget(AmountEdit(Name(IncomeDeduction::ItemizedAmount), itemized_), 0, 1);
    amountGrid->addWidget(WrappedLabel("Itemized Deductions Not Subject To Limits", itemized_), 1,
                          0);
    amountGrid->addWidget(AmountEdit(Name(IncomeDeduction::ItemizedNoLimit), itemized_), 1, 1);
    for (const char* text :
         {"Mortgage Interest Incurred after 2017 Limited to Indebtedness of 750K (375K MFS), 1000K "
          "(500K MFS) if Incurred before 2018",
          "Up to 10K (5K MFS) for State and Property Taxes Combined, (2% floor misc. deducts are "
          "no longer allowed)"}) {
        QLabel* note = WrappedLabel(text, itemized_);
        note->setStyleSheet("font-style: italic;");
        amountGrid->addWidget(note, amountGrid->rowCount(), 0, 1, 2);
    }
    amountGrid->setColumnStretch(0, 1);
    deductionGrid->addWidget(itemized_, 2, 0, 1, 2);

    ageSixtyFiveRow_ = WrappedCheckBox(QString::fromStdString(AgeSixtyFiveFieldName(party_)),
                                       "Check Here if " + Who() +
                                           " is Age 65 or Older (adds $1850 to Standard Deduction "
                                           "for HH or Single or $1500 for MFS, MFJ)",
                                       deduction);
    deductionGrid->addWidget(ageSixtyFiveRow_, 3, 0, 1, 2);
    deductionGrid->addWidget(
        WrappedCheckBox(Role("RealSDCheck"),
                        "Check Here To Apply An Additional $500 To The " + Who() +
                            "'s Standard Deduction For Real Estate Taxes Paid",
                        deduction),
        4, 0, 1, 2);
    deductionGrid->setColumnStretch(0, 1);
    layout->addWidget(deduction);

    auto* credits = new QGroupBox("Federal Tax Credits", page);
    auto* creditGrid = new QGridLayout(credits);
    creditGrid->addWidget(
        WrappedCheckBox(Role("EICCheck"),
                        "Check If You Want Program To Calculate, If Applicable, An Earned Income "
                        "Credit (EIC) ",
                        credits),
        0, 0, 1, 2);
    eicOptions_ = new QWidget(credits);
    eicOptions_->setObjectName("EICOptions");
    auto* eicLayout = new QVBoxLayout(eicOptions_);
    eicLayout->setContentsMargins(24, 0, 0, 0);
    const std::pair<const char*, QString> options[] = {
        {"EICNone", Who() + " has No Qualifying Children"},
        {"EICOne", "There is One Qualifying Child that resides with " + Who() +
                       " at Least One Half of the Year"},
        {"EICTwo", "There are Two Qualifying Children that reside with " + Who() +
                       " at Least One Half of the Year"},
        {"EICThree", "There are Three or More Qualifying Children that reside with " + Who() +
                         " at Least One Half of the Year"},
    };
    for (const auto& [role, caption] : options) {
        auto* option = new QRadioButton(caption, eicOptions_);
        option->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);  // the page may be narrow
        option->setObjectName(Role(role));
        eicLayout->addWidget(option);
    }
    creditGrid->addWidget(eicOptions_, 1, 0, 1, 2);
    creditGrid->addWidget(WrappedLabel("Other Federal Tax Credits Taken on Form 1040 (Except for "
                                       "Child Tax and Child Care Credits)",
                                       credits),
                          2, 0);
    creditGrid->addWidget(AmountEdit(Name(IncomeDeduction::OtherCredits), credits), 2, 1);
    creditGrid->setColumnStretch(0, 1);
    layout->addWidget(credits);
    layout->addStretch(1);
    return page;
}

QWidget* IncomeWindow::BuildDeductionsPage() {
    auto* page = new QWidget(this);
    auto* grid = new QGridLayout(page);
    grid->addWidget(HeadingLabel(kYearlyNote, page), 0, 0);
    grid->addWidget(CenteredHeading(Who(), page), 0, 1);
    QLabel* spouse = CenteredHeading("New Spouse", page);
    grid->addWidget(spouse, 0, 2);
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
        grid->addWidget(WrappedLabel(row.label, page), line, 0);
        grid->addWidget(AmountEdit(Name(row.party), page), line, 1);
        if (row.spouse) {
            QLineEdit* spouseAmount = AmountEdit(Name(*row.spouse), page);
            grid->addWidget(spouseAmount, line, 2);
            newSpouseWidgets_ << spouseAmount;
        }
        ++line;
    }
    QLabel* note = WrappedLabel(
        "MFJ Tax Status Requires Prior Maintenance Entries For New Spouse If Applicable", page);
    note->setStyleSheet("font-style: italic;");
    grid->addWidget(note, line++, 0, 1, 3);
    newSpouseWidgets_ << note;

    auto* family = new QGroupBox("Children From Additional Relationships", page);
    auto* familyLayout = new QVBoxLayout(family);
    familyLayout->addWidget(WrappedCheckBox(
        Role("SecFamCheck"),
        "Check if " + Who() +
            " has Children from Additional Relationships to whom a Duty of Support is owed. This "
            "may include Other Children for whom Child Support is being paid, or Other Children "
            "in the " +
            Who() + "'s 2nd Family Household.",
        family));
    // The counts, ages and support paid: open only while the check box is ticked.
    otherChildren_ = new QWidget(family);
    otherChildren_->setObjectName("OtherChildrenFields");
    auto* familyGrid = new QGridLayout(otherChildren_);
    familyGrid->setContentsMargins(24, 0, 0, 0);
    familyGrid->addWidget(
        WrappedLabel("Number of These Children Living in the " + Who() + "'s Household",
                     otherChildren_),
        0, 0);
    familyGrid->addWidget(CountEdit(Role("NumOther"), otherChildren_), 0, 1, Qt::AlignLeft);
    familyGrid->addWidget(
        WrappedLabel("Number of These Children Not Living in the " + Who() + "'s Household",
                     otherChildren_),
        1, 0);
    familyGrid->addWidget(CountEdit(Role("NumOtherNot"), otherChildren_), 1, 1, Qt::AlignLeft);
    familyGrid->addWidget(
        WrappedLabel("Their Ages (list In-Household Children first)", otherChildren_), 2, 0);
    auto* ages = new QHBoxLayout;
    for (int i = 0; i < 5; ++i) {
        ages->addWidget(
            CountEdit(Role(("OtherChildAge(" + std::to_string(i) + ")").c_str()), otherChildren_));
    }
    ages->addStretch();
    familyGrid->addLayout(ages, 2, 1);
    familyGrid->addWidget(WrappedLabel("Child Support Paid for Children from Additional "
                                       "Relationships Not in the " +
                                           Who() + "'s Household",
                                       otherChildren_),
                          3, 0);
    familyGrid->addWidget(AmountEdit(Name(IncomeDeduction::OtherSupport), otherChildren_), 3, 1,
                          Qt::AlignLeft);
    familyGrid->setColumnStretch(0, 1);
    familyLayout->addWidget(otherChildren_);
    grid->addWidget(family, line++, 0, 1, 3);
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(line, 1);
    return page;
}

QWidget* IncomeWindow::BuildButtons() {
    auto* bar = new QWidget(this);
    auto* buttons = new QHBoxLayout(bar);
    buttons->setContentsMargins(0, 0, 0, 0);
    auto* impute = new QPushButton(party_ == IncomeParty::Claimant ? "IMPUTE CLAIMANT'S INCOME"
                                                                   : "IMPUTE OTHER PARTY'S INCOME",
                                   bar);
    impute->setObjectName("Impute");
    connect(impute, &QPushButton::clicked, this, &IncomeWindow::ShowImpute);
    auto* business = new QPushButton("Business Income", bar);
    business->setObjectName("Business");
    business->setToolTip(
        "Split the business income into self-employment income, S-corporation "
        "wages and pass-through distributions");
    connect(business, &QPushButton::clicked, this, &IncomeWindow::ShowBusiness);
    auto* exit = new QPushButton("Exit", bar);
    exit->setObjectName("ExitButton");
    connect(exit, &QPushButton::clicked, this, &IncomeWindow::Exit);
    OnEscape(*this, [this] { Exit(); });
    buttons->addWidget(impute);
    buttons->addWidget(business);
    buttons->addStretch();
    buttons->addWidget(exit);
    return bar;
}

void IncomeWindow::ConnectEntries() {
    connect(binder_, &FieldBinder::edited, this, &IncomeWindow::OnEdited);
    for (QLineEdit* edit : pages_->findChildren<QLineEdit*>()) {
        if (edit->isReadOnly()) {
            continue;
        }
        connect(edit, &QLineEdit::returnPressed, this,
                [this, edit] { FocusNextField(*pages_->currentWidget(), *edit); });
        connect(edit, &QLineEdit::editingFinished, this, [this, edit] { OnLeft(edit); });
    }
    connect(pages_, &QTabWidget::currentChanged, this, [this](int index) {
        if (QWidget* page = pages_->widget(index)) {
            FocusFirstField(*page);
        }
    });
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
        return;  // shown formatted once the user leaves the field
    }
    Refresh();  // a choice: what the page shows may change
}

void IncomeWindow::OnLeft(QLineEdit* edit) {
    if (!isVisible()) {
        return;
    }
    if (incomePage_->isAncestorOf(edit)) {
        AddIncomeVars(context_.record, party_);
    } else {
        AssignDeductVars(context_.record, party_);
    }
    binder_->Refresh();
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
    itemized_->setVisible(layout.itemizedAmount);
    ageSixtyFiveRow_->setVisible(layout.ageSixtyFive);
    eicOptions_->setVisible(layout.eicOptions);
    otherChildren_->setEnabled(context_.record.fields.Ticked(Role("SecFamCheck").toStdString()));

    const CaseGlobals& g = context_.record.globals;
    const bool claimant = party_ == IncomeParty::Claimant;
    imputed_->setVisible((claimant ? g.ClaimImputeStatus : g.PayerImputeStatus) == "Imputed");
    imputed_->setToolTip(QString::fromStdString(claimant ? g.ClaimImputeNote : g.PayerImputeNote));

    IncomePeriod period = context_.record.income.Of(party_).period;
    for (QLabel* label : periodLabels_) {
        label->setText(ToQString(PeriodLabel(period)));
    }
    TickPeriod(periodItems_, period);
}

void IncomeWindow::ShowBusiness() {
    business_->Refresh();
    business_->show();
    business_->raise();
    business_->activateWindow();
}

void IncomeWindow::ShowImpute() {
    if (impute_ == nullptr) {
        impute_ = new ImputeWindow(context_, party_, this);
        SetUpScreen(*impute_, context_.preferences, context_.scale.monAdj);
        connect(impute_, &ImputeWindow::imputed, this, &IncomeWindow::Refresh);
    }
    impute_->Open();
}

void IncomeWindow::RevealField(const QString& field) {
    QWidget* control = findChild<QWidget*>(field);
    if (control == nullptr) {
        return;
    }
    for (int i = 0; i < pages_->count(); ++i) {
        if (pages_->widget(i)->isAncestorOf(control)) {
            pages_->setCurrentIndex(i);
            return;
        }
    }
}

void IncomeWindow::Exit() {
    if (CloseIncomeScreen(context_.record, party_, *interaction_, context_.quitting)) {
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

void IncomeWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        Refresh();  // a command elsewhere may have changed the case meanwhile
    }
}

}  // namespace tovaris::gui
