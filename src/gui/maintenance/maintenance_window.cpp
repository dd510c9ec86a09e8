#include "maintenance/maintenance_window.h"

#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/keyboard.h"
#include "app/menu_items.h"
#include "app/named_button.h"
#include "app/rows_view.h"
#include "calculators/bonus_window.h"
#include "maintenance/bonus_calculator.h"
#include "maintenance/maintenance_rows.h"
#include "maintenance/maintenance_screen_commands.h"
#include "tax/credits_dialog.h"
#include "whatif/sweep_chart_window.h"

namespace tovaris::gui {

namespace {

constexpr const char* kTaxNote =
    "NOTE: For separation agreements executed after December 31, 2018, alimony/maintenance "
    "payments are not tax deductible for the payer and thus are not taxable income for the "
    "payee.";

constexpr const char* kFolderPrompt = "Click On The Folder To Set As Default For Your Data Saves";

constexpr const char* kPresentValueHelp =
    "The present value is what the award is worth today: each monthly payment after the tax "
    "rate, discounted month by month at the discount rate / 12, summed over the duration.";

QString Labels(const DisplayRows& rows) {
    QStringList lines;
    for (const DisplayRow& row : rows) {
        lines << QString::fromStdString(row.label + row.value);
    }
    return lines.join('\n');
}

QLineEdit* Entry(const char* name, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    return edit;
}

}  // namespace

MaintenanceWindow::MaintenanceWindow(AppContext& context, QWidget* parent)
    : QMainWindow(parent), context_(context) {
    setObjectName("MaintenanceResults");
    setWindowTitle("Recommended Spousal Maintenance");
    BuildMenus();
    auto* central = new QWidget(this);
    auto* layout = new QHBoxLayout(central);
    layout->addWidget(BuildLeftSide(), 3);
    layout->addWidget(BuildRightSide(), 2);
    setCentralWidget(central);
    resize(1180, 780);
}

void MaintenanceWindow::BuildMenus() {
    AddResultScreenMenus(*menuBar(), context_, *this, "PreviewMaint",
                         "Print/Preview A Maintenance Report Or Save As PDF", kFolderPrompt);
    QMenu* tools = menuBar()->addMenu("&Tools");
    AddMenuItem(*tools, "DefinedBenefitCalculator", "Defined Benefit Plan Calculator", false);
    AddMenuItem(*tools, "FinCalc", "Financial Calculator", false);
    AddMenuItem(*tools, "t72", "72(t) Withdrawal Calculator", false);
    connect(AddMenuItem(*tools, "ONE", "Overnight Count Estimator"), &QAction::triggered, this,
            &MaintenanceWindow::openOvernightEstimator);
    connect(AddMenuItem(*menuBar()->addMenu("&Bonus Calculator"), "RunBonus",
                        "Run A Bonus Calculation"),
            &QAction::triggered, this, &MaintenanceWindow::ShowBonusCalculator);
    AddChartMenu(*menuBar(), context_, *this, whatif::SweepCalculation::Maintenance);
}

QGroupBox* MaintenanceWindow::Frame(const char* name, const QString& caption, QWidget* parent) {
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(name);
    return frame;
}

QLabel* MaintenanceWindow::TextArea(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QWidget* MaintenanceWindow::BuildLeftSide() {
    auto* side = new QWidget(this);
    auto* layout = new QVBoxLayout(side);
    layout->setContentsMargins(0, 0, 0, 0);

    QGroupBox* score = Frame("ScoreFrame", "Case Score Summary", side);
    auto* scoreGrid = new QGridLayout(score);
    scoreGrid->addWidget(new QLabel("The Case Score on a Scale of 0 to 100 is:", score), 0, 0);
    caseScore_ = Entry("CaseScore", score);
    caseScore_->setReadOnly(true);
    caseScore_->setMaximumWidth(90);
    scoreGrid->addWidget(caseScore_, 0, 1);
    comment_ = TextArea("CaseComment", score);
    scoreGrid->addWidget(comment_, 1, 0, 1, 2);
    layout->addWidget(score);

    QGroupBox* term = Frame("TermFrame", "Spousal Maintenance Term Recommendations", side);
    terms_ = TextArea("TermLines", term);
    (new QVBoxLayout(term))->addWidget(terms_);
    layout->addWidget(term);

    QGroupBox* award = Frame("AwardFrame", "Suggested Spousal Maintenance Award", side);
    auto* awardGrid = new QGridLayout(award);
    award_ = TextArea("AwardSentence", award);
    awardGrid->addWidget(award_, 0, 0, 1, 4);
    awardGrid->addWidget(new QLabel("New Maintenance Award Per Year", award), 1, 0);
    newAward_ = Entry("NewAward", award);
    newAward_->setMinimumWidth(newAward_->fontMetrics().horizontalAdvance("$ 999,999,999") + 16);
    awardGrid->addWidget(newAward_, 1, 1);
    QPushButton* change = NamedButton("ChangeAward", "Change Award", award);
    QPushButton* suggested = NamedButton("UseSuggested", "Use Suggested Award", award);
    connect(change, &QPushButton::clicked, this, &MaintenanceWindow::ChangeAward);
    connect(suggested, &QPushButton::clicked, this, &MaintenanceWindow::UseSuggested);
    OnEnter(*newAward_, *change);
    // The commands go below the box, so that a narrow window never squeezes the box.
    auto* commands = new QHBoxLayout;
    commands->addWidget(change);
    commands->addWidget(suggested);
    commands->addStretch(1);
    awardGrid->addLayout(commands, 2, 0, 1, 4);
    awardGrid->setColumnStretch(3, 1);
    status_ = TextArea("CalcStatusText", award);
    awardGrid->addWidget(status_, 3, 0, 1, 4);
    layout->addWidget(award);

    auto* parties = new QWidget(side);
    auto* partyLayout = new QHBoxLayout(parties);
    partyLayout->setContentsMargins(0, 0, 0, 0);
    const std::tuple<const char*, const char*, const char*, IncomeParty> frames[] = {
        {"Frame1", "Claimant", "ClaimCreditButton", IncomeParty::Claimant},
        {"Frame2", "Other Party", "OtherCreditsButton", IncomeParty::Other},
    };
    for (int i = 0; i < 2; ++i) {
        const auto& [name, caption, creditsName, party] = frames[i];
        QGroupBox* frame = Frame(name, caption, parties);
        auto* column = new QVBoxLayout(frame);
        heads_[i] = TextArea(i == 0 ? "ClaimHead" : "OtherHead", frame);
        columns_[i] = new RowsView(frame);
        QPushButton* credits = NamedButton(creditsName, "Tax Credits", frame);
        connect(credits, &QPushButton::clicked, this,
                [this, party = party] { ShowPartyCredits(context_.record, party, this); });
        column->addWidget(heads_[i]);
        column->addWidget(columns_[i]);
        column->addStretch(1);
        column->addWidget(credits);
        partyLayout->addWidget(frame);
    }
    layout->addWidget(parties, 1);
    return side;
}

QWidget* MaintenanceWindow::BuildRightSide() {
    auto* side = new QWidget(this);
    auto* layout = new QVBoxLayout(side);
    layout->setContentsMargins(0, 0, 0, 0);

    QGroupBox* name = Frame("Frame9", "Case Name", side);
    caseName_ = Entry("ClaimantName", name);
    caseName_->setReadOnly(true);
    (new QVBoxLayout(name))->addWidget(caseName_);
    layout->addWidget(name);

    QGroupBox* data = Frame("CaseDataFrame", "Case Data", side);
    auto* dataLayout = new QVBoxLayout(data);
    caseData_ = new RowsView(data);
    dataLayout->addWidget(caseData_);
    QPushButton* back = NamedButton("ReturnToDataCommand", "Return To Data Entry", data);
    connect(back, &QPushButton::clicked, this, [this] {
        hide();
        emit returnToData();
    });
    dataLayout->addWidget(back);
    layout->addWidget(data);

    QGroupBox* present = Frame("PresentValueFrame", "Present Value Of Award", side);
    auto* pvGrid = new QGridLayout(present);
    pvDuration_ = Entry("PresentValueDuration", present);
    pvTax_ = Entry("PresentValueTax", present);
    pvDiscount_ = Entry("PresentValueDiscount", present);
    const std::pair<const char*, QLineEdit*> inputs[] = {
        {"Duration In Years", pvDuration_},
        {"Tax Rate (as a decimal)", pvTax_},
        {"Discount Rate (as a decimal)", pvDiscount_}};
    int row = 0;
    for (const auto& [caption, edit] : inputs) {
        pvGrid->addWidget(new QLabel(caption, present), row, 0);
        pvGrid->addWidget(edit, row++, 1);
    }
    QPushButton* compute = NamedButton("PresentValueButton", "Present Value", present);
    connect(compute, &QPushButton::clicked, this, &MaintenanceWindow::ComputePresentValue);
    for (QLineEdit* edit : {pvDuration_, pvTax_, pvDiscount_}) {
        OnEnter(*edit, *compute);
    }
    pvGrid->addWidget(compute, row, 0);
    QPushButton* help = NamedButton("PVHelp", "Help", present);
    connect(help, &QPushButton::clicked, this, [this] {
        context_.interaction.Box("Present Value", kPresentValueHelp, BoxButtons::Ok);
    });
    pvGrid->addWidget(help, row++, 1);
    pvResult_ = TextArea("PresentValueResult", present);
    pvGrid->addWidget(pvResult_, row, 0, 1, 2);
    layout->addWidget(present);

    QGroupBox* comments = Frame("CommentsFrame", "Additional Comments", side);
    (new QVBoxLayout(comments))->addWidget(TextArea("TaxNote", comments));
    comments->findChild<QLabel*>("TaxNote")->setText(kTaxNote);
    layout->addWidget(comments);
    layout->addStretch(1);
    return side;
}

void MaintenanceWindow::Redraw() {
    const CaseRecord& record = context_.record;
    caseName_->setText(QString::fromStdString(record.fields.Text("ClaimantName")));
    maintenance::MaintenanceDisplay display = maintenance::MaintenanceDisplayOf(record);
    caseScore_->setText(QString::fromStdString(display.caseScore));
    comment_->setText(Labels(display.comment));
    terms_->setText(Labels(display.terms));
    award_->setText(QString::fromStdString(display.awardSentence));
    std::string status = display.status;
    if (!display.taxRulesNotice.empty()) {
        status += (status.empty() ? "" : "\n") + display.taxRulesNotice;
    }
    status_->setText(QString::fromStdString(status));
    caseData_->SetRows(display.caseData);
    heads_[0]->setText(QString::fromStdString(display.claimHeading));
    heads_[1]->setText(QString::fromStdString(display.payerHeading));
    columns_[0]->SetRows(display.claimColumn);
    columns_[1]->SetRows(display.payerColumn);
    if (!record.results.maintenance.HasPresentValue) {
        for (QLineEdit* entry : {pvDuration_, pvTax_, pvDiscount_}) {
            entry->clear();
        }
        pvResult_->clear();
    }
}

void MaintenanceWindow::ShowRecommendation() {
    Redraw();
    emit recalculated();
}

void MaintenanceWindow::ChangeAward() {
    if (tovaris::ChangeAward(context_.record, context_.interaction,
                             newAward_->text().toStdString())) {
        newAward_->clear();
        ShowRecommendation();
    } else {
        newAward_->setFocus();
    }
}

void MaintenanceWindow::UseSuggested() {
    newAward_->clear();
    tovaris::UseSuggested(context_.record, context_.interaction);
    ShowRecommendation();
}

void MaintenanceWindow::ComputePresentValue() {
    std::optional<std::string> value = PresentValueCommand(
        context_.record, context_.interaction, pvDuration_->text().toStdString(),
        pvTax_->text().toStdString(), pvDiscount_->text().toStdString());
    if (value) {
        pvResult_->setText(QString::fromStdString(*value));
    }
}

// The calculator leaves the case as it found it; the screen shows the recommendation again.
void MaintenanceWindow::ShowBonusCalculator() {
    BonusWindow::ShowOnce(
        bonus_, "Alimony Bonus Calculator",
        [this](const std::string& bonus) -> std::optional<DisplayRows> {
            auto result = RunMaintenanceBonus(context_.record, context_.interaction, bonus);
            Redraw();
            return result ? std::optional(result->lines) : std::nullopt;
        },
        this);
}

QAction* MaintenanceWindow::menuItem(const QString& name) const {
    return FindMenuItem(*menuBar(), name);
}

}  // namespace tovaris::gui
