#include "print_service.h"

#include <QApplication>
#include <QBuffer>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QWindow>
#include <ctime>

#include "app/app_context.h"
#include "app/screen_setup.h"
#include "case/preferences.h"
#include "page_painter.h"
#include "preview_window.h"

namespace tovaris::gui {

namespace {

std::vector<uint8_t> PngBytes(const QPixmap& picture) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    return {bytes.begin(), bytes.end()};
}

// The picture as wide as the page allows, never enlarged beyond its own size.
void ComposeScreenImage(reports::Document& document, const QPixmap& picture) {
    document.OpenPreviewDocument(reports::kSourceExpressEntry);
    const double twipsPerPixel = 1440.0 / 96;
    const double scale = std::min({1.0, document.BodyWidth() / (picture.width() * twipsPerPixel),
                                   document.BodyHeight() / (picture.height() * twipsPerPixel)});
    document.DrawPicture(PngBytes(picture), 0, 0, picture.width() * twipsPerPixel * scale,
                         picture.height() * twipsPerPixel * scale);
    document.ClosePreviewDocument();
}

}  // namespace

PrintService::PrintService(AppContext& context)
    : context_(context), printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    instance_ = this;
    render::LoadReportFont();
    printer_->setPageSize(QPageSize(QPageSize::Letter));
}

PrintService::~PrintService() {
    instance_ = nullptr;
    delete preview_.data();
}

reports::ReportContext PrintService::ReportContextNow() const {
    return {ReadPreparer(context_.preferences), reports::ReportDate(std::time(nullptr))};
}

// One preview at a time: a new document replaces the one shown, and its screen comes back.
void PrintService::Preview(QWidget& source, const Composer& compose) {
    if (preview_) {
        preview_->close();
    }
    auto document = std::make_unique<reports::Document>(metrics_);
    compose(*document, context_.record, ReportContextNow());
    const std::optional<std::string> folder = CaseFileFolder(context_.preferences);
    preview_ = new PreviewWindow(std::move(document), *printer_,
                                 QString::fromStdString(folder.value_or("")));
    QPointer<QWidget> screen(&source);
    connect(preview_, &PreviewWindow::exitPreview, this, [this, screen] { ReturnTo(screen); });
    source.setEnabled(false);
    preview_->show();
    preview_->raise();
    emit previewShown(preview_);
}

void PrintService::PrintWithDialog(QWidget& parent, const Composer& compose) {
    reports::Document document(metrics_);
    compose(document, context_.record, ReportContextNow());
    QPrintDialog dialog(printer_.get(), &parent);
    if (dialog.exec() == QDialog::Accepted) {
        render::PaintDocument(*printer_, document);
    }
}

// "Exit Preview": the screen that asked comes back with the display preferences read again.
void PrintService::ReturnTo(QWidget* source) {
    if (!source) {
        return;
    }
    SetUpScreen(*source, context_.preferences, 1.0);
    source->setEnabled(true);
    source->show();
    source->raise();
    source->activateWindow();
}

void PrintService::PrintScreenImage(QWidget& screen) {
    QWidget* window = QApplication::activeWindow() ? QApplication::activeWindow() : screen.window();
    const QPixmap picture = window->grab();
    Preview(screen,
            [&picture](reports::Document& document, const CaseRecord&,
                       const reports::ReportContext&) { ComposeScreenImage(document, picture); });
}

void PrintService::PrintScreen(QWidget& screen) {
    const QPixmap picture = screen.window()->grab();
    PrintWithDialog(screen, [&picture](reports::Document& document, const CaseRecord&,
                                       const reports::ReportContext&) {
        ComposeScreenImage(document, picture);
    });
}

void PrintService::PrinterSetup(QWidget& parent) {
    QPageSetupDialog dialog(printer_.get(), &parent);
    dialog.exec();
}

}  // namespace tovaris::gui
