#include "forms/form_layout.h"

namespace tovaris::forms {

void FormPageBuilder::Text(double x, std::string text, FormFont font, double dy) {
    Add(FormText{x, y_ + dy, std::move(text), font, FormAlign::Left, 0});
}

void FormPageBuilder::RightText(double x, std::string text, FormFont font, double dy) {
    Add(FormText{x, y_ + dy, std::move(text), font, FormAlign::Right, 0});
}

void FormPageBuilder::CenteredText(double x, double width, std::string text, FormFont font,
                                   double dy) {
    Add(FormText{x, y_ + dy, std::move(text), font, FormAlign::Center, width});
}

void FormPageBuilder::Follow(std::string text, FormFont font) {
    Add(FormText{0, y_, std::move(text), font, FormAlign::Left, 0, true});
}

void FormPageBuilder::Slot(double x, double width, std::string key, SlotKind kind, FormFont font,
                           double dy, FormAlign align) {
    Add(FormSlot{x, y_ + dy, width, std::move(key), kind, font, align});
}

void FormPageBuilder::Box(double x1, double x2, double height, bool shaded) {
    Add(FormBox{x1, y_, x2, y_ + height, shaded, 15});
}

void FormPageBuilder::Rule(double x1, double x2, double dy, double weight) {
    Add(FormRule{x1, y_ + dy, x2, y_ + dy, weight});
}

void FormPageBuilder::VerticalRule(double x, double height) {
    Add(FormRule{x, y_, x, y_ + height, 15});
}

}  // namespace tovaris::forms
