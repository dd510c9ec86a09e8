#include "case/express_entry_form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "app/field_binder.h"
#include "case/express_handlers.h"
#include "case/time_share.h"
#include "support/nights_in_use.h"

namespace tovaris::gui {

namespace {

struct Choice {
    const char* name;
    const char* caption;
};

constexpr Choice kCustodyOptions[] = {
    {"NoMinorOption", "No Minor Children"},
    {"CustodialOption", "Custodial Parent is the Claimant"},
    {"NonCustodialOption", "Non-Custodial Parent is Claimant"},
    {"SharedOption", "Children are in Shared Possession"},
    {"SplitOption", "Children are in Split Possession"},
};

constexpr Choice kCaregiverOptions[] = {
    {"CharOption1", "Claimant Was The Primary Caregiver"},
    {"CharOption2", "Claimant Provided At Least Half Of The Care"},
    {"CharOption3", "Other Parent Was The Primary Caregiver"},
};

constexpr Choice kClaimFiling[] = {{"ClaimHeadHouse", "Head of Household"},
                                   {"ClaimSingle", "Single"},
                                   {"ClaimMarried", "Married Filing Sep."},
                                   {"ClaimMFJ", "Married Filing Jointly"}};
constexpr Choice kPayerFiling[] = {{"PayerHeadHouse", "Head of Household"},
                                   {"PayerSingle", "Single"},
                                   {"PayerMarried", "Married Filing Sep."},
                                   {"PayerMFJ", "Married Filing Jointly"}};

const QStringList kCustodyNames = {"NoMinorOption", "CustodialOption", "NonCustodialOption",
                                   "SharedOption", "SplitOption"};

// Every party-specific name of an Income And Tax Status frame.
struct PartyNames {
    const char* caption;
    const Choice (&filing)[4];
    const char* grossIncome;
    const char* grossLabel;
    const char* depend17;
    const char* stateTax;
    const char* stateTaxCombo;
    const char* incomeButton;
    const char* incomeCaption;
};

constexpr PartyNames kClaimNames = {"Claimant's Income And Tax Status",
                                    kClaimFiling,
                                    "ClaimGrossInc",
                                    "Claimant's Total Gross Income/Mo.",
                                    "ClaimDepend17",
                                    "ClaimStateTax",
                                    "ClaimStateTaxCombo",
                                    "EnterClaimIncome",
                                    "Claimant's Income Detail"};
constexpr PartyNames kPayerNames = {"Other Party's Income And Tax Status",
                                    kPayerFiling,
                                    "PayGrossInc",
                                    "Other Party's Total Gross Income/Mo.",
                                    "PayerDepend17",
                                    "PayerStateTax",
                                    "PayerStateTaxCombo",
                                    "EnterPayerIncome",
                                    "Other Party's Income Detail"};

QLineEdit* MakeEdit(QWidget* parent, const char* name, int width = 110) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setMaximumWidth(width);
    return edit;
}

QLabel* MakeLabel(QWidget* parent, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

// Form rows keep their label on one line; a row too long for the frame puts its field below.
QFormLayout* MakeForm(QWidget* parent) {
    auto* form = new QFormLayout(parent);
    form->setRowWrapPolicy(QFormLayout::WrapLongRows);
    return form;
}

QRadioButton* MakeRadio(QWidget* parent, const Choice& choice) {
    auto* radio = new QRadioButton(choice.caption, parent);
    radio->setObjectName(choice.name);
    return radio;
}

// Three columns keep every frame above the fold of a 768-line desktop.
void AddColumn(QGridLayout& grid, int column, std::initializer_list<QWidget*> frames) {
    auto* layout = new QVBoxLayout;
    for (QWidget* frame : frames) {
        layout->addWidget(frame);
    }
    layout->addStretch();
    grid.addLayout(layout, 0, column);
    grid.setColumnStretch(column, 1);
}

QString Element(const char* array, int index) {
    return QString("%1(%2)").arg(array).arg(index);
}

}  // namespace

ExpressEntryForm::ExpressEntryForm(AppContext& context, QWidget* parent)
    : QWidget(parent), context_(context) {
    setObjectName("ExpressForm");
    // Three columns keep every frame above the fold of a 768-line desktop; the frames are made
    // column by column, top to bottom, which is also the Tab order.
    auto* fields = new QWidget(this);
    auto* grid = new QGridLayout(fields);
    // A braced list builds its frames in order, and that creation order is the Tab order.
    AddColumn(*grid, 0, {BuildCaseStatus(), BuildCustody(), BuildCaregiver()});
    AddColumn(*grid, 1, {BuildPossession(), BuildExpenses(), BuildResults()});
    AddColumn(*grid, 2, {BuildParty(true), BuildParty(false)});

    // The fields scroll on a small screen; the command buttons stay in view below them.
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(fields);
    scroll->setFocusPolicy(Qt::NoFocus);  // Tab goes from field to field, not to the frame
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(0, 0, 0, 0);
    page->addWidget(scroll);
    page->addWidget(BuildButtons());

    binder_ = new FieldBinder(context_.record.fields, *this);
    binder_->BindAll();
    connect(binder_, &FieldBinder::edited, this, &ExpressEntryForm::OnEdited);
    Refresh();
}

QWidget* ExpressEntryForm::BuildCaseStatus() {
    auto* box = new QGroupBox("Case Status", this);
    auto* form = MakeForm(box);
    form->addRow("Case Name", MakeEdit(box, "ClaimantName", 400));
    form->addRow("Years of Marriage", MakeEdit(box, "YrsMarriage", 60));
    form->addRow("Age of Claimant", MakeEdit(box, "ClaimAge", 60));
    auto* skill = new QHBoxLayout;
    skill->addWidget(MakeEdit(box, "EdSkillScore", 60));
    auto* table = new QPushButton("Education/Skills Table", box);
    table->setObjectName("EdSkillsCommand");
    skill->addWidget(table);
    skill->addStretch();
    form->addRow("Claimant's Weighted Education And Skills Score", skill);

    auto* column = new QWidget(box);
    column->setObjectName("ColumnOptions");
    auto* columnRow = new QHBoxLayout(column);
    columnRow->setContentsMargins(0, 0, 0, 0);
    auto* column1 = new QRadioButton("Column 1", column);
    column1->setObjectName("FParentOption");
    auto* column2 = new QRadioButton("Column 2", column);
    column2->setObjectName("MParentOption");
    columnRow->addWidget(column1);
    columnRow->addWidget(column2);
    columnRow->addStretch();
    form->addRow("Claimant On WA Worksheet", column);
    childrenWidgets_ << column;
    connect(column1, &QRadioButton::clicked, this, [this] {
        ChooseClaimantColumn1(context_.record, context_.interaction);
        Refresh();
    });
    connect(column2, &QRadioButton::clicked, this,
            [this] { context_.record.options.claimantColumn = ClaimantColumn::Column2; });
    return box;
}

QWidget* ExpressEntryForm::BuildCustody() {
    auto* box = new QGroupBox("Family Custodial Status", this);
    auto* layout = new QGridLayout(box);
    int row = 0;
    for (const Choice& option : kCustodyOptions) {
        layout->addWidget(MakeRadio(box, option), row++, 0, 1, 2);
    }
    layout->addWidget(MakeLabel(box, "Number of Children Born during Marriage"), row, 0);
    layout->addWidget(MakeEdit(box, "NumChild", 50), row++, 1);
    auto* minorsLabel = MakeLabel(box, "Number of Minor Children Remaining");
    minorsLabel->setObjectName("MinChildLabel");
    layout->addWidget(minorsLabel, row, 0);
    layout->addWidget(MakeEdit(box, "MinChild", 50), row++, 1);
    layout->addWidget(MakeLabel(box, "Ages of Remaining Minor Children"), row++, 0, 1, 2);
    auto* ages = new QHBoxLayout;
    for (int i = 0; i < kChildAgeFields; ++i) {
        ages->addWidget(MakeEdit(box, Element("Child", i).toUtf8().constData(), 50));
    }
    ages->addStretch();
    layout->addLayout(ages, row, 0, 1, 2);
    return box;
}

QWidget* ExpressEntryForm::BuildCaregiver() {
    caregiver_ = new QGroupBox("Caregiver Characterization", this);
    caregiver_->setObjectName("CaregiverFrame");
    auto* layout = new QVBoxLayout(caregiver_);
    for (const Choice& option : kCaregiverOptions) {
        layout->addWidget(MakeRadio(caregiver_, option));
    }
    return caregiver_;
}

QWidget* ExpressEntryForm::BuildPossession() {
    possession_ = new QGroupBox(this);
    possession_->setObjectName("PossessionFrame");
    auto* layout = new QVBoxLayout(possession_);

    timeShare_ = new QWidget(possession_);
    auto* shares = new QGridLayout(timeShare_);
    shares->setContentsMargins(0, 0, 0, 0);
    shares->addWidget(new QLabel("% of Time As a Decimal", timeShare_), 0, 1);
    shares->addWidget(new QLabel("As Nights Per Year", timeShare_), 0, 2);
    shares->addWidget(MakeLabel(timeShare_, "Time Children Are In Claimant's Possession"), 1, 0);
    shares->addWidget(MakeEdit(timeShare_, "PercentOfTimeValue", 80), 1, 1);
    shares->addWidget(MakeEdit(timeShare_, "ClaimDays", 80), 1, 2);
    shares->addWidget(MakeLabel(timeShare_, "Time Children Are In Other's Possession"), 2, 0);
    shares->addWidget(MakeEdit(timeShare_, "PayerPerCent", 80), 2, 1);
    shares->addWidget(MakeEdit(timeShare_, "PayerDays", 80), 2, 2);
    auto* parenting = new QPushButton("Parenting Time", timeShare_);
    parenting->setObjectName("SharedCalc");
    shares->addWidget(parenting, 3, 0);
    auto* inUse = new QLabel(timeShare_);
    inUse->setObjectName("NightsInUse");  // when the parenting-time table overrides the share
    inUse->setWordWrap(true);
    shares->addWidget(inUse, 3, 1, 1, 2);
    layout->addWidget(timeShare_);

    split_ = new QWidget(possession_);
    auto* counts = new QGridLayout(split_);
    counts->setContentsMargins(0, 0, 0, 0);
    counts->addWidget(MakeLabel(split_, "Minor Children In Claimant's Possession"), 0, 0);
    counts->addWidget(MakeEdit(split_, "ClaimantPossessionSplit", 50), 0, 1, 1, 2);
    counts->addWidget(MakeLabel(split_, "Minor Children In Other Party's Possession"), 1, 0);
    counts->addWidget(MakeEdit(split_, "OtherPossessionSplit", 50), 1, 1, 1, 2);
    counts->addWidget(new QLabel("Lives With:", split_), 2, 0);
    for (int i = 0; i < kChildAgeFields; ++i) {
        QString child = i == 0 ? "Child 1 (youngest)" : QString("Child %1").arg(i + 1);
        counts->addWidget(new QLabel(child, split_), 3 + i, 0);
        auto* claim = new QRadioButton("Claimant", split_);
        claim->setObjectName(Element("ClaimChild", i));
        auto* other = new QRadioButton("Other Party", split_);
        other->setObjectName(Element("OtherChild", i));
        counts->addWidget(claim, 3 + i, 1);
        counts->addWidget(other, 3 + i, 2);
    }
    layout->addWidget(split_);
    return possession_;
}

QWidget* ExpressEntryForm::BuildParty(bool claimant) {
    const PartyNames& names = claimant ? kClaimNames : kPayerNames;
    auto* box = new QGroupBox(names.caption, this);
    auto* layout = new QGridLayout(box);
    int index = 0;
    for (const Choice& option : names.filing) {  // one column: the frame shares the width by three
        layout->addWidget(MakeRadio(box, option), index++, 0, 1, 2);
    }
    auto* form = MakeForm(nullptr);
    QLineEdit* gross = MakeEdit(box, names.grossIncome);
    gross->setMinimumWidth(gross->fontMetrics().horizontalAdvance("$ 99,999.99") + 12);
    form->addRow(names.grossLabel, gross);
    form->addRow("Number of Children Under Age 17 at Year End\nQualified for Fed Tax Credit",
                 MakeEdit(box, names.depend17, 50));
    auto* stateTax = new QHBoxLayout;
    stateTax->addWidget(MakeEdit(box, names.stateTax, 90));
    auto* combo = new QComboBox(box);
    combo->setObjectName(names.stateTaxCombo);
    combo->addItems({"As Rate", "As Amount"});
    stateTax->addWidget(combo);
    stateTax->addStretch();
    form->addRow("State Income Tax, As Rate or Amount/Yr", stateTax);
    layout->addLayout(form, index++, 0, 1, 2);
    auto* detail = new QPushButton(names.incomeCaption, box);
    detail->setObjectName(names.incomeButton);
    layout->addWidget(detail, index++, 0, 1, 2);
    layout->addWidget(MakeLabel(box, "Note: No Personal Exemptions under 2018 Tax Law"), index, 0,
                      1, 2);
    return box;
}

QWidget* ExpressEntryForm::BuildExpenses() {
    auto* box = new QGroupBox("Child Day Care, Health Care And Special Expenses", this);
    box->setObjectName("ExpensesFrame");
    auto* grid = new QGridLayout(box);
    grid->addWidget(new QLabel("Claimant", box), 0, 1);
    grid->addWidget(new QLabel("Other Party", box), 0, 2);
    struct Row {
        const char* label;
        const char* claim;
        const char* other;
    };
    const Row rows[] = {
        {"Monthly Day Care", "ClaimDayCare", "OtherDayCare"},
        {"No. of Children Qualified for Day Care Tax Credit", "ClaimNumCare", "OtherNumCare"},
        {"Health Care Expenses Paid/Mo. for Children", "ClaimHealthCare", "OtherHealthCare"},
        {"Education And Special Expenses/Mo.", "ClaimSpecial", "OtherSpecial"},
    };
    int line = 1;
    for (const Row& row : rows) {
        grid->addWidget(MakeLabel(box, row.label), line, 0);
        grid->addWidget(MakeEdit(box, row.claim, 80), line, 1);
        grid->addWidget(MakeEdit(box, row.other, 80), line, 2);
        ++line;
    }
    grid->setColumnStretch(0, 1);
    childrenWidgets_ << box;
    return box;
}

QWidget* ExpressEntryForm::BuildResults() {
    auto* box = new QGroupBox("Support And Maintenance", this);
    auto* column = new QVBoxLayout(box);
    auto* grid = new QGridLayout;

    auto* supportRow = new QWidget(box);
    supportRow->setObjectName("ChildSupportRow");
    auto* support = new QGridLayout(supportRow);
    support->setContentsMargins(0, 0, 0, 0);
    support->addWidget(new QLabel("Child Support Transfer:", supportRow), 0, 0);
    support->addWidget(MakeEdit(supportRow, "ChildSupport", 110), 0, 1);
    support->addWidget(
        MakeLabel(supportRow,
                  "(Will be negative if claimant pays, rather than receives child support)"),
        1, 0, 1, 2);
    column->addWidget(supportRow);
    column->addLayout(grid);
    childrenWidgets_ << supportRow;

    auto* maintLabel = new QLabel("Maint Transfer: Other to Claimant", box);
    maintLabel->setObjectName("CurrentMaintLabel");
    grid->addWidget(maintLabel, 1, 0);
    grid->addWidget(MakeEdit(box, "CurrentMaintTransfer", 110), 1, 1);
    auto* apply = new QCheckBox("Apply This Maint To The Child Support Calc", box);
    apply->setObjectName("ApplyMaintToCS");
    grid->addWidget(apply, 2, 0, 1, 2);
    connect(apply, &QCheckBox::toggled, this,
            [this](bool on) { context_.record.options.applyMaintToCS = on; });

    auto* payee = new QRadioButton("Maint Taxable to Payee", box);
    payee->setObjectName("OptionTaxedToPayee");
    auto* payer = new QRadioButton("Maint Taxable to Payer", box);
    payer->setObjectName("OptionTaxedToPayer");
    grid->addWidget(payee, 3, 0, 1, 2);
    grid->addWidget(payer, 4, 0, 1, 2);
    connect(payee, &QRadioButton::clicked, this,
            [this] { ChooseMaintTaxedToPayee(context_.record, context_.interaction); });
    connect(payer, &QRadioButton::clicked, this,
            [this] { context_.record.options.maintTaxedTo = MaintTaxedTo::Payer; });
    return box;
}

QWidget* ExpressEntryForm::BuildButtons() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    const Choice buttons[] = {
        {"ChildSupportButton", "Child Support"},
        {"AlimonyButton", "Maintenance"},
        {"RunWaWs", "WA Worksheet"},
        {"FinDec", "Financial Declaration"},
        {"Clear", "Clear"},
    };
    for (const Choice& b : buttons) {
        auto* button = new QPushButton(b.caption, row);
        button->setObjectName(b.name);
        button->setMinimumHeight(30);
        layout->addWidget(button);
        QString name = b.name;
        connect(button, &QPushButton::clicked, this, [this, name] { emit command(name); });
    }
    for (const char* name :
         {"EnterClaimIncome", "EnterPayerIncome", "EdSkillsCommand", "SharedCalc"}) {
        auto* button = findChild<QPushButton*>(name);
        QString command = name;
        connect(button, &QPushButton::clicked, this,
                [this, command] { emit this->command(command); });
    }
    return row;
}

void ExpressEntryForm::OnEdited(const QString& field) {
    CaseRecord& record = context_.record;
    Interaction& ui = context_.interaction;
    if (kCustodyNames.contains(field)) {
        OnCustodyOptionChanged(record);
    } else if (field == "NumChild") {
        OnNumChildChanged(record);
    } else if (field == "MinChild") {
        OnMinChildChanged(record, ui);
    } else if (field == "ClaimantPossessionSplit") {
        OnSplitCountChanged(record, ui, PartySide::Claimant);
    } else if (field == "OtherPossessionSplit") {
        OnSplitCountChanged(record, ui, PartySide::Other);
    } else if (field == "PercentOfTimeValue") {
        OnTimeShareChanged(record, ui, TimeShareField::ClaimShare);
    } else if (field == "ClaimDays") {
        OnTimeShareChanged(record, ui, TimeShareField::ClaimNights);
    } else if (field == "PayerPerCent") {
        OnTimeShareChanged(record, ui, TimeShareField::PayerShare);
    } else if (field == "PayerDays") {
        OnTimeShareChanged(record, ui, TimeShareField::PayerNights);
    } else if (field == "ClaimStateTaxCombo") {
        OnStateTaxComboChanged(record, PartySide::Claimant);
    } else if (field == "PayerStateTaxCombo") {
        OnStateTaxComboChanged(record, PartySide::Other);
    } else {
        return;  // a plain entry: nothing else depends on it while typing
    }
    Refresh();
}

void ExpressEntryForm::Refresh() {
    binder_->Refresh();
    const CaseOptions& options = context_.record.options;
    auto check = [this](const char* name, bool on) {
        auto* button = findChild<QAbstractButton*>(name);
        QSignalBlocker block(button);
        button->setChecked(on);
    };
    check("ApplyMaintToCS", options.applyMaintToCS);
    check("OptionTaxedToPayee", options.maintTaxedTo == MaintTaxedTo::Payee);
    check("OptionTaxedToPayer", options.maintTaxedTo == MaintTaxedTo::Payer);
    check("FParentOption", options.claimantColumn == ClaimantColumn::Column1);
    check("MParentOption", options.claimantColumn == ClaimantColumn::Column2);
    ApplyLayout(LayoutExpress(context_.record.fields));
    findChild<QLabel*>("NightsInUse")
        ->setText(QString::fromStdString(support::NightsInUseNote(context_.record.fields)));
    ShowCalculationOrder();
}

void ExpressEntryForm::SetVisible(const char* name, bool visible) {
    findChild<QWidget*>(name)->setVisible(visible);
}

void ExpressEntryForm::ApplyLayout(const ExpressLayout& layout) {
    possession_->setVisible(layout.possessionFrameVisible);
    possession_->setTitle(QString::fromUtf8(layout.possessionFrameCaption.data(),
                                            layout.possessionFrameCaption.size()));
    timeShare_->setVisible(layout.timeShareFieldsVisible);
    split_->setVisible(layout.splitFieldsVisible);
    for (QWidget* widget : childrenWidgets_) {
        widget->setVisible(layout.childrenFieldsVisible);
    }
    caregiver_->setVisible(layout.caregiverFrameVisible);
    caregiver_->setEnabled(layout.caregiverFrameEnabled);
    findChild<QWidget*>("MinChild")->setEnabled(layout.minorsEnabled);
    findChild<QWidget*>("MinChildLabel")->setEnabled(layout.minorsEnabled);
    for (int i = 0; i < kChildAgeFields; ++i) {
        findChild<QWidget*>(Element("Child", i))->setEnabled(layout.agesEnabled);
    }
    findChild<QWidget*>("NoMinorOption")->setEnabled(layout.noMinorOptionEnabled);
    for (const QString& name : kCustodyNames.mid(1)) {
        findChild<QWidget*>(name)->setEnabled(layout.otherCustodyOptionsEnabled);
    }
}

void ExpressEntryForm::ShowCalculationOrder() {
    const CaseOptions& options = context_.record.options;
    bool maintFirst = options.calculationOrder == CalculationOrder::MaintFirst;
    bool children = LayoutExpress(context_.record.fields).childrenFieldsVisible;
    SetVisible("ChildSupportRow", children && !maintFirst);
    SetVisible("CurrentMaintLabel", maintFirst);
    SetVisible("CurrentMaintTransfer", maintFirst);
    SetVisible("ApplyMaintToCS", maintFirst);
}

}  // namespace tovaris::gui
