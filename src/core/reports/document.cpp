#include "reports/document.h"

#include <algorithm>

namespace tovaris::reports {

void Document::OpenPreviewDocument(std::string source) {
    source_ = std::move(source);
    pages_.assign(1, DocumentPage{});
    margins_ = Margins{};
    font_ = ReportFont{};
    alignment_ = kAlignLeftTop;
    pen_ = Pen{};
    fill_.reset();
    x_ = y_ = lineHeight_ = 0;
    closed_ = false;
}

void Document::SetFont(const std::string& name, float size, bool bold, bool italic,
                       bool underline) {
    font_ = ReportFont{name, size, bold, italic, underline};
}

double Document::TextWidth(const std::string& text) const {
    return metrics_->Width(font_, text);
}

double Document::TextHeight(const std::string&) const {
    return metrics_->Height(font_);
}

// A line that would run past the bottom margin goes to the top of a new page.
void Document::BreakPageIfFull(double height) {
    if (y_ > 0 && y_ + height > BodyHeight()) {
        NewPage();
    }
}

void Document::StartLineIfNew() {
    if (lineHeight_ == 0) {
        BreakPageIfFull(metrics_->Height(font_));
    }
}

// The last blank at which the start of `text` still fits before the right margin.
size_t Document::FittingBreak(const std::string& text) const {
    for (size_t cut = text.rfind(' '); cut != std::string::npos && cut > 0;
         cut = text.rfind(' ', cut - 1)) {
        if (x_ + TextWidth(text.substr(0, cut)) <= BodyWidth()) {
            return cut;
        }
    }
    return std::string::npos;
}

void Document::PlaceRun(const std::string& text) {
    StartLineIfNew();
    const double width = TextWidth(text);
    const double height = metrics_->Height(font_);
    double left = x_;
    if (alignment_ == kAlignRight) {
        left = x_ - width;
    } else if (alignment_ == kAlignCenter) {
        left = (BodyWidth() - width) / 2;
    }
    if (!text.empty()) {
        pages_.back().items.push_back(TextRun{left, y_, width, height, font_, text});
    }
    x_ = left + width;
    lineHeight_ = std::max(lineHeight_, height);
}

// Left-aligned text too long for the line wraps at blanks, as a paragraph does.
void Document::WriteText(const std::string& text) {
    std::string rest = text;
    const bool wraps = alignment_ == kAlignLeft || alignment_ == kAlignLeftTop;
    while (wraps && x_ + TextWidth(rest) > BodyWidth()) {
        const size_t cut = FittingBreak(rest);
        if (cut == std::string::npos) {
            break;
        }
        PlaceRun(rest.substr(0, cut));
        EndLine();
        rest.erase(0, cut + 1);
    }
    PlaceRun(rest);
}

void Document::EndLine() {
    y_ += lineHeight_;
    x_ = 0;
    lineHeight_ = 0;
}

void Document::WriteLine(const std::string& text) {
    WriteText(text);
    EndLine();
}

void Document::DrawLine(double x1, double y1, double x2, double y2) {
    pages_.back().items.push_back(Rule{x1, y1, x2, y2, pen_, false, std::nullopt});
}

void Document::DrawBox(double x1, double y1, double x2, double y2) {
    pages_.back().items.push_back(Rule{x1, y1, x2, y2, pen_, true, fill_});
}

void Document::DrawPicture(std::vector<uint8_t> png, double x, double y, double width,
                           double height) {
    pages_.back().items.push_back(Picture{x, y, width, height, std::move(png)});
}

void Document::NewPage() {
    pages_.emplace_back();
    x_ = y_ = lineHeight_ = 0;
}

}  // namespace tovaris::reports
