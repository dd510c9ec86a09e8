#include "qt_text_metrics.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <cmath>

namespace tovaris::render {

namespace {

constexpr const char* kTahomaFaces[] = {"/usr/share/wine/fonts/tahoma.ttf",
                                        "/usr/share/wine/fonts/tahomabd.ttf"};

}  // namespace

QFont TwipFont(const reports::ReportFont& font) {
    QFont qfont(QString::fromStdString(font.name));
    qfont.setPixelSize(int(std::lround(font.size * reports::kTwipsPerPoint)));
    qfont.setBold(font.bold);
    qfont.setItalic(font.italic);
    qfont.setUnderline(font.underline);
    qfont.setHintingPreference(QFont::PreferNoHinting);
    qfont.setKerning(false);
    // No ligatures: "Office" must stay six letters for the find box and a PDF reader's search.
    qfont.setStyleStrategy(QFont::PreferNoShaping);
    return qfont;
}

void LoadReportFont() {
    if (QFontDatabase::hasFamily(reports::kReportFontName)) {
        return;
    }
    for (const char* face : kTahomaFaces) {
        QFontDatabase::addApplicationFont(face);
    }
}

double QtTextMetrics::Width(const reports::ReportFont& font, const std::string& text) const {
    return QFontMetricsF(TwipFont(font)).horizontalAdvance(QString::fromStdString(text));
}

double QtTextMetrics::Height(const reports::ReportFont& font) const {
    return QFontMetricsF(TwipFont(font)).lineSpacing();
}

}  // namespace tovaris::render
