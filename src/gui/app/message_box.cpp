#include "app/message_box.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tovaris::gui {

namespace {
constexpr int kMessageWidth = 420;  // wide enough for a sentence; long messages grow downwards
}

MessageBox::MessageBox(const QString& title, const QString& message, BoxButtons buttons,
                       QWidget* parent)
    : QDialog(parent), answer_(buttons == BoxButtons::Ok ? kAnswerOk : kAnswerNo) {
    setObjectName("Box");
    setWindowTitle(title);
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* text = new QLabel(message, this);
    text->setObjectName("BoxMessage");
    text->setWordWrap(true);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    text->setFixedWidth(kMessageWidth);

    buttonRow_ = new QWidget(this);
    auto* row = new QHBoxLayout(buttonRow_);
    row->setContentsMargins(0, 0, 0, 0);
    row->addStretch();
    if (buttons == BoxButtons::Ok) {
        AddButton(tr("OK"), kAnswerOk, true);
    } else {
        AddButton(tr("Yes"), kAnswerYes, true);
        AddButton(tr("No"), kAnswerNo, false);
    }
    row->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addSpacing(8);
    layout->addWidget(buttonRow_);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void MessageBox::AddButton(const QString& caption, int answer, bool isDefault) {
    auto* button = new QPushButton(caption, buttonRow_);
    button->setObjectName(caption);
    button->setMinimumWidth(90);
    button->setDefault(isDefault);
    connect(button, &QPushButton::clicked, this, [this, answer] {
        answer_ = answer;
        accept();
    });
    buttonRow_->layout()->addWidget(button);
}

int Box(const QString& title, const QString& message, BoxButtons buttons, QWidget* parent) {
    MessageBox box(title, message, buttons, parent);
    box.exec();
    return box.answer();
}

}  // namespace tovaris::gui
