#include "calculators/calculator_window.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "app/app_context.h"
#include "app/menu_items.h"
#include "app/message_box.h"
#include "calculators/screen_summary.h"
#include "printing/print_menus.h"
#include "printing/print_service.h"

namespace tovaris::gui {

CalculatorWindow::CalculatorWindow(AppContext& context, const char* name, const QString& title,
                                   QWidget* parent)
    : QMainWindow(parent), context_(context) {
    setObjectName(name);
    setWindowTitle(title);
    setWindowFlag(Qt::Window);
    BuildMenus();
}

// The summary, the screen image and the printer set-up print through the print service.
void CalculatorWindow::BuildMenus() {
    QMenu* file = menuBar()->addMenu("File");
    connect(AddMenuItem(*file, "QuitProgram", "Quit Program"), &QAction::triggered, this,
            [this] { context_.requestQuit(); });
    QMenu* print = menuBar()->addMenu("Print");
    QAction* summary = AddMenuItem(*print, "PrintSummary", "Print Summary", false);
    if (context_.printing) {
        summary->setEnabled(true);
        connect(summary, &QAction::triggered, this, &CalculatorWindow::PrintSummary);
    }
    AddMenuItem(*print, "PrintScreenImage", "Print Screen Image", false);
    AddMenuItem(*print, "PrinterSetup", "Printer Setup", false);
    ConnectPrintMenu(*menuBar(), context_, *this);
}

// The page shows the entries and results as they stand, computed or not.
void CalculatorWindow::PrintSummary() {
    const reports::CalculatorSummary summary = SummaryOfScreen(*this);
    context_.printing->Preview(*this, [summary](reports::Document& document, const CaseRecord&,
                                                const reports::ReportContext& context) {
        reports::ComposeCalculatorSummary(document, summary, context);
    });
}

void CalculatorWindow::ShowEntryError(const calculators::EntryError& error) {
    Box(calculators::kEntryErrorTitle, QString::fromStdString(error.message), BoxButtons::Ok, this);
    if (auto* field = findChild<QWidget*>(QString::fromStdString(error.field))) {
        field->setFocus();
    }
}

QString CalculatorWindow::Entry(const QString& name) const {
    auto* edit = findChild<QLineEdit*>(name);
    return edit != nullptr ? edit->text() : QString();
}

QLineEdit* CalculatorWindow::MakeEntry(const QString& name, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setMaximumWidth(130);
    return edit;
}

QLineEdit* CalculatorWindow::MakeOutput(const QString& name, QWidget* parent) {
    QLineEdit* edit = MakeEntry(name, parent);
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::NoFocus);
    edit->setAlignment(Qt::AlignRight);
    return edit;
}

QLabel* CalculatorWindow::MakeTitleLine(const QString& text, QWidget* parent) {
    auto* title = new QLabel(text, parent);
    title->setObjectName("TitleLine");
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 1.4);
    big.setBold(true);
    title->setFont(big);
    title->setAlignment(Qt::AlignCenter);
    return title;
}

QPushButton* CalculatorWindow::MakeButton(const char* name, const QString& caption,
                                          QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

QPushButton* CalculatorWindow::MakeReturnButton(const char* name, QWidget* parent) {
    QPushButton* button = MakeButton(name, "Return", parent);
    connect(button, &QPushButton::clicked, this, &QWidget::hide);
    return button;
}

void CalculatorWindow::ShowHelpPage(const QString& title, const QString& html) {
    QDialog page(this);
    page.setObjectName("HelpPage");
    page.setWindowTitle(title);
    auto* layout = new QVBoxLayout(&page);
    auto* text = new QTextBrowser(&page);
    text->setHtml(html);
    text->setOpenExternalLinks(true);
    layout->addWidget(text);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &page);
    buttons->button(QDialogButtonBox::Ok)->setObjectName("OK");
    connect(buttons, &QDialogButtonBox::accepted, &page, &QDialog::accept);
    layout->addWidget(buttons);
    page.resize(620, 480);
    page.exec();
}

QGroupBox* CalculatorWindow::Frame(const char* name, const QString& caption, QWidget* parent) {
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(name);
    return frame;
}

}  // namespace tovaris::gui
