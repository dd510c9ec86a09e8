#include "reports/document_text.h"

#include <cmath>
#include <sstream>

namespace tovaris::reports {

namespace {

std::string FontText(const ReportFont& font) {
    std::ostringstream size;
    size << font.size;
    std::string text = font.name + " " + size.str();
    if (font.bold) {
        text += " b";
    }
    if (font.italic) {
        text += " i";
    }
    if (font.underline) {
        text += " u";
    }
    return text;
}

}  // namespace

std::string DocumentText(const Document& document) {
    std::string text;
    int number = 0;
    for (const DocumentPage& page : document.pages()) {
        text += "--- page " + std::to_string(++number) + " ---\n";
        for (const PageItem& item : page.items) {
            if (const auto* run = std::get_if<TextRun>(&item)) {
                text += "y " + std::to_string(std::lround(run->y)) + " x " +
                        std::to_string(std::lround(run->x)) + " " + FontText(run->font) + " | " +
                        run->text + "\n";
            }
        }
    }
    return text;
}

std::string PageText(const DocumentPage& page) {
    std::string text;
    double lineY = -1;
    for (const PageItem& item : page.items) {
        const auto* run = std::get_if<TextRun>(&item);
        if (!run) {
            continue;
        }
        if (lineY >= 0) {
            text += run->y == lineY ? " " : "\n";
        }
        text += run->text;
        lineY = run->y;
    }
    return text;
}

}  // namespace tovaris::reports
