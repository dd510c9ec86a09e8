#include "reports/form_renderer.h"

#include <type_traits>

namespace tovaris::reports {

namespace {

using forms::FormAlign;

void UseFont(Document& document, const std::string& name, const forms::FormFont& font) {
    document.SetFont(name, font.size, font.bold, font.italic, font.underline);
}

// A text placed on its own, whatever the document's writing position was.
void Place(Document& document, double x, double y, const std::string& text, FormAlign align,
           double width) {
    if (text.empty()) {
        return;
    }
    document.SetY(y);
    if (align == FormAlign::Right) {
        document.SetAlignment(kAlignRight);
        document.SetX(x);
    } else {
        document.SetAlignment(kAlignLeft);
        document.SetX(align == FormAlign::Center ? x + (width - document.TextWidth(text)) / 2 : x);
    }
    document.WriteText(text);
}

// A box's text without the "$" the slot prints in its own column: "$ 1,234" -> "1,234",
// "-$ 8" -> "-8"; a box that reads only "$" is blank.
std::string Figure(const std::string& value) {
    const bool negative = value.starts_with("-$");
    const size_t dollar = negative ? 1 : 0;
    if (value.size() <= dollar || value[dollar] != '$') {
        return value;
    }
    const size_t start = value.find_first_not_of(' ', dollar + 1);
    if (start == std::string::npos) {
        return "";
    }
    return (negative ? "-" : "") + value.substr(start);
}

void PlaceMoney(Document& document, const forms::FormSlot& slot, const std::string& figure) {
    if (figure.empty()) {
        return;
    }
    Place(document, slot.x, slot.y, "$", FormAlign::Left, 0);
    Place(document, slot.x + slot.width, slot.y, figure, FormAlign::Right, 0);
}

struct ItemPainter {
    Document& document;
    const forms::FormValues& values;
    const std::string& fontName;

    void operator()(const forms::FormText& text) const {
        UseFont(document, fontName, text.font);
        if (text.follows) {
            document.SetAlignment(kAlignLeft);
            document.WriteText(text.text);
            return;
        }
        Place(document, text.x, text.y, text.text, text.align, text.width);
    }

    void operator()(const forms::FormRule& rule) const {
        document.SetPen(Pen{rule.weight, {}});
        document.DrawLine(rule.x1, rule.y1, rule.x2, rule.y2);
    }

    void operator()(const forms::FormBox& box) const {
        document.SetPen(Pen{box.weight, {}});
        document.SetFill(box.shaded ? std::optional<Rgb>(kFormShading) : std::nullopt);
        document.DrawBox(box.x1, box.y1, box.x2, box.y2);
        document.SetFill(std::nullopt);
    }

    void operator()(const forms::FormSlot& slot) const {
        UseFont(document, fontName, slot.font);
        const std::string value = values ? values(slot.key) : std::string();
        switch (slot.kind) {
            case forms::SlotKind::Check:
                Place(document, slot.x, slot.y, value.empty() ? "[ ] " : "[X] ", FormAlign::Left,
                      0);
                break;
            case forms::SlotKind::Money:
                PlaceMoney(document, slot, Figure(value));
                break;
            case forms::SlotKind::Text:
                Place(document, slot.align == FormAlign::Right ? slot.x + slot.width : slot.x,
                      slot.y, value, slot.align, slot.width);
                break;
        }
    }
};

}  // namespace

void RenderFormPage(Document& document, const forms::FormPage& page,
                    const forms::FormValues& values, const std::string& fontName) {
    const ItemPainter painter{document, values, fontName};
    for (const forms::FormItem& item : page.items) {
        std::visit(painter, item);
    }
}

void RenderFormPages(Document& document, std::span<const forms::FormPage> pages,
                     const forms::FormValues& values, const std::string& fontName) {
    bool first = true;
    for (const forms::FormPage& page : pages) {
        if (!first) {
            document.NewPage();
        }
        first = false;
        RenderFormPage(document, page, values, fontName);
    }
}

}  // namespace tovaris::reports
