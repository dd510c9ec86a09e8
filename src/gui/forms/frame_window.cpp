#include "forms/frame_window.h"

#include <QAction>
#include <QLabel>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/flow_layout.h"

#include "case/preferences.h"

namespace tovaris::gui {

namespace {

constexpr const char* kClearWorksheetQuestion =
    "Are You Sure That You Want To Delete All Entries In This Worksheet?";
constexpr const char* kClearDeclarationQuestion =
    "Are You Sure That You Want To Delete All Entries In This Financial Declaration?";

QWidget* PagePlaceholder(const QString& name, const QString& caption, QWidget* parent) {
    auto* page = new QLabel(caption, parent);
    page->setObjectName(name);
    page->setAlignment(Qt::AlignCenter);
    return page;
}

}  // namespace

FrameWindow::FrameWindow(AppContext& context, QWidget* parent)
    : QMainWindow(parent), context_(context) {
    setObjectName("Frame");
    setWindowTitle("Washington State Child Support Schedule Worksheets");
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
    ConnectCommand(bars_[0], "ClearSheet",
                   [this] { ClearScreen(kClearWorksheetQuestion, Screen::Worksheet); });
    ConnectCommand(bars_[1], "ClearForm", [this] {
        ClearScreen(kClearDeclarationQuestion, Screen::FinancialDeclaration);
    });
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
    pages_ = new QStackedWidget(central);
    pages_->addWidget(
        PagePlaceholder("Worksheet", "Washington State Child Support Worksheet", this));
    pages_->addWidget(PagePlaceholder("FinancialDeclaration", "Financial Declaration", this));
    pages_->addWidget(PagePlaceholder("WorksheetExtra", "Worksheet Extra Page", this));
    layout->addWidget(pages_, 1);
    setCentralWidget(central);
    resize(900, 680);
    ShowPage(Page::Worksheet);
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
    for (int i = 0; i < 3; ++i) {
        bars_[i]->setVisible(i == index);
    }
}

void FrameWindow::ClearScreen(const char* question, Screen screen) {
    if (context_.interaction.Box("Warning", question, BoxButtons::YesNo) != kAnswerYes) {
        return;
    }
    std::string reserve = context_.record.fields.Text("NeedLimit");
    context_.record.fields.EmptyScreen(screen);
    context_.record.fields.SetText("NeedLimit", reserve);  // a preference, not a worksheet entry
}

}  // namespace tovaris::gui
