#pragma once

#include <QRectF>
#include <QWidget>
#include <vector>

#include "reports/document.h"

namespace tovaris::gui {

// The document's pages one below the other at a zoom, with the find matches highlighted.
class PageView : public QWidget {
  public:
    PageView(const reports::Document& document, QWidget* parent);

    void SetZoom(double zoom);
    double zoom() const { return zoom_; }
    void SetHighlight(int page, const QRectF& rect);
    // The top of a page in widget pixels, and the page at a widget height.
    int PageTop(int page) const;
    int PageAt(int y) const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    double PixelsPerTwip() const;
    int PageHeight() const;

    const reports::Document& document_;
    double zoom_ = 1.0;
    int highlightPage_ = -1;
    QRectF highlight_;
};

}  // namespace tovaris::gui
