#pragma once

#include <QByteArray>
#include <QColor>
#include <QRectF>
#include <QString>
#include <vector>

#include "reports/document.h"

class QPainter;
class QPagedPaintDevice;

namespace tovaris::render {

// Draws one page in the painter's twip space with the origin at the paper's top left corner.
// `highlights` are rectangles (body coordinates) to mark, the preview's find matches.
void PaintPage(QPainter& painter, const reports::Document& document, int pageIndex,
               const std::vector<QRectF>& highlights = {});

// Every page onto a paged device (a printer or a PDF writer), one device page each.
void PaintDocument(QPagedPaintDevice& device, const reports::Document& document);

// The document as PDF file bytes: Letter paper, selectable text.
QByteArray PdfBytes(const reports::Document& document);

// Writes the PDF beside the target and renames it over the target, so a failed write leaves no
// partial file. Returns an empty text, or the reason it failed.
QString WritePdfFile(const reports::Document& document, const QString& path);

}  // namespace tovaris::render
