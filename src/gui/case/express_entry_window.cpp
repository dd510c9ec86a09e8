#include "case/express_entry_window.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenuBar>
#include <QStatusBar>

#include "app/button_colors_dialog.h"
#include "app/case_option_actions.h"
#include "app/data_folder_choice.h"
#include "app/help_window.h"
#include "app/menu_items.h"
#include "app/preparer_dialog.h"
#include "app/scaling_dialog.h"
#include "app/screen_setup.h"
#include "calculators/calculator_windows.h"
#include "case/case_file.h"
#include "case/express_commands.h"
#include "case/express_entry_form.h"
#include "case/express_handlers.h"
#include "case/income_screen.h"
#include "case/income_window.h"
#include "case/preferences.h"
#include "case/warn_no_income_entry.h"
#include "maintenance/ed_skills_window.h"
#include "maintenance/maintenance_command.h"
#include "maintenance/maintenance_window.h"
#include "printing/print_menus.h"
#include "support/child_support_command.h"
#include "support/overnight_estimator_window.h"
#include "support/parenting_time_window.h"
#include "support/support_results_window.h"
#include "tax/business_window.h"
#include "whatif/scenario_menu.h"

namespace tovaris::gui {

namespace {
constexpr const char* kCaption = "Case Data Express Entry";
}  // namespace

ExpressEntryWindow::ExpressEntryWindow(AppContext& context, CaseOptionActions& options,
                                       QWidget* parent)
    : QMainWindow(parent), context_(context), options_(options) {
    setObjectName("ExpressEntry");
    BuildFileMenu();
    BuildDefaultsMenu();
    BuildToolsMenu();
    scenarios_ = new ScenarioMenu(context_, *menuBar(), *this);
    BuildHelpMenu();
    GiveStandardShortcuts(*menuBar());
    statusBar()->setObjectName("StatusLine");
    calculators_ = new CalculatorWindows(context_, this);
    calculators_->Wire(*menuBar());
    form_ = new ExpressEntryForm(context_, this);
    setCentralWidget(form_);
    parentingTime_ = new ParentingTimeWindow(context_, this);
    SetUpScreen(*parentingTime_, context_.preferences, context_.scale.monAdj);
    connect(this, &ExpressEntryWindow::caseChanged, parentingTime_, &ParentingTimeWindow::Refresh);
    for (IncomeParty party : kIncomeParties) {
        IncomeWindow*& window = income_[static_cast<int>(party)];
        window = new IncomeWindow(context_, party, this);
        SetUpScreen(*window, context_.preferences, context_.scale.monAdj);
        connect(this, &ExpressEntryWindow::caseChanged, window, &IncomeWindow::Refresh);
        SetUpScreen(*window->business(), context_.preferences, context_.scale.monAdj);
        connect(this, &ExpressEntryWindow::caseChanged, window->business(),
                &BusinessWindow::Refresh);
        connect(window, &IncomeWindow::closed, form_, &ExpressEntryForm::Refresh);
    }
    connect(form_, &ExpressEntryForm::command, this, &ExpressEntryWindow::RunFormCommand);
    connect(scenarios_, &ScenarioMenu::scenarioShown, this, [this] {
        emit caseChanged();
        form_->Refresh();
        ShowCaseState();
        statusBar()->showMessage("Scenario shown: " +
                                 QString::fromStdString(scenarios_->scenarios().Active()));
    });
    resize(1100, 800);
    // Entries are taken when the user leaves a field, on any screen.
    connect(qApp, &QApplication::focusChanged, this, &ExpressEntryWindow::ShowCaseState);
    StartNewCase();
}

// Closing the child screens moves the focus while this window is half destroyed.
ExpressEntryWindow::~ExpressEntryWindow() {
    disconnect(qApp, &QApplication::focusChanged, this, nullptr);
}

void ExpressEntryWindow::StartNewCase() {
    saved_.Mark(context_.record, {});
    ShowCaseState();
}

void ExpressEntryWindow::ShowCaseState() {
    QString title = kCaption;
    if (!saved_.fileName().empty()) {
        title += " - " + QFileInfo(QString::fromStdString(saved_.fileName())).fileName();
    }
    setWindowTitle(title + "[*]");
    setWindowModified(saved_.Changed(context_.record));
}

void ExpressEntryWindow::BuildFileMenu() {
    QMenu* file = menuBar()->addMenu("&File");
    file->setObjectName("FileMenu");
    connect(AddMenuItem(*file, "Save", "Save Client Data To File"), &QAction::triggered, this,
            &ExpressEntryWindow::SaveCase);
    connect(AddMenuItem(*file, "Open", "Open Client Data From File"), &QAction::triggered, this,
            [this] { OpenCase(); });
    file->addSeparator();
    AddMenuItem(*file, "Print", "Print", false);
    AddMenuItem(*file, "PrinterSetup", "Printer Setup", false);
    AddMenuItem(*file, "PrintScreenImage", "Print Screen Image", false);
    AddMenuItem(*file, "PrintPopup", "Print Income Popups", false);
    AddMenuItem(*file, "PreviewPopup", "Preview Income Popups Or Save As PDF", false);
    ConnectPrintMenu(*menuBar(), context_, *this);
    file->addSeparator();
    connect(AddMenuItem(*file, "Quit", "Quit Program"), &QAction::triggered, this,
            [this] { context_.requestQuit(); });
}

void ExpressEntryWindow::BuildDefaultsMenu() {
    QMenu* defaults = menuBar()->addMenu("Calculation &Default Settings");
    defaults->setObjectName("Defaults");

    options_.AddEconomicTableItems(*defaults->addMenu("Economic Table"));
    options_.AddExtrapolationItems(*defaults->addMenu("Extrapolation Above The Table"));
    options_.AddOtherFamilyItems(*defaults->addMenu("Other Family Calculation Default"));
    options_.AddSplitItems(*defaults->addMenu("Split Calculation Default"));
    options_.AddSharedItems(*defaults->addMenu("Shared Calculation Default"));
    options_.AddTaxRulesItems(*defaults->addMenu("Federal Tax Rules"));
    connect(&options_, &CaseOptionActions::taxRulesChosen, this, [this](FederalTaxRules rules) {
        ChooseFederalTaxRules(context_.preferences, context_.record, rules);
    });

    QMenu* order = defaults->addMenu("Maintenance And Child Support Calculation Order");
    auto* orderGroup = new QActionGroup(this);
    QAction* maintFirst =
        AddMenuItem(*order, "AutoCalc", "Maintenance Is Calculated Before Child Support");
    QAction* csFirst =
        AddMenuItem(*order, "DontAutoCalc", "Child Support Is Calculated Before Maintenance");
    for (QAction* a : {maintFirst, csFirst}) {
        a->setCheckable(true);
        orderGroup->addAction(a);
    }
    connect(maintFirst, &QAction::triggered, this,
            [this] { ChooseCalculationOrder(CalculationOrder::MaintFirst); });
    connect(csFirst, &QAction::triggered, this,
            [this] { ChooseCalculationOrder(CalculationOrder::CSFirst); });

    defaults->addSeparator();
    auto* folderGroup = new QActionGroup(this);
    QAction* last = AddMenuItem(*defaults, "LastLocation",
                                "Always Open To The Last Location Where Program Data Files Were "
                                "Saved ");
    QAction* user =
        AddMenuItem(*defaults, "UserDefault",
                    "Always Open To A Default Location (Click Here To Enter) For Saving  "
                    "Data Files");
    for (QAction* a : {last, user}) {
        a->setCheckable(true);
        folderGroup->addAction(a);
    }
    connect(last, &QAction::triggered, this, [this] { UseLastLocation(context_.preferences); });
    connect(user, &QAction::triggered, this, &ExpressEntryWindow::ChooseDataFolder);

    defaults->addSeparator();
    connect(AddMenuItem(*defaults, "ChangePreparer", "Change Preparer's Default Name And Office"),
            &QAction::triggered, this, [this] {
                PreparerDialog dialog(context_.preferences, this);
                dialog.exec();
            });
    connect(AddMenuItem(*defaults, "FedPovGuide", "Change Self-Support Reserve"),
            &QAction::triggered, this, [this] {
                ChangeSelfSupportReserve(context_.preferences, context_.record,
                                         context_.interaction);
            });
    defaults->addSeparator();
    connect(AddMenuItem(*defaults, "Color", "Change Button Colors"), &QAction::triggered, this,
            [this] {
                ButtonColorsDialog dialog(context_.preferences, this);
                SetUpScreen(dialog, context_.preferences, 1);
                dialog.exec();
            });
    connect(AddMenuItem(*defaults, "Scaling", "Display Scaling"), &QAction::triggered, this,
            [this] {
                ScalingDialog dialog(context_.preferences, context_.interaction,
                                     context_.scale.monAdj, this);
                SetUpScreen(dialog, context_.preferences, 1);
                dialog.exec();
            });
}

void ExpressEntryWindow::BuildToolsMenu() {
    QMenu* tools = menuBar()->addMenu("&Tools");
    tools->setObjectName("Tools");
    AddMenuItem(*tools, "DB", "Defined Benefit Pension Valuator", false);
    AddMenuItem(*tools, "IRA", "72(t) IRA Withdrawals", false);
    AddMenuItem(*tools, "FinCalc", "Financial Calculator", false);
    connect(AddMenuItem(*tools, "OnightCount", "Overnight Count Organizer/Estimator"),
            &QAction::triggered, this, [this] { ShowOnce(estimator_); });
    AddMenuItem(*tools, "BVCalc", "Business Valuation", false);
}

void ExpressEntryWindow::BuildHelpMenu() {
    QMenu* help = menuBar()->addMenu("&Help");
    help->setObjectName("Help");
    connect(AddMenuItem(*help, "InteractiveHelp", "Interactive Help"), &QAction::triggered, this,
            [this] { ShowHelp(context_).ShowContents(); });
    connect(AddMenuItem(*help, "UserManual", "User Manual"), &QAction::triggered, this,
            [this] { ShowHelp(context_); });
}

QAction* ExpressEntryWindow::menuItem(const QString& name) const {
    return FindMenuItem(*menuBar(), name);
}

void ExpressEntryWindow::SyncMenus() {
    bool maintFirst = context_.record.options.calculationOrder == CalculationOrder::MaintFirst;
    menuItem("AutoCalc")->setChecked(maintFirst);
    menuItem("DontAutoCalc")->setChecked(!maintFirst);
    bool userDefault = CaseFileFolder(context_.preferences).has_value();
    menuItem("UserDefault")->setChecked(userDefault);
    menuItem("LastLocation")->setChecked(!userDefault);
    options_.SyncFromRecord();
}

void ExpressEntryWindow::ChooseCalculationOrder(CalculationOrder order) {
    tovaris::ChooseCalculationOrder(context_.preferences, context_.record, order,
                                    context_.interaction);
    SyncMenus();
    form_->Refresh();
}

void ExpressEntryWindow::RefreshForm() {
    form_->Refresh();
}

void ExpressEntryWindow::OpenIncomeScreen(IncomeParty party) {
    if (!tovaris::OpenIncomeScreen(context_.record, party, context_.interaction)) {
        return;
    }
    IncomeWindow* window = income_[static_cast<int>(party)];
    window->Refresh();
    window->show();
    window->raise();
}

template <typename Window>
void ExpressEntryWindow::ShowOnce(Window*& window) {
    if (window == nullptr) {
        window = new Window(this);
        SetUpScreen(*window, context_.preferences, context_.scale.monAdj);
    }
    window->show();
    window->raise();
}

void ExpressEntryWindow::RunFormCommand(const QString& button) {
    if (button == "ChildSupportButton") {
        RunChildSupport();
    } else if (button == "AlimonyButton") {
        RunMaintenance();
    } else if (button == "RunWaWs") {
        emit openWorksheet();
    } else if (button == "FinDec") {
        emit openFinancialDeclaration();
    } else if (button == "EnterClaimIncome") {
        OpenIncomeScreen(IncomeParty::Claimant);
    } else if (button == "EnterPayerIncome") {
        OpenIncomeScreen(IncomeParty::Other);
    } else if (button == "SharedCalc") {
        parentingTime_->show();
        parentingTime_->raise();
    } else if (button == "EdSkillsCommand") {
        ShowOnce(edSkills_);
    } else if (button == "Clear") {
        if (ClearCommand(context_.record, context_.interaction)) {
            saved_.Mark(context_.record, {});
            ShowNewCase();
        }
    }
    form_->Refresh();
    ShowCaseState();
}

// A stop that asked for a party's income entries opens that party's income screen.
bool ExpressEntryWindow::Stopped(const ReadInResult& result) {
    if (std::optional<IncomeParty> party = IncomeScreenAskedFor(result)) {
        OpenIncomeScreen(*party);
    }
    return result.stopped;
}

void ExpressEntryWindow::RunChildSupport() {
    if (Stopped(RunChildSupportCommand(context_.record, context_.interaction))) {
        return;
    }
    emit caseChanged();  // the income screens and the parenting table were brought up to date
    if (supportResults_ == nullptr) {
        supportResults_ = new SupportResultsWindow(context_, options_, this);
        AttachResultScreen(*supportResults_);
        connect(supportResults_, &SupportResultsWindow::recalculated, form_,
                &ExpressEntryForm::Refresh);
    }
    ShowResults(*supportResults_);
}

void ExpressEntryWindow::RunMaintenance() {
    if (Stopped(RunMaintenanceCommand(context_.record, context_.interaction))) {
        return;
    }
    emit caseChanged();  // the income screens and the parenting table were brought up to date
    if (maintenance_ == nullptr) {
        maintenance_ = new MaintenanceWindow(context_, this);
        AttachResultScreen(*maintenance_);
        connect(maintenance_, &MaintenanceWindow::recalculated, this, [this] {
            form_->Refresh();
            // A new award feeds child support: an open results screen shows the new figures.
            if (supportResults_ != nullptr && supportResults_->isVisible()) {
                supportResults_->Redraw();
            }
        });
    }
    ShowResults(*maintenance_);
}

// Results of the previous case no longer apply, nor do its typed net incomes.
void ExpressEntryWindow::ShowNewCase() {
    scenarios_->Forget();
    if (supportResults_ != nullptr) {
        supportResults_->ResetForNewCase();
        supportResults_->hide();
    }
    if (maintenance_ != nullptr) {
        maintenance_->hide();
    }
    emit caseChanged();
}

// Both results screens are made on first use, kept, and lead back here the same way.
template <typename Screen>
void ExpressEntryWindow::AttachResultScreen(Screen& screen) {
    screen.setWindowFlag(Qt::Window);
    SetUpScreen(screen, context_.preferences, context_.scale.monAdj);
    connect(&screen, &Screen::returnToData, this, [this] {
        form_->Refresh();
        show();
        raise();
    });
    connect(&screen, &Screen::openOvernightEstimator, this, [this] { ShowOnce(estimator_); });
    calculators_->Wire(*screen.menuBar());
}

template <typename Screen>
void ExpressEntryWindow::ShowResults(Screen& screen) {
    screen.Redraw();
    screen.show();
    screen.raise();
}

void ExpressEntryWindow::SaveCase() {
    QString suggested = QString::fromStdString(SuggestedCaseFileName(context_.record.fields));
    QString folder = DataFileDialogFolder(context_);
    QFileDialog dialog(this, "Save Client Data To File", folder, "Tovaris_2023 Files (*.QCF)");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix("QCF");
    dialog.selectFile(suggested);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return;
    }
    QString path = dialog.selectedFiles().first();
    // The case file always holds "Current", whichever scenario the screens show.
    CaseRecord current = scenarios_->scenarios().CurrentCase(context_.record);
    CaseRecord& saving = scenarios_->scenarios().CurrentIsActive() ? context_.record : current;
    CaseFileResult result = SaveCaseFile(saving, path.toStdString());
    if (!result.ok) {
        context_.interaction.Box("Save Client Data", result.message, BoxButtons::Ok);
        return;
    }
    scenarios_->WriteBeside(path);
    saved_.Mark(context_.record, path.toStdString());
    ShowCaseState();
    statusBar()->showMessage("Case saved to " + QDir::toNativeSeparators(path));
}

void ExpressEntryWindow::OpenCase(const QString& path) {
    QString chosen = path;
    if (chosen.isEmpty()) {
        chosen = QFileDialog::getOpenFileName(this, "Open Client Data From File",
                                              DataFileDialogFolder(context_),
                                              "Tovaris_2023 Files (*.QCF)");
    }
    if (chosen.isEmpty()) {
        return;
    }
    CaseFileResult result = OpenCaseFile(context_.record, chosen.toStdString());
    if (result.ok) {
        saved_.Mark(context_.record, chosen.toStdString());
        ShowNewCase();
        scenarios_->ReadBeside(chosen);
        statusBar()->showMessage("Case opened from " + QDir::toNativeSeparators(chosen));
        emit caseOpened();
    }
    form_->Refresh();
    ShowCaseState();
    show();
    raise();
    if (!result.ok) {
        context_.interaction.Box("Open Client Data", result.message, BoxButtons::Ok);
    }
}

void ExpressEntryWindow::ChooseDataFolder() {
    gui::ChooseDataFolder(context_, this);
    SyncMenus();
}

void ExpressEntryWindow::closeEvent(QCloseEvent* event) {
    if (quitting_) {
        event->accept();
        return;
    }
    event->ignore();
    context_.requestQuit();
}

}  // namespace tovaris::gui
