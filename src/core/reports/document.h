#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "reports/text_metrics.h"

namespace tovaris::reports {

// The screen a document was asked for from; the preview goes back there when it closes.
inline constexpr const char* kSourceSynopsis = "Syn";
inline constexpr const char* kSourceWorksheets = "WS";
inline constexpr const char* kSourceDeclaration = "FD";
inline constexpr const char* kSourceOrderSummary = "SR";
inline constexpr const char* kSourceExpressEntry = "Manual";
inline constexpr const char* kSourceSupportResults = "Form5";
inline constexpr const char* kSourceMaintenance = "Form3";

// US Letter in twips.
inline constexpr double kPageWidth = 12240;
inline constexpr double kPageHeight = 15840;

// Alignment codes of SetAlignment: where a written run sits against the current x.
enum AlignmentCode : int16_t {
    kAlignLeft = 0,    // starts at x
    kAlignRight = 1,   // ends at x
    kAlignCenter = 2,  // centred between the margins
    kAlignLeftTop = 4  // starts at x, its top at y (the case reports' body)
};

struct Margins {
    double left = 720;
    double right = 720;
    double top = 700;
    double bottom = 360;
};

struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

// The court forms' box shading.
inline constexpr Rgb kFormShading{236, 232, 216};

struct Pen {
    double width = 15;  // twips
    Rgb colour;
    bool operator==(const Pen&) const = default;
};

// Positions and sizes in twips from the top left corner inside the margins.
struct TextRun {
    double x = 0;
    double y = 0;  // top of the line
    double width = 0;
    double height = 0;
    ReportFont font;
    std::string text;
};

struct Rule {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    Pen pen;
    bool box = false;         // a rectangle with these corners, else a line
    std::optional<Rgb> fill;  // a shaded box
};

// A picture (a screen image) as PNG bytes, placed in the given rectangle.
struct Picture {
    double x = 0, y = 0, width = 0, height = 0;
    std::vector<uint8_t> png;
};

using PageItem = std::variant<TextRun, Rule, Picture>;

struct DocumentPage {
    std::vector<PageItem> items;
};

// A print-preview document: the operations the printed documents are written with. It keeps
// every page as text runs and rules, so the preview, the printer, the PDF file and the tests see
// the same pages; text sizes come from the metrics of the backend that will draw them.
class Document {
  public:
    explicit Document(const TextMetrics& metrics) : metrics_(&metrics) {}

    void OpenPreviewDocument(std::string source);
    void SetMargins(const Margins& margins) { margins_ = margins; }
    void SetFont(const std::string& name, float size, bool bold = false, bool italic = false,
                 bool underline = false);
    void SetAlignment(int16_t code) { alignment_ = code; }
    void SetX(double x) { x_ = x; }
    void SetY(double y) { y_ = y; }
    double GetY() const { return y_; }
    void WriteText(const std::string& text);
    void WriteLine(const std::string& text);
    double TextWidth(const std::string& text) const;
    double TextHeight(const std::string& text) const;
    void SetPen(const Pen& pen) { pen_ = pen; }
    void SetFill(std::optional<Rgb> fill) { fill_ = fill; }
    void DrawLine(double x1, double y1, double x2, double y2);
    void DrawBox(double x1, double y1, double x2, double y2);
    void DrawPicture(std::vector<uint8_t> png, double x, double y, double width, double height);
    void NewPage();
    void ClosePreviewDocument() { closed_ = true; }

    const std::string& source() const { return source_; }
    bool closed() const { return closed_; }
    const Margins& margins() const { return margins_; }
    const ReportFont& font() const { return font_; }
    const std::vector<DocumentPage>& pages() const { return pages_; }
    // The writable area inside the margins.
    double BodyWidth() const { return kPageWidth - margins_.left - margins_.right; }
    double BodyHeight() const { return kPageHeight - margins_.top - margins_.bottom; }

  private:
    void BreakPageIfFull(double height);
    void StartLineIfNew();
    size_t FittingBreak(const std::string& text) const;
    void PlaceRun(const std::string& text);
    void EndLine();

    const TextMetrics* metrics_;
    std::string source_;
    Margins margins_;
    ReportFont font_;
    int16_t alignment_ = kAlignLeftTop;
    Pen pen_;
    std::optional<Rgb> fill_;
    double x_ = 0;
    double y_ = 0;
    double lineHeight_ = 0;  // tallest run of the line being written
    std::vector<DocumentPage> pages_ = std::vector<DocumentPage>(1);
    bool closed_ = false;
};

}  // namespace tovaris::reports
