#include "app/field_binder.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

#include "common/entry_text.h"

namespace tovaris::gui {

namespace {

std::string Name(const QObject* control) {
    return control->objectName().toStdString();
}

bool IsFieldOfKind(const QObject* control, FieldKind kind) {
    std::string name = Name(control);
    return IsField(name) && FindField(name).kind == kind;
}

}  // namespace

FieldBinder::FieldBinder(CaseFields& fields, QWidget& screen)
    : QObject(&screen), fields_(fields), screen_(screen) {}

void FieldBinder::BindAll() {
    for (QLineEdit* edit : screen_.findChildren<QLineEdit*>()) {
        if (IsFieldOfKind(edit, FieldKind::Text)) {
            BindLineEdit(edit);
        }
    }
    for (QComboBox* combo : screen_.findChildren<QComboBox*>()) {
        if (IsFieldOfKind(combo, FieldKind::Text)) {
            BindComboBox(combo);
        }
    }
    for (QRadioButton* radio : screen_.findChildren<QRadioButton*>()) {
        if (IsFieldOfKind(radio, FieldKind::Option)) {
            BindRadioButton(radio);
        }
    }
    for (QCheckBox* box : screen_.findChildren<QCheckBox*>()) {
        if (IsFieldOfKind(box, FieldKind::Check)) {
            BindCheckBox(box);
        }
    }
    Refresh();
}

void FieldBinder::BindLineEdit(QLineEdit* edit) {
    connect(edit, &QLineEdit::textEdited, this, [this, edit](const QString& typed) {
        // A double quote would end the field early in the case file.
        std::string text = ReplaceDoubleQuotes(typed.toStdString());
        if (typed.contains('"')) {
            int cursor = edit->cursorPosition();
            edit->setText(QString::fromStdString(text));
            edit->setCursorPosition(cursor);
        }
        fields_.SetText(Name(edit), text);
        emit edited(edit->objectName());
    });
}

void FieldBinder::BindComboBox(QComboBox* combo) {
    connect(combo, &QComboBox::activated, this, [this, combo] {
        fields_.SetText(Name(combo), combo->currentText().toStdString());
        emit edited(combo->objectName());
    });
}

QButtonGroup* FieldBinder::GroupFor(const QString& option) {
    std::span<const std::string_view> members = OptionGroupOf(option.toStdString());
    QString key = members.empty()
                      ? option
                      : QString::fromUtf8(members.front().data(), members.front().size());
    QButtonGroup*& group = groups_[key];
    if (group == nullptr) {
        group = new QButtonGroup(this);
    }
    return group;
}

void FieldBinder::BindRadioButton(QRadioButton* radio) {
    radio->setAutoExclusive(false);
    GroupFor(radio->objectName())->addButton(radio);
    connect(radio, &QRadioButton::toggled, this, [this, radio](bool on) {
        if (on) {
            fields_.Select(Name(radio));
            emit edited(radio->objectName());
        }
    });
}

void FieldBinder::BindCheckBox(QCheckBox* box) {
    connect(box, &QCheckBox::stateChanged, this, [this, box](int state) {
        fields_.SetCheck(Name(box), static_cast<int16_t>(state == Qt::Checked ? 1 : state ? 2 : 0));
        emit edited(box->objectName());
    });
}

void FieldBinder::Refresh() {
    for (QButtonGroup* group : groups_) {
        group->setExclusive(false);  // lets a group show no selection
    }
    for (QLineEdit* edit : screen_.findChildren<QLineEdit*>()) {
        if (IsFieldOfKind(edit, FieldKind::Text)) {
            QString text = QString::fromStdString(fields_.Text(Name(edit)));
            if (edit->text() != text) {
                QSignalBlocker block(edit);
                edit->setText(text);
            }
        }
    }
    for (QComboBox* combo : screen_.findChildren<QComboBox*>()) {
        if (IsFieldOfKind(combo, FieldKind::Text)) {
            QSignalBlocker block(combo);
            combo->setCurrentText(QString::fromStdString(fields_.Text(Name(combo))));
        }
    }
    for (QRadioButton* radio : screen_.findChildren<QRadioButton*>()) {
        if (IsFieldOfKind(radio, FieldKind::Option)) {
            QSignalBlocker block(radio);
            radio->setChecked(fields_.Selected(Name(radio)));
        }
    }
    for (QCheckBox* box : screen_.findChildren<QCheckBox*>()) {
        if (IsFieldOfKind(box, FieldKind::Check)) {
            QSignalBlocker block(box);
            int16_t state = fields_.Check(Name(box));
            box->setCheckState(state == 1   ? Qt::Checked
                               : state == 2 ? Qt::PartiallyChecked
                                            : Qt::Unchecked);
        }
    }
    for (QButtonGroup* group : groups_) {
        group->setExclusive(true);
    }
}

}  // namespace tovaris::gui
