#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>

#include "printing/preview_window.h"
#include "qt_text_metrics.h"
#include "reports/document.h"
#include "reports/report_header.h"

class QPrinter;
class QWidget;

namespace tovaris::gui {

struct AppContext;

// The program's one printing mechanism: documents are composed by the engine with this
// backend's text measures, previewed one at a time, printed on the printer chosen in "Printer
// Setup" or saved as PDF.
class PrintService : public QObject {
    Q_OBJECT

  public:
    explicit PrintService(AppContext& context);
    ~PrintService() override;

    using Composer =
        std::function<void(reports::Document&, const CaseRecord&, const reports::ReportContext&)>;

    // The program's print service, for the windows that are not screens of their own.
    static PrintService* instance() { return instance_; }

    // Composes a document and previews it; `source` stays disabled until "Exit Preview".
    void Preview(QWidget& source, const Composer& compose);
    // Composes a document and prints it after the system print dialog, without a preview (the
    // tax reports).
    void PrintWithDialog(QWidget& parent, const Composer& compose);
    // "Print Screen Image": the active window as a picture on a page of its own.
    void PrintScreenImage(QWidget& screen);
    // "Print": the screen as a picture straight to the printer, after the print dialog, as a
    // form's own print command does.
    void PrintScreen(QWidget& screen);
    // "Printer Setup": the system's page and printer set-up dialog.
    void PrinterSetup(QWidget& parent);

    PreviewWindow* preview() const { return preview_; }
    QPrinter& printer() { return *printer_; }
    reports::ReportContext ReportContextNow() const;

  signals:
    void previewShown(PreviewWindow* preview);

  private:
    void ReturnTo(QWidget* source);

    AppContext& context_;
    render::QtTextMetrics metrics_;
    std::unique_ptr<QPrinter> printer_;
    QPointer<PreviewWindow> preview_;
    static inline PrintService* instance_ = nullptr;
};

}  // namespace tovaris::gui
