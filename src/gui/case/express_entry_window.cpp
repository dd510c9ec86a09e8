#include "case/express_entry_window.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QUrl>

#include "app/case_option_actions.h"
#include "app/preparer_dialog.h"
#include "case/preferences.h"

namespace tovaris::gui {

ExpressEntryWindow::ExpressEntryWindow(AppContext& context, CaseOptionActions& options,
                                       QWidget* parent)
    : QMainWindow(parent), context_(context), options_(options) {
    setObjectName("ExpressEntry");
    setWindowTitle("Case Data Express Entry");
    BuildFileMenu();
    BuildDefaultsMenu();
    BuildToolsMenu();
    BuildHelpMenu();
    setCentralWidget(BuildHubButtons());
    resize(820, 640);
}

QAction* ExpressEntryWindow::AddItem(QMenu& menu, const char* name, const QString& caption,
                                     bool enabled) {
    QAction* action = menu.addAction(caption);
    action->setObjectName(name);
    action->setEnabled(enabled);
    return action;
}

void ExpressEntryWindow::BuildFileMenu() {
    QMenu* file = menuBar()->addMenu("&File");
    file->setObjectName("FileMenu");
    AddItem(*file, "Save", "Save Client Data To File", false);
    AddItem(*file, "Open", "Open Client Data From File", false);
    file->addSeparator();
    AddItem(*file, "Print", "Print", false);
    AddItem(*file, "PrinterSetup", "Printer Setup", false);
    AddItem(*file, "PrintScreenImage", "Print Screen Image", false);
    AddItem(*file, "PrintPopup", "Print Income Popups", false);
    file->addSeparator();
    connect(AddItem(*file, "Quit", "Quit Program"), &QAction::triggered, this,
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

    QMenu* order = defaults->addMenu("Maintenance And Child Support Calculation Order");
    auto* orderGroup = new QActionGroup(this);
    QAction* maintFirst =
        AddItem(*order, "AutoCalc", "Maintenance Is Calculated Before Child Support");
    QAction* csFirst =
        AddItem(*order, "DontAutoCalc", "Child Support Is Calculated Before Maintenance");
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
    QAction* last = AddItem(*defaults, "LastLocation",
                            "Always Open To The Last Location Where Program Data Files Were "
                            "Saved ");
    QAction* user = AddItem(*defaults, "UserDefault",
                            "Always Open To A Default Location (Click Here To Enter) For Saving  "
                            "Data Files");
    for (QAction* a : {last, user}) {
        a->setCheckable(true);
        folderGroup->addAction(a);
    }
    connect(last, &QAction::triggered, this, [this] { UseLastLocation(context_.preferences); });
    connect(user, &QAction::triggered, this, &ExpressEntryWindow::ChooseDataFolder);

    defaults->addSeparator();
    connect(AddItem(*defaults, "ChangePreparer", "Change Preparer's Default Name And Office"),
            &QAction::triggered, this, [this] {
                PreparerDialog dialog(context_.preferences, this);
                dialog.exec();
            });
    connect(AddItem(*defaults, "FedPovGuide", "Change Self-Support Reserve"), &QAction::triggered,
            this, [this] {
                ChangeSelfSupportReserve(context_.preferences, context_.record,
                                         context_.interaction);
            });
    defaults->addSeparator();
    AddItem(*defaults, "Color", "Change Button Colors", false);
    AddItem(*defaults, "Scaling", "Display Scaling", false);
}

void ExpressEntryWindow::BuildToolsMenu() {
    QMenu* tools = menuBar()->addMenu("&Tools");
    tools->setObjectName("Tools");
    AddItem(*tools, "DB", "Defined Benefit Pension Valuator", false);
    AddItem(*tools, "IRA", "72(t) IRA Withdrawals", false);
    AddItem(*tools, "FinCalc", "Financial Calculator", false);
    AddItem(*tools, "OnightCount", "Overnight Count Organizer/Estimator", false);
    AddItem(*tools, "BVCalc", "Business Valuation", false);
}

void ExpressEntryWindow::BuildHelpMenu() {
    QMenu* help = menuBar()->addMenu("&Help");
    help->setObjectName("Help");
    connect(AddItem(*help, "InteractiveHelp", "Interactive Help"), &QAction::triggered, this,
            [this] { OpenHelpFile("TOVARISWAHELP.chm"); });
    connect(AddItem(*help, "UserManual", "User Manual"), &QAction::triggered, this,
            [this] { OpenHelpFile("Washington_User_Manual.rtf"); });
}

QWidget* ExpressEntryWindow::BuildHubButtons() {
    auto* hub = new QWidget(this);
    hub->setObjectName("ExpressForm");
    auto* grid = new QGridLayout(hub);
    struct Button {
        const char* name;
        const char* caption;
    };
    const Button buttons[] = {
        {"EnterClaimIncome", "Claimant's Income"},
        {"EnterPayerIncome", "Other Party's Income"},
        {"ChildSupportButton", "Child Support"},
        {"AlimonyButton", "Maintenance"},
        {"RunWaWs", "WA Worksheet"},
        {"FinDec", "Financial Declaration"},
        {"EdSkillsCommand", "Education/Skills"},
        {"SharedCalc", "Parenting Time"},
        {"Clear", "Clear"},
    };
    int index = 0;
    for (const Button& b : buttons) {
        auto* button = new QPushButton(b.caption, hub);
        button->setObjectName(b.name);
        button->setEnabled(false);
        grid->addWidget(button, index / 3, index % 3);
        ++index;
    }
    auto* worksheet = hub->findChild<QPushButton*>("RunWaWs");
    auto* declaration = hub->findChild<QPushButton*>("FinDec");
    worksheet->setEnabled(true);
    declaration->setEnabled(true);
    connect(worksheet, &QPushButton::clicked, this, &ExpressEntryWindow::openWorksheet);
    connect(declaration, &QPushButton::clicked, this,
            &ExpressEntryWindow::openFinancialDeclaration);
    grid->setRowStretch(3, 1);
    return hub;
}

namespace {
QAction* FindInMenu(const QList<QAction*>& actions, const QString& name) {
    for (QAction* action : actions) {
        if (action->objectName() == name) {
            return action;
        }
        if (QMenu* sub = action->menu()) {
            if (QAction* found = FindInMenu(sub->actions(), name)) {
                return found;
            }
        }
    }
    return nullptr;
}
}  // namespace

QAction* ExpressEntryWindow::menuItem(const QString& name) const {
    return FindInMenu(menuBar()->actions(), name);
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
}

void ExpressEntryWindow::ChooseDataFolder() {
    QString prompt = QString::fromStdString(DataFolderPrompt(context_.preferences));
    PrepareDataFolderChoice(context_.preferences);
    QString current = QString::fromStdString(context_.preferences.Read(kDataApp, "DataLoc"));
    QString chosen =
        QFileDialog::getExistingDirectory(this, prompt, current, QFileDialog::ShowDirsOnly);
    std::optional<std::string> choice;
    if (!chosen.isEmpty()) {
        choice = chosen.toStdString();
    }
    FinishDataFolderChoice(context_.preferences, choice, context_.interaction);
    SyncMenus();
}

void ExpressEntryWindow::OpenHelpFile(const QString& fileName) {
    QFileInfo file(context_.programFolder + "/" + fileName);
    if (file.exists()) {
        QDesktopServices::openUrl(QUrl::fromLocalFile(file.absoluteFilePath()));
        return;
    }
    context_.interaction.Box(
        "Help", "The file " + fileName.toStdString() + " is not installed in the program's folder.",
        BoxButtons::Ok);
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
