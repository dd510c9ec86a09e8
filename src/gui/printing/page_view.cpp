#include "page_view.h"

#include <QPaintEvent>
#include <QPainter>
#include <cmath>

#include "page_painter.h"

namespace tovaris::gui {

namespace {

constexpr int kGap = 12;  // pixels between pages
constexpr double kTwipsPerInch = 1440;

}  // namespace

PageView::PageView(const reports::Document& document, QWidget* parent)
    : QWidget(parent), document_(document) {
    setObjectName("PreviewPages");
    SetZoom(1.0);
}

// 100 % is the paper's size on a screen of the widget's resolution.
double PageView::PixelsPerTwip() const {
    return zoom_ * logicalDpiX() / kTwipsPerInch;
}

int PageView::PageHeight() const {
    return int(std::ceil(reports::kPageHeight * PixelsPerTwip()));
}

void PageView::SetZoom(double zoom) {
    zoom_ = zoom;
    const int pages = int(document_.pages().size());
    setFixedSize(int(std::ceil(reports::kPageWidth * PixelsPerTwip())) + 2 * kGap,
                 pages * (PageHeight() + kGap) + kGap);
    update();
}

void PageView::SetHighlight(int page, const QRectF& rect) {
    highlightPage_ = page;
    highlight_ = rect;
    update();
}

int PageView::PageTop(int page) const {
    return kGap + page * (PageHeight() + kGap);
}

int PageView::PageAt(int y) const {
    const int page = std::max(0, y - kGap / 2) / (PageHeight() + kGap);
    return std::min(page, int(document_.pages().size()) - 1);
}

void PageView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), QColor(128, 128, 128));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const double scale = PixelsPerTwip();
    for (int i = 0; i < int(document_.pages().size()); ++i) {
        const QRect pageRect(kGap, PageTop(i), int(reports::kPageWidth * scale), PageHeight());
        if (!pageRect.intersects(event->rect())) {
            continue;
        }
        painter.save();
        painter.translate(pageRect.topLeft());
        painter.scale(scale, scale);
        std::vector<QRectF> marks;
        if (i == highlightPage_) {
            marks.push_back(highlight_);
        }
        render::PaintPage(painter, document_, i, marks);
        painter.restore();
    }
}

}  // namespace tovaris::gui
