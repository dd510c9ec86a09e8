#pragma once

#include "forms/form_layout.h"
#include "forms/worksheet_lines.h"

namespace tovaris::forms::sheet {

// What the worksheet pages and the split attachment share, in twips inside half-inch margins:
// the titles on the left, then the two parents' money columns.
inline constexpr double kRight = 10800;
inline constexpr double kColumnLeft[kColumns] = {7000, 8900};
inline constexpr double kColumnWidth = 1900;
inline constexpr double kCell = 80;  // a value's distance from its cell's edges
inline constexpr double kTitleX = 100;
inline constexpr double kItemX = 350;  // the lettered items of a numbered line
inline constexpr double kFooterY = 14050;

inline constexpr FormFont kBody{9};
inline constexpr FormFont kBold{9, true};
inline constexpr FormFont kItalic{9, false, true};
inline constexpr FormFont kSmall{8};
inline constexpr FormFont kTitle{12, true};

// A row's frame from the cursor down `height`: its outer edges, the column rules and its bottom.
inline void RowFrame(FormPageBuilder& b, double height) {
    for (double x : {0.0, kColumnLeft[0], kColumnLeft[1], kRight}) {
        b.VerticalRule(x, height);
    }
    b.Rule(0, kRight, height);
}

// A money slot in each column at the cursor, offset by `dy`, keyed "<prefix><column>".
inline void MoneySlots(FormPageBuilder& b, const std::string& prefix, double dy) {
    for (int c = 0; c < kColumns; ++c) {
        b.Slot(kColumnLeft[c] + kCell, kColumnWidth - 2 * kCell, prefix + std::to_string(c),
               SlotKind::Money, kBody, dy);
    }
}

}  // namespace tovaris::forms::sheet
