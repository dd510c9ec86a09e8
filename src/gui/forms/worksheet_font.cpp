#include "forms/worksheet_font.h"

#include <QFontMetrics>
#include <QLineEdit>

namespace tovaris::gui {

void ApplyWorksheetFont(QWidget& page, const QFont& font) {
    page.setFont(font);
    QFontMetrics metrics(font);
    for (QWidget* control : page.findChildren<QWidget*>()) {
        QFont own = font;
        own.setBold(control->font().bold());
        control->setFont(own);
        int chars = control->property("chars").toInt();
        if (chars > 0) {
            control->setFixedWidth(metrics.averageCharWidth() * chars + 12);
        }
    }
}

QLineEdit* FieldBox(std::string_view field, int chars, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(FromView(field));
    edit->setProperty("chars", chars);
    return edit;
}

QString FromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace tovaris::gui
