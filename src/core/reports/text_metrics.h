#pragma once

#include <string>

namespace tovaris::reports {

inline constexpr const char* kReportFontName = "Tahoma";

struct ReportFont {
    std::string name = kReportFontName;
    float size = 12;  // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool operator==(const ReportFont&) const = default;
};

inline constexpr double kTwipsPerPoint = 20;

// How large a text comes out in a font, in twips. The backend that draws the pages measures
// them, so a column placed after the widest label lines up wherever the document is drawn.
class TextMetrics {
  public:
    virtual ~TextMetrics() = default;
    virtual double Width(const ReportFont& font, const std::string& text) const = 0;
    virtual double Height(const ReportFont& font) const = 0;
};

// Measures without a font file: every character the same share of the size, a line 1.2 sizes
// high. The tests and the headless text dump lay pages out with it.
class FixedTextMetrics : public TextMetrics {
  public:
    double Width(const ReportFont& font, const std::string& text) const override;
    double Height(const ReportFont& font) const override;
};

}  // namespace tovaris::reports
