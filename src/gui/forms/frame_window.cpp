#include "forms/frame_window.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <tuple>

#include "app/case_option_actions.h"
#include "app/data_folder_choice.h"
#include "app/find_bar.h"
#include "app/flow_layout.h"
#include "case/preferences.h"
#include "forms/declaration_commands.h"
#include "forms/declaration_file.h"
#include "forms/declaration_page.h"
#include "forms/extra_page.h"
#include "forms/worksheet_calculation.h"
#include "forms/worksheet_commands.h"
#include "forms/worksheet_extra_page.h"
#include "forms/worksheet_page.h"
#include "forms/worksheet_print_menu.h"
#include "forms/worksheet_transfer.h"
#include "printing/print_service.h"
#include "reports/declaration_printout.h"

namespace tovaris::gui {

namespace {

constexpr double kSmallZoom = 0.8;            // "Small" shows the worksheet at four fifths
constexpr double kTitlePoints = 14;           // the worksheet's title label
constexpr double kFontPoints[2] = {9, 9.75};  // font size codes 9 and 10 as a screen sets them
constexpr const char* kWorksheetTitle = "Washington State Child Support Schedule Worksheets";
constexpr const char* kDeclarationTitle = "Financial Declaration";

}  // namespace

FrameWindow::FrameWindow(AppContext& context, CaseOptionActions& options, QWidget* parent)
    : QMainWindow(parent), context_(context) {
    setObjectName("Frame");
    setWindowTitle(kWorksheetTitle);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);

    bars_[0] = BuildBar("WorksheetBar", {{"ClearSheet", "Clear Sheet"},
                                         {"GetExpressData", "Get Data From Express Form"},
                                         {"TransferToExpress", "Transfer Data To Express Form"},
                                         {"ReturnToExpress", "Return To Express Form"},
                                         {"EstimateTaxes", "Estimate Taxes"},
                                         {"CalculateWorksheet", "Calculate Worksheet"}});
    bars_[1] =
        BuildBar("DeclarationBar", {{"ClearForm", "Clear Form"},
                                    {"TransferToWorksheet", "Transfer Data To Worksheet"},
                                    {"GetWorksheetData", "Get Data From Worksheet"},
                                    {"ReturnToWorksheet", "Return To Worksheet"},
                                    {"CalculateDeclaration", "Calculate Financial Declaration"},
                                    {"GetExpressData", "Get Data From Express Form"},
                                    {"ReturnToExpress", "Return To Express Form"},
                                    {"EstimateTaxes", "Estimate Taxes"}});
    bars_[2] = BuildBar("ExtraPageBar", {{"ClearForm", "Clear Form"},
                                         {"GetWorksheetData", "Get Data From Worksheet"},
                                         {"ReturnToWorksheet", "Return To Worksheet"}});

    for (QWidget* bar : {bars_[0], bars_[1]}) {
        ConnectCommand(bar, "ReturnToExpress", [this] {
            hide();
            emit returnToExpressForm();
        });
    }
    for (QWidget* bar : {bars_[1], bars_[2]}) {
        ConnectCommand(bar, "ReturnToWorksheet", [this] { ShowPage(Page::Worksheet); });
    }

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QWidget* bar : bars_) {
        bar->setParent(central);
        layout->addWidget(bar);
    }
    find_ = new FindBar(central);
    layout->addWidget(find_);
    pages_ = new QStackedWidget(central);
    worksheet_ = new WorksheetPage(context_, this);
    extra_ = new ExtraPage(context_, this);
    pages_->addWidget(worksheet_);
    declaration_ = new DeclarationPage(context_, this);
    pages_->addWidget(declaration_);
    pages_->addWidget(extra_);
    layout->addWidget(pages_, 1);
    setCentralWidget(central);
    ConnectWorksheetCommands();
    ConnectDeclarationCommands();
    BuildMenus(options);
    AddWorksheetPrintMenu(*this, context_, [this] {
        worksheet_->Refresh();
        extra_->Refresh();
    });
    // A new case writes the worksheet font at the labels' designed size (before display scaling).
    if (context_.record.globals.WorksheetFontPoints == 0) {
        context_.record.globals.WorksheetFontPoints =
            static_cast<float>(QApplication::font().pointSizeF() / context_.scale.monAdj);
    }
    ApplyFonts();
    resize(1000, 720);
    ShowPage(Page::Worksheet);
}

void FrameWindow::ConnectWorksheetCommands() {
    CaseRecord& record = context_.record;
    Interaction& interaction = context_.interaction;
    ConnectCommand(bars_[0], "ClearSheet", [this, &record, &interaction] {
        if (forms::ClearSheet(record, interaction)) {
            worksheet_->Refresh();
        }
    });
    ConnectCommand(bars_[0], "GetExpressData", [this, &record, &interaction] {
        forms::GetDataFromExpress(record, interaction);
        worksheet_->Refresh();
        emit expressDataChanged();  // the income screens showed monthly amounts meanwhile
    });
    ConnectCommand(bars_[0], "TransferToExpress", [this, &record] {
        forms::TransferDataToExpress(record);
        emit expressDataChanged();
    });
    ConnectCommand(bars_[0], "EstimateTaxes", [this, &record, &interaction] {
        forms::EstimateTaxes(record, interaction);
        worksheet_->Refresh();
        emit expressDataChanged();  // the read-in brought the income screens up to date
    });
    ConnectCommand(bars_[0], "CalculateWorksheet", [this, &record, &interaction] {
        forms::CalculateWorksheet(record, interaction);
        worksheet_->Refresh();
    });
    ConnectCommand(bars_[2], "ClearForm", [this, &record] {
        forms::ClearExtraPage(record);
        extra_->Refresh();
    });
    ConnectCommand(bars_[2], "GetWorksheetData", [this, &record] {
        forms::GetDataFromWorksheet(record);
        extra_->Refresh();
    });
}

void FrameWindow::ConnectDeclarationCommands() {
    CaseRecord& record = context_.record;
    Interaction& interaction = context_.interaction;
    QWidget* bar = bars_[1];
    ConnectCommand(bar, "ClearForm", [this, &record, &interaction] {
        if (forms::ClearDeclarationForm(record.fields, interaction)) {
            declaration_->Refresh();
        }
    });
    ConnectCommand(bar, "TransferToWorksheet", [this, &record] {
        forms::TransferDeclarationToWorksheet(record);
        worksheet_->Refresh();
    });
    ConnectCommand(bar, "GetWorksheetData", [this, &record] {
        forms::GetDeclarationDataFromWorksheet(record);
        declaration_->Refresh();
    });
    ConnectCommand(bar, "CalculateDeclaration", [this, &record] {
        forms::CalculateDeclaration(record.fields);
        declaration_->Refresh();
    });
    ConnectCommand(bar, "GetExpressData", [this, &record] {
        forms::GetDeclarationDataFromExpress(record);
        declaration_->Refresh();
    });
    ConnectCommand(bar, "EstimateTaxes", [this, &record, &interaction] {
        forms::EstimateDeclarationTaxes(record, interaction);
        declaration_->Refresh();
        emit expressDataChanged();  // the read-in brought the income screens up to date
    });
}

// The declaration's file: opened and saved through the file dialog in the data folder.
void FrameWindow::OpenDeclaration() {
    QString chosen =
        QFileDialog::getOpenFileName(this, "Open Financial Declaration",
                                     DataFileDialogFolder(context_), forms::kDeclarationFilter);
    if (!chosen.isEmpty()) {
        OpenDeclarationFile(chosen);
    }
}

void FrameWindow::OpenDeclarationFile(const QString& chosen) {
    forms::DeclarationFileResult result =
        forms::OpenDeclarationFile(context_.record.fields, chosen.toStdString());
    declaration_->Refresh();
    if (!result.ok) {
        context_.interaction.Box("Open Financial Declaration", result.message, BoxButtons::Ok);
    }
}

void FrameWindow::SaveDeclaration() {
    QFileDialog dialog(this, "Save Financial Declaration", DataFileDialogFolder(context_),
                       forms::kDeclarationFilter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(forms::kDeclarationExtension);
    dialog.selectFile(
        QString::fromStdString(forms::SuggestedDeclarationFileName(context_.record.fields)));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return;
    }
    forms::DeclarationFileResult result = forms::SaveDeclarationFile(
        context_.record.fields, dialog.selectedFiles().first().toStdString());
    if (!result.ok) {
        context_.interaction.Box("Save Financial Declaration", result.message, BoxButtons::Ok);
    }
}

// The worksheet's own menus: its copy of the extrapolation items, the display size and the
// worksheet font, and the way to the order summary entry page.
void FrameWindow::BuildMenus(CaseOptionActions& options) {
    declarationFile_ = menuBar()->addMenu("&File");
    QAction* open = declarationFile_->addAction("Open Financial Declaration");
    open->setObjectName("OpenDeclaration");
    connect(open, &QAction::triggered, this, &FrameWindow::OpenDeclaration);
    QAction* save = declarationFile_->addAction("Save Financial Declaration");
    save->setObjectName("SaveDeclaration");
    connect(save, &QAction::triggered, this, &FrameWindow::SaveDeclaration);
    declarationFile_->addSeparator();
    QAction* print =
        declarationFile_->addAction("Print/Preview Financial Declaration Or Save As PDF");
    print->setObjectName("PrintDeclaration");
    connect(print, &QAction::triggered, this, [this] {
        if (context_.printing != nullptr) {
            context_.printing->Preview(*this, &reports::ComposeDeclaration);
        }
    });
    QMenu* extrapolation = menuBar()->addMenu("E&xtrapolation");
    options.AddExtrapolationItems(*extrapolation);
    connect(extrapolation, &QMenu::triggered, this, [this] {
        if (isVisible() && !worksheet_->findChild<QLineEdit*>("a5")->text().isEmpty()) {
            forms::CalculateWorksheet(context_.record, context_.interaction);
            worksheet_->Refresh();
        }
    });
    QMenu* view = menuBar()->addMenu("&View");
    zoomItems_ = new QActionGroup(this);
    for (auto [name, caption, zoom] :
         {std::tuple{"Large", "Large", Zoom::Large}, std::tuple{"Small", "Small", Zoom::Small}}) {
        QAction* item = view->addAction(caption);
        item->setObjectName(name);
        item->setCheckable(true);
        zoomItems_->addAction(item);
        connect(item, &QAction::triggered, this, [this, zoom] { SetZoom(zoom); });
    }
    view->addSeparator();
    fontItems_ = new QActionGroup(this);
    for (int16_t size : {int16_t{9}, int16_t{10}}) {
        QAction* item = view->addAction(QString("Worksheet Font Size %1").arg(size));
        item->setObjectName(QString("FontSize%1").arg(size));
        item->setCheckable(true);
        fontItems_->addAction(item);
        connect(item, &QAction::triggered, this, [this, size] { SetFontSize(size); });
    }
    view->addSeparator();
    QAction* find = view->addAction("&Find Text");
    find->setObjectName("FindText");
    find->setShortcut(QKeySequence::Find);
    connect(find, &QAction::triggered, find_, &FindBar::Open);
    QAction* summary = view->addAction("Order Summary Entry Page");
    summary->setObjectName("ExtraPage");
    connect(summary, &QAction::triggered, this, [this] { ShowPage(Page::WorksheetExtra); });
}

void FrameWindow::SetZoom(Zoom zoom) {
    zoom_[static_cast<int>(page_)] = zoom;
    ApplyFonts();
}

void FrameWindow::SetFontSize(int16_t size) {
    CaseGlobals& globals = context_.record.globals;
    globals.WorksheetFontSize = size;
    globals.WorksheetFontPoints = static_cast<float>(kFontPoints[size == 9 ? 0 : 1]);
    ApplyFonts();
}

// The worksheet font scaled for the display, and shrunk on a page shown "Small".
void FrameWindow::ApplyFonts() {
    const CaseGlobals& globals = context_.record.globals;
    auto fontFor = [&](Page page) {
        QFont font(QString::fromStdString(globals.WorksheetFontName));
        double factor = context_.scale.monAdj * (zoom(page) == Zoom::Small ? kSmallZoom : 1.0);
        font.setPointSizeF(globals.WorksheetFontPoints * factor);
        return std::pair{font, factor};
    };
    auto [sheetFont, sheetFactor] = fontFor(Page::Worksheet);
    worksheet_->ApplyFont(sheetFont, kTitlePoints * sheetFactor);
    extra_->ApplyFont(fontFor(Page::WorksheetExtra).first);
    Zoom shown = zoom(page_);
    for (QAction* item : zoomItems_->actions()) {
        item->setChecked(item->objectName() == (shown == Zoom::Large ? "Large" : "Small"));
    }
    for (QAction* item : fontItems_->actions()) {
        item->setChecked(item->objectName() ==
                         QString("FontSize%1").arg(globals.WorksheetFontSize));
    }
}

void FrameWindow::CaseOpened() {
    for (Zoom& zoom : zoom_) {
        if (zoom == Zoom::Small) {
            zoom = Zoom::Large;
        }
    }
    ApplyFonts();
    Refresh();
}

void FrameWindow::Refresh() {
    worksheet_->Refresh();
    extra_->Refresh();
    declaration_->Refresh();
}

QWidget* FrameWindow::BuildBar(
    const char* name, std::initializer_list<std::pair<const char*, const char*>> commands) {
    auto* bar = new QWidget(this);
    bar->setObjectName(name);
    auto* flow = new FlowLayout(bar);
    flow->setContentsMargins(6, 4, 6, 4);
    for (const auto& [command, caption] : commands) {
        auto* action = new QAction(caption, bar);
        action->setObjectName(command);
        action->setEnabled(false);  // enabled once connected to its command
        bar->addAction(action);
        auto* button = new QToolButton(bar);
        button->setDefaultAction(action);
        button->setObjectName(QString(command) + "Button");
        flow->addWidget(button);
    }
    return bar;
}

void FrameWindow::ConnectCommand(QWidget* bar, const char* name, std::function<void()> command) {
    for (QAction* action : bar->actions()) {
        if (action->objectName() == name) {
            action->setEnabled(true);
            connect(action, &QAction::triggered, this, command);
        }
    }
}

void FrameWindow::ShowPage(Page page) {
    page_ = page;
    int index = static_cast<int>(page);
    pages_->setCurrentIndex(index);
    find_->SetScreen(pages_->currentWidget());
    for (int i = 0; i < 3; ++i) {
        bars_[i]->setVisible(i == index);
    }
    bool declaration = page == Page::FinancialDeclaration;
    declarationFile_->menuAction()->setVisible(declaration);
    setWindowTitle(declaration ? kDeclarationTitle : kWorksheetTitle);
    Refresh();  // the two worksheet pages share the header fields
    ApplyFonts();
}

}  // namespace tovaris::gui
