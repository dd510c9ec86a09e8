#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace tovaris::forms {

// A court form page as data: what stands where, in twips from the top left corner inside the
// page margins. The form renderer draws it; the figures come in at drawing time through the
// value slots, so one layout serves every case.

enum class FormAlign { Left, Right, Center };

struct FormFont {
    float size = 9;  // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

// A fixed text: left-aligned at x, right-aligned ending at x, or centred in [x, x + width].
// A text that `follows` goes on where the text before it ended (a bold word inside a sentence),
// its x and y unused.
struct FormText {
    double x = 0;
    double y = 0;
    std::string text;
    FormFont font;
    FormAlign align = FormAlign::Left;
    double width = 0;  // Center only
    bool follows = false;
};

// A line.
struct FormRule {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    double weight = 15;  // twips
};

// A rectangle, shaded like the state forms' headings when `shaded`.
struct FormBox {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    bool shaded = false;
    double weight = 15;
};

// How a value slot prints what it is given.
enum class SlotKind {
    Text,   // the text at x (left), ending at x (right) or centred over the slot
    Money,  // a "$" at the slot's left edge, the figure right-aligned at its right edge
    Check,  // "[X] " or "[ ] " by whether the value is non-empty, at x
};

// Where a figure of the case stands: `key` names it to the value lookup. A Money value may
// carry its own leading "$" (as the worksheet boxes do); the slot prints one "$" of its own.
struct FormSlot {
    double x = 0;
    double y = 0;
    double width = 0;
    std::string key;
    SlotKind kind = SlotKind::Text;
    FormFont font;
    FormAlign align = FormAlign::Left;  // Text only
};

using FormItem = std::variant<FormText, FormRule, FormBox, FormSlot>;

struct FormPage {
    std::vector<FormItem> items;
};

// The value of a slot's key for the case being printed; an empty text leaves the slot blank.
using FormValues = std::function<std::string(std::string_view key)>;

// Builds a page top to bottom: a cursor y that the rows move down, and short-hand adders.
class FormPageBuilder {
  public:
    explicit FormPageBuilder(double top = 0) : y_(top) {}

    double y() const { return y_; }
    void SetY(double y) { y_ = y; }
    void Down(double height) { y_ += height; }

    // Items at the cursor's y, offset by `dy`.
    void Text(double x, std::string text, FormFont font = {}, double dy = 0);
    void RightText(double x, std::string text, FormFont font = {}, double dy = 0);
    void CenteredText(double x, double width, std::string text, FormFont font = {}, double dy = 0);
    // Goes on after the text added before it.
    void Follow(std::string text, FormFont font = {});
    void Slot(double x, double width, std::string key, SlotKind kind = SlotKind::Text,
              FormFont font = {}, double dy = 0, FormAlign align = FormAlign::Left);
    // A box from the cursor down `height`.
    void Box(double x1, double x2, double height, bool shaded = false);
    void Rule(double x1, double x2, double dy = 0, double weight = 15);
    void VerticalRule(double x, double height);

    void Add(FormItem item) { page_.items.push_back(std::move(item)); }
    FormPage Take() { return std::move(page_); }

  private:
    double y_;
    FormPage page_;
};

}  // namespace tovaris::forms
