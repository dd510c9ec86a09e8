#include "support/support_results_window.h"

#include <QAction>
#include <QActionGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "app/case_option_actions.h"
#include "app/keyboard.h"
#include "app/menu_items.h"
#include "app/named_button.h"
#include "app/rows_view.h"
#include "app/screen_setup.h"
#include "calculators/bonus_window.h"
#include "calculators/flip_window.h"
#include "case/preferences.h"
#include "maintenance/bonus_calculator.h"
#include "support/child_support_command.h"
#include "support/results_panel.h"
#include "tax/credits_dialog.h"
#include "whatif/sweep_chart_window.h"

namespace tovaris::gui {

namespace {

constexpr const char* kStandardCaption = "Standard Support Calculation";
constexpr const char* kCalculationCaption = "Child Support Calculation";

struct PartyFrame {
    const char* name;
    const char* caption;
    const char* change;
    const char* reset;
    const char* credits;
    IncomeParty party;
};

constexpr PartyFrame kPartyFrames[] = {
    {"Frame1", "Claimant", "ChangeClaimant", "ResetClaimant", "ClaimCreditButton",
     IncomeParty::Claimant},
    {"Frame2", "Other Party", "ChangeOther", "ResetOther", "OtherCreditsButton",
     IncomeParty::Other},
};

const PartyFrame& FrameOf(NetParty party) {
    return kPartyFrames[party == NetParty::Claimant ? 0 : 1];
}

int IndexOf(NetParty party) {
    return party == NetParty::Claimant ? 0 : 1;
}

}  // namespace

SupportResultsWindow::SupportResultsWindow(AppContext& context, CaseOptionActions& options,
                                           QWidget* parent)
    : QMainWindow(parent), context_(context), options_(options) {
    setObjectName("ChildSupportResults");
    setWindowTitle("Child Support");
    BuildMenus();
    auto* central = new QWidget(this);
    auto* layout = new QHBoxLayout(central);
    layout->addWidget(BuildLeftSide());
    layout->addWidget(BuildResultFrame(), 1);
    setCentralWidget(central);
    resize(1180, 760);
}

void SupportResultsWindow::BuildMenus() {
    AddResultScreenMenus(*menuBar(), context_, *this, "PreviewCS",
                         "Print/Preview A Child Support Report Or Save As PDF");
    QMenu* defaults = menuBar()->addMenu("Calculation &Defaults");
    BuildExtrapolationItems(*defaults->addMenu("Extrapolation Defaults"));
    connect(AddMenuItem(*defaults->addMenu("Self-Support Reserve Default"), "ChangeSubsistence",
                        "Change Self-Support Reserve"),
            &QAction::triggered, this, &SupportResultsWindow::ChangeSubsistence);

    QMenu* tools = menuBar()->addMenu("&Tools");
    AddMenuItem(*tools, "DefinedBenefitCalculator", "Defined Benefit Calculator", false);
    AddMenuItem(*tools, "FinCalc", "Financial Calculator", false);
    AddMenuItem(*tools, "t72", "72(t) Withdrawal Calculator", false);
    connect(AddMenuItem(*tools, "ONE", "Overnight Count Estimator"), &QAction::triggered, this,
            &SupportResultsWindow::openOvernightEstimator);
    connect(
        AddMenuItem(*tools->addMenu("Bonus Calculator"), "RunCSBonus", "Run A Bonus Calculation"),
        &QAction::triggered, this, &SupportResultsWindow::ShowBonusCalculator);
    connect(AddMenuItem(*tools->addMenu("Dependency/Overnight Flip Calculator"), "RunFlip",
                        "Run A Dependency/Overnight Flip Calculation"),
            &QAction::triggered, this, &SupportResultsWindow::ShowFlipCalculator);
    AddChartMenu(*menuBar(), context_, *this, whatif::SweepCalculation::ChildSupport);
}

// This screen's own extrapolation items: a click here also drops the typed net incomes, which
// the same choice on the other screens does not.
void SupportResultsWindow::BuildExtrapolationItems(QMenu& menu) {
    extrapolation_ = new QActionGroup(this);
    const std::pair<const char*, Extrapolation> items[] = {{"Dont", Extrapolation::Dont},
                                                           {"Curve", Extrapolation::Curve},
                                                           {"Linear", Extrapolation::Linear}};
    for (const auto& [name, method] : items) {
        QAction* action = AddMenuItem(menu, name, options_.action(name)->text());
        action->setCheckable(true);
        extrapolation_->addAction(action);
        connect(action, &QAction::triggered, this,
                [this, method = method] { ChooseExtrapolation(method); });
        // A choice on another screen's menu shows here too.
        connect(options_.action(name), &QAction::triggered, action,
                [action] { action->setChecked(true); });
    }
}

QWidget* SupportResultsWindow::BuildLeftSide() {
    auto* side = new QWidget(this);
    auto* layout = new QVBoxLayout(side);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* caseFrame = new QGroupBox("Case Name", side);
    caseFrame->setObjectName("Frame9");
    auto* caseLayout = new QVBoxLayout(caseFrame);
    caseName_ = new QLineEdit(caseFrame);
    caseName_->setObjectName("ClaimantName");
    caseName_->setReadOnly(true);
    caseLayout->addWidget(caseName_);
    QPushButton* back = NamedButton("ReturnToDataCommand", "Return To Data Entry", caseFrame);
    connect(back, &QPushButton::clicked, this, [this] {
        hide();
        emit returnToData();
    });
    caseLayout->addWidget(back);
    layout->addWidget(caseFrame);

    auto* limitsFrame = new QGroupBox("Presumptive Transfer And Limitation Adjustments", side);
    limitsFrame->setObjectName("Frame10");
    auto* limitsLayout = new QHBoxLayout(limitsFrame);
    applyLimits_ = NamedButton("ApplyLimits", "No Limitations", limitsFrame);
    applyDev_ = NamedButton("ApplyDev", "No 2nd Families", limitsFrame);
    connect(applyLimits_, &QPushButton::clicked, this, &SupportResultsWindow::ApplyLimits);
    connect(applyDev_, &QPushButton::clicked, this, &SupportResultsWindow::ApplyDeviation);
    limitsLayout->addWidget(applyLimits_);
    limitsLayout->addWidget(applyDev_);
    layout->addWidget(limitsFrame);

    auto* basicFrame = new QGroupBox("Basic Support Obligation", side);
    basicFrame->setObjectName("Frame7");
    auto* basicLayout = new QVBoxLayout(basicFrame);
    perChild_ = new QLabel(basicFrame);
    perChild_->setObjectName("PerChildList");
    perChild_->setTextFormat(Qt::PlainText);
    basicLayout->addWidget(perChild_);
    QPushButton* tiers = NamedButton("ButtonPlus1", "Support By Number Of Children", basicFrame);
    connect(tiers, &QPushButton::clicked, this, &SupportResultsWindow::ToggleTiers);
    basicLayout->addWidget(tiers);
    layout->addWidget(basicFrame);

    layout->addWidget(BuildPartyFrame(NetParty::Claimant));
    layout->addWidget(BuildPartyFrame(NetParty::Other));
    layout->addStretch(1);
    return side;
}

QGroupBox* SupportResultsWindow::BuildPartyFrame(NetParty party) {
    const PartyFrame& names = FrameOf(party);
    auto* frame = new QGroupBox(names.caption, this);
    frame->setObjectName(names.name);
    auto* grid = new QGridLayout(frame);
    grid->addWidget(new QLabel("New Net Per Month", frame), 0, 0);
    QLineEdit*& box = newNet_[IndexOf(party)];
    box = new QLineEdit(frame);
    box->setObjectName(TypedNetField(party));
    grid->addWidget(box, 0, 1);
    QPushButton* change = NamedButton(names.change, "Change", frame);
    QPushButton* reset = NamedButton(names.reset, "Reset", frame);
    QPushButton* credits = NamedButton(names.credits, "Tax Credits", frame);
    connect(change, &QPushButton::clicked, this, [this, party] { ChangeNet(party); });
    connect(box, &QLineEdit::textEdited, this, [this, party](const QString& text) {
        TypeNetBox(context_.record, party, text.toStdString());
    });
    OnEnter(*box, *change);
    connect(reset, &QPushButton::clicked, this, [this, party] { ResetNet(party); });
    connect(credits, &QPushButton::clicked, this,
            [this, &names] { ShowPartyCredits(context_.record, names.party, this); });
    grid->addWidget(change, 1, 0);
    grid->addWidget(reset, 1, 1);
    grid->addWidget(credits, 2, 0, 1, 2);
    return frame;
}

QGroupBox* SupportResultsWindow::BuildResultFrame() {
    resultFrame_ = new QGroupBox(kStandardCaption, this);
    resultFrame_->setObjectName("Frame5");
    auto* layout = new QVBoxLayout(resultFrame_);
    resultStack_ = new QStackedWidget(resultFrame_);
    panel_ = new ResultsPanel(resultStack_);
    tierPanel_ = new QLabel(resultStack_);
    tierPanel_->setObjectName("Picture8");
    tierPanel_->setTextFormat(Qt::PlainText);
    tierPanel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    tierPanel_->setWordWrap(true);
    tierPanel_->setAutoFillBackground(true);
    tierPanel_->setBackgroundRole(QPalette::Base);
    tierPanel_->setMargin(8);
    // On a narrow desktop the panel scrolls rather than widening the screen.
    auto* scroll = new QScrollArea(resultStack_);
    scroll->setObjectName("ResultScroll");
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setWidget(panel_);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    resultStack_->addWidget(scroll);
    resultStack_->addWidget(tierPanel_);
    layout->addWidget(resultStack_);
    return resultFrame_;
}

QAction* SupportResultsWindow::menuItem(const QString& name) const {
    return FindMenuItem(*menuBar(), name);
}

void SupportResultsWindow::ShowSwitchButton(QPushButton& button, const std::string& caption,
                                            bool enabled) {
    button.setText(QString::fromStdString(caption));
    button.setEnabled(enabled);
    QFont font = button.font();
    font.setBold(enabled);
    button.setFont(font);
}

void SupportResultsWindow::Redraw() {
    const CaseRecord& record = context_.record;
    const SupportResults& r = record.results.support;
    caseName_->setText(QString::fromStdString(record.fields.Text("ClaimantName")));
    ShowSwitchButton(*applyLimits_, r.LimitsButton, r.LimitsButtonEnabled);
    ShowSwitchButton(*applyDev_, r.DeviationButton, r.DeviationButtonEnabled);
    SupportDisplay display = BuildSupportDisplay(record);
    applyLimits_->setToolTip(JoinLines(display.limitReasons));
    panel_->Show(display);
    perChild_->setText(JoinLines(display.perChild));
    tierPanel_->setText(JoinLines(TierLines(record)));
    int checked = static_cast<int>(record.options.extrapolation);
    extrapolation_->actions().at(checked)->setChecked(true);
    ShowResultCaption();
}

void SupportResultsWindow::ResetForNewCase() {
    ClearTypedNets(context_.record);
    for (QLineEdit* box : newNet_) {
        box->clear();
    }
    resultStack_->setCurrentIndex(0);
    resultFrame_->setTitle(kStandardCaption);
    resultFrame_->setStyleSheet({});
}

void SupportResultsWindow::Recalculate() {
    if (RecalculateChildSupport(context_.record, context_.interaction)) {
        Redraw();
    }
    emit recalculated();
}

void SupportResultsWindow::ApplyLimits() {
    if (ToggleLimits(context_.record)) {
        Recalculate();
    }
}

void SupportResultsWindow::ApplyDeviation() {
    if (ToggleDeviation(context_.record)) {
        Recalculate();
    }
}

void SupportResultsWindow::ChangeNet(NetParty party) {
    QLineEdit* box = newNet_[IndexOf(party)];
    if (ChangeTypedNet(context_.record, context_.interaction, party, box->text().toStdString())) {
        Recalculate();
    } else {
        box->setFocus();
    }
}

void SupportResultsWindow::ResetNet(NetParty party) {
    ResetTypedNet(context_.record, party);
    newNet_[IndexOf(party)]->clear();
    Recalculate();
}

void SupportResultsWindow::ChooseExtrapolation(Extrapolation method) {
    ChangeExtrapolation(context_.record, method);
    options_.SyncFromRecord();
    for (QLineEdit* box : newNet_) {
        box->clear();
    }
    Recalculate();
}

void SupportResultsWindow::ChangeSubsistence() {
    if (ChangeSelfSupportReserve(context_.preferences, context_.record, context_.interaction)) {
        Recalculate();
    }
}

void SupportResultsWindow::ToggleTiers() {
    bool showTiers = resultStack_->currentWidget() != tierPanel_;
    resultStack_->setCurrentIndex(showTiers ? 1 : 0);
    if (!showTiers) {
        resultFrame_->setTitle(kCalculationCaption);
        resultFrame_->setStyleSheet({});
    }
    ShowResultCaption();
}

// The calculator leaves the case as it found it; the screen shows the calculation again.
void SupportResultsWindow::ShowBonusCalculator() {
    BonusWindow::ShowOnce(
        bonus_, "Child Support Bonus Calculator",
        [this](const std::string& bonus) -> std::optional<DisplayRows> {
            auto result = RunChildSupportBonus(context_.record, context_.interaction, bonus);
            Redraw();
            return result ? std::optional(result->lines) : std::nullopt;
        },
        this);
}

// The calculator gives the case back as it found it; the screen shows the calculation again.
void SupportResultsWindow::ShowFlipCalculator() {
    if (flip_ == nullptr) {
        flip_ = new FlipWindow(context_, this);
        SetUpScreen(*flip_, context_.preferences, context_.scale.monAdj);
        connect(flip_, &FlipWindow::calculated, this, &SupportResultsWindow::Redraw);
    }
    flip_->Open();
}

// While the tiers are shown the caption says what they leave out, in red.
void SupportResultsWindow::ShowResultCaption() {
    if (resultStack_->currentWidget() != tierPanel_) {
        return;
    }
    resultFrame_->setTitle(QString::fromStdString(TierCaption(context_.record)));
    resultFrame_->setStyleSheet("QGroupBox#Frame5::title { color: red; }");
}

}  // namespace tovaris::gui
