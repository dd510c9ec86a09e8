#include "preview_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QStatusBar>
#include <QToolBar>

#include "app/menu_items.h"
#include "page_painter.h"
#include "page_view.h"
#include "qt_text_metrics.h"

namespace tovaris::gui {

namespace {

constexpr int kSavingWaitMs = 500;
constexpr double kZooms[] = {0.5, 0.75, 1.0, 1.25, 1.5, 2.0};
constexpr double kDefaultZoom = 1.0;
constexpr int kMatchMargin = 40;  // pixels above a found match

// The match's rectangle: from the end of the text before it to the end of the match.
QRectF MatchRect(const reports::TextRun& run, int at, int length) {
    render::QtTextMetrics metrics;
    const QString text = QString::fromStdString(run.text);
    const double left = metrics.Width(run.font, text.left(at).toStdString());
    const double width = metrics.Width(run.font, text.mid(at, length).toStdString());
    return QRectF(run.x + left, run.y, width, run.height);
}

std::vector<TextMatch> FindMatches(const reports::Document& document, const QString& needle) {
    std::vector<TextMatch> found;
    for (int page = 0; page < int(document.pages().size()); ++page) {
        for (const reports::PageItem& item : document.pages()[page].items) {
            const auto* run = std::get_if<reports::TextRun>(&item);
            if (!run) {
                continue;
            }
            const QString text = QString::fromStdString(run->text);
            for (int at = text.indexOf(needle, 0, Qt::CaseInsensitive); at >= 0;
                 at = text.indexOf(needle, at + 1, Qt::CaseInsensitive)) {
                found.push_back({page, MatchRect(*run, at, int(needle.size()))});
            }
        }
    }
    return found;
}

// The small window shown while the PDF file is written.
void WaitWithSavingWindow(QWidget* parent) {
    QLabel saving("Saving...", parent, Qt::Tool | Qt::FramelessWindowHint);
    saving.setObjectName("SavingWindow");
    saving.setMargin(16);
    saving.show();
    QElapsedTimer wait;
    wait.start();
    while (wait.elapsed() < kSavingWaitMs) {
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    }
}

}  // namespace

PreviewWindow::PreviewWindow(std::unique_ptr<reports::Document> document, QPrinter& printer,
                             QString dataFolder)
    : document_(std::move(document)), printer_(printer), dataFolder_(std::move(dataFolder)) {
    setObjectName("PrintPreview");
    setWindowTitle("Print And Preview Document");
    setAttribute(Qt::WA_DeleteOnClose);
    scroll_ = new QScrollArea(this);
    scroll_->setAlignment(Qt::AlignHCenter);
    view_ = new PageView(*document_, scroll_);
    scroll_->setWidget(view_);
    setCentralWidget(scroll_);
    BuildMenus();
    BuildToolBar();
    // Page keys move by whole pages wherever the focus is in the window.
    connect(new QShortcut(QKeySequence::MoveToNextPage, this), &QShortcut::activated, this,
            [this] { ShowPage(currentPage() + 1); });
    connect(new QShortcut(QKeySequence::MoveToPreviousPage, this), &QShortcut::activated, this,
            [this] { ShowPage(currentPage() - 1); });
    SetZoom(kDefaultZoom);
    resize(980, 760);
}

PreviewWindow::~PreviewWindow() = default;

void PreviewWindow::BuildMenus() {
    QMenu* menu = menuBar()->addMenu("File");
    connect(AddMenuItem(*menu, "ExitPreview", "Exit Preview"), &QAction::triggered, this,
            &QWidget::close);
    connect(AddMenuItem(*menu, "PrintDocument", "Print This Document"), &QAction::triggered, this,
            &PreviewWindow::Print);
    connect(AddMenuItem(*menu, "SavePdf", "Save This Image As A Portable Document File (PDF)"),
            &QAction::triggered, this, &PreviewWindow::SavePdf);
    connect(AddMenuItem(*menu, "FindText", "Find A Text String In Document"), &QAction::triggered,
            this, [this] {
                findBar_->show();
                findText_->setFocus();
                findText_->selectAll();
            });
}

void PreviewWindow::BuildToolBar() {
    QToolBar* tools = addToolBar("Zoom");
    tools->setMovable(false);
    tools->addWidget(new QLabel(" Zoom ", tools));
    auto* zoom = new QComboBox(tools);
    zoom->setObjectName("PreviewZoom");
    for (double z : kZooms) {
        zoom->addItem(QString::number(int(z * 100)) + " %", z);
    }
    zoom->setCurrentIndex(zoom->findData(kDefaultZoom));
    connect(zoom, &QComboBox::currentIndexChanged, this,
            [this, zoom](int i) { SetZoom(zoom->itemData(i).toDouble()); });
    tools->addWidget(zoom);

    findBar_ = addToolBar("Find");
    findBar_->setMovable(false);
    findBar_->addWidget(new QLabel(" Find ", findBar_));
    findText_ = new QLineEdit(findBar_);
    findText_->setObjectName("FindTextBox");
    findBar_->addWidget(findText_);
    QAction* next = findBar_->addAction("Find Next");
    next->setObjectName("FindNext");
    auto findNext = [this] { FindNext(findText_->text()); };
    connect(next, &QAction::triggered, this, findNext);
    connect(findText_, &QLineEdit::returnPressed, this, findNext);
    findBar_->hide();
}

int PreviewWindow::currentPage() const {
    return view_->PageAt(scroll_->verticalScrollBar()->value() + 1);
}

void PreviewWindow::ShowPage(int page) {
    const int last = int(document_->pages().size()) - 1;
    scroll_->verticalScrollBar()->setValue(view_->PageTop(std::clamp(page, 0, last)));
}

void PreviewWindow::SetZoom(double zoom) {
    const int page = currentPage();
    view_->SetZoom(zoom);
    ShowPage(page);
}

bool PreviewWindow::FindNext(const QString& text) {
    if (text != matchedText_) {
        matches_ = FindMatches(*document_, text);
        matchedText_ = text;
        matchIndex_ = -1;
    }
    if (text.isEmpty() || matches_.empty()) {
        view_->SetHighlight(-1, {});
        QApplication::beep();
        return false;
    }
    matchIndex_ = (matchIndex_ + 1) % int(matches_.size());
    const TextMatch& match = matches_[matchIndex_];
    view_->SetHighlight(match.page, match.rect);
    const double scale = view_->zoom() * logicalDpiY() / 1440.0;
    const int y =
        view_->PageTop(match.page) + int((match.rect.top() + document_->margins().top) * scale);
    // The match comes to the top of the view, a little below its edge.
    scroll_->verticalScrollBar()->setValue(y - kMatchMargin);
    return true;
}

QString PreviewWindow::AskSavePathWithDialog() {
    QFileDialog dialog(this, "Save This Image As A Portable Document File (PDF)", dataFolder_,
                       "Portable Document File (PDF) (*.pdf)");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix("pdf");
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

// A cancelled dialog leaves the preview as it was.
void PreviewWindow::SavePdf() {
    QString path = askSavePath ? askSavePath() : AskSavePathWithDialog();
    if (path.isEmpty()) {
        return;
    }
    if (QFileInfo(path).suffix().isEmpty()) {
        path += ".pdf";
    }
    WaitWithSavingWindow(this);
    const QString failure = render::WritePdfFile(*document_, path);
    if (!failure.isEmpty()) {
        QApplication::beep();
        statusBar()->showMessage(failure);
    }
}

void PreviewWindow::Print() {
    QPrintDialog dialog(&printer_, this);
    if (dialog.exec() == QDialog::Accepted) {
        render::PaintDocument(printer_, *document_);
    }
}

// Closing the window any way is "Exit Preview".
void PreviewWindow::closeEvent(QCloseEvent* event) {
    if (!exiting_) {
        exiting_ = true;
        emit exitPreview();
    }
    event->accept();
}

}  // namespace tovaris::gui
