#include "reports/text_metrics.h"

namespace tovaris::reports {

namespace {

// Tahoma's average advance is about half its size; bold runs a little wider.
constexpr double kAverageAdvance = 0.5;
constexpr double kBoldAdvance = 0.56;
constexpr double kLineSpacing = 1.2;

}  // namespace

double FixedTextMetrics::Width(const ReportFont& font, const std::string& text) const {
    const double advance = font.bold ? kBoldAdvance : kAverageAdvance;
    return double(text.size()) * font.size * kTwipsPerPoint * advance;
}

double FixedTextMetrics::Height(const ReportFont& font) const {
    return font.size * kTwipsPerPoint * kLineSpacing;
}

}  // namespace tovaris::reports
