#include "page_painter.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include "qt_text_metrics.h"

namespace tovaris::render {

namespace {

constexpr int kPdfResolution = 1440;  // one device dot per twip
const QColor kHighlight(255, 235, 59, 140);

QColor ToColor(const reports::Rgb& rgb) {
    return QColor(rgb.r, rgb.g, rgb.b);
}

void PaintRun(QPainter& painter, const reports::TextRun& run) {
    const QFont font = TwipFont(run.font);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QPointF(run.x, run.y + QFontMetricsF(font).ascent()),
                     QString::fromStdString(run.text));
}

void PaintRule(QPainter& painter, const reports::Rule& rule) {
    painter.setPen(QPen(ToColor(rule.pen.colour), rule.pen.width));
    if (!rule.box) {
        painter.drawLine(QPointF(rule.x1, rule.y1), QPointF(rule.x2, rule.y2));
        return;
    }
    painter.setBrush(rule.fill ? QBrush(ToColor(*rule.fill)) : QBrush(Qt::NoBrush));
    painter.drawRect(QRectF(QPointF(rule.x1, rule.y1), QPointF(rule.x2, rule.y2)));
    painter.setBrush(Qt::NoBrush);
}

void PaintPicture(QPainter& painter, const reports::Picture& picture) {
    QImage image;
    image.loadFromData(reinterpret_cast<const uchar*>(picture.png.data()), int(picture.png.size()),
                       "PNG");
    painter.drawImage(QRectF(picture.x, picture.y, picture.width, picture.height), image);
}

QPageLayout LetterLayout() {
    return QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF());
}

}  // namespace

void PaintPage(QPainter& painter, const reports::Document& document, int pageIndex,
               const std::vector<QRectF>& highlights) {
    painter.save();
    painter.fillRect(QRectF(0, 0, reports::kPageWidth, reports::kPageHeight), Qt::white);
    painter.translate(document.margins().left, document.margins().top);
    for (const QRectF& rect : highlights) {
        painter.fillRect(rect, kHighlight);
    }
    for (const reports::PageItem& item : document.pages()[pageIndex].items) {
        if (const auto* run = std::get_if<reports::TextRun>(&item)) {
            PaintRun(painter, *run);
        } else if (const auto* rule = std::get_if<reports::Rule>(&item)) {
            PaintRule(painter, *rule);
        } else {
            PaintPicture(painter, std::get<reports::Picture>(item));
        }
    }
    painter.restore();
}

void PaintDocument(QPagedPaintDevice& device, const reports::Document& document) {
    QPainter painter(&device);
    // The device's dots per twip, whatever its resolution.
    const double scale = device.logicalDpiX() / 1440.0;
    painter.scale(scale, device.logicalDpiY() / 1440.0);
    const QPointF paper = device.pageLayout().paintRectPixels(device.logicalDpiX()).topLeft();
    painter.translate(-paper / scale);
    for (int i = 0; i < int(document.pages().size()); ++i) {
        if (i > 0) {
            device.newPage();
        }
        PaintPage(painter, document, i);
    }
}

QByteArray PdfBytes(const reports::Document& document) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kPdfResolution);
        writer.setPageLayout(LetterLayout());
        writer.setCreator("Tovaris");
        PaintDocument(writer, document);
    }
    return bytes;
}

QString WritePdfFile(const reports::Document& document, const QString& path) {
    const QByteArray bytes = PdfBytes(document);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        return QString("cannot write %1: %2").arg(path, file.errorString());
    }
    return {};
}

}  // namespace tovaris::render
