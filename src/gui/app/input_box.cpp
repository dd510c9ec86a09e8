#include "app/input_box.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/ok_cancel_buttons.h"
#include "app/screen_setup.h"

namespace tovaris::gui {

namespace {
constexpr int kPromptWidth = 460;  // a comfortable line; long prompts grow downwards
constexpr int kDesktopMargin = 80;
}  // namespace

InputBox::InputBox(const QString& title, const QString& prompt, const QString& proposed,
                   QWidget* parent)
    : QDialog(parent) {
    setObjectName("InputBox");
    setWindowTitle(title);
    setModal(true);

    auto* text = new QLabel(prompt, this);
    text->setObjectName("InputPrompt");
    text->setWordWrap(true);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    text->setFixedWidth(qMin(kPromptWidth, AvailableArea(*this).width() - kDesktopMargin));

    entry_ = new QLineEdit(proposed, this);
    entry_->setObjectName("InputEntry");
    entry_->selectAll();

    QDialogButtonBox* buttons = OkCancelButtons(*this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(entry_);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString InputBox::answer() const {
    return entry_->text();
}

}  // namespace tovaris::gui
