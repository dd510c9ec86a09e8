#pragma once

#include <QFont>

#include "reports/text_metrics.h"

namespace tovaris::render {

// The report font in twips: a pixel of the painter's twip space is one twip, so the same font
// measures the text and draws it.
QFont TwipFont(const reports::ReportFont& font);

// Makes "Tahoma" available: the system's, or Debian's Tahoma-compatible face from fonts-wine.
void LoadReportFont();

class QtTextMetrics : public reports::TextMetrics {
  public:
    double Width(const reports::ReportFont& font, const std::string& text) const override;
    double Height(const reports::ReportFont& font) const override;
};

}  // namespace tovaris::render
