#include <QGuiApplication>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "cli_app.h"
#include "page_painter.h"
#include "qt_text_metrics.h"
#include "report_output.h"

namespace {

// The report command draws its pages with Qt on the offscreen platform: no display needed.
class PdfRenderer : public tovaris::cli::ReportRenderer {
  public:
    const tovaris::reports::TextMetrics& metrics() const override { return metrics_; }
    std::string WritePdf(const tovaris::reports::Document& document,
                         const std::string& path) const override {
        return tovaris::render::WritePdfFile(document, QString::fromStdString(path)).toStdString();
    }

  private:
    tovaris::render::QtTextMetrics metrics_;
};

}  // namespace

int main(int argc, char* argv[]) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty() || args[0] != "report") {
        return tovaris::cli::RunCli(args, std::cout, std::cerr);
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // Qt's notes about the platform are no business of a headless program's callers.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    QGuiApplication application(argc, argv);
    tovaris::render::LoadReportFont();
    PdfRenderer renderer;
    return tovaris::cli::RunCli(args, std::cout, std::cerr, &renderer);
}
