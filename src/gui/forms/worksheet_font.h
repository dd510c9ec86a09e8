#pragma once

#include <QFont>
#include <QString>
#include <QWidget>
#include <string_view>

class QLineEdit;

namespace tovaris::gui {

// Gives every control below `page` the font, keeping bold captions bold, and sizes the boxes
// that ask for a number of characters ("chars" property) at that font.
void ApplyWorksheetFont(QWidget& page, const QFont& font);

// A box of a worksheet page for a case field, `chars` characters wide at the worksheet font
// (0: as wide as the layout gives).
QLineEdit* FieldBox(std::string_view field, int chars, QWidget* parent);

QString FromView(std::string_view text);

}  // namespace tovaris::gui
