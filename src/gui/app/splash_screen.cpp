#include "app/splash_screen.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/screen_setup.h"
#include "app/version.h"

namespace tovaris::gui {

namespace {
QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, int pointDelta,
                  bool bold) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() + pointDelta);
    font.setBold(bold);
    label->setFont(font);
    return label;
}
}  // namespace

SplashScreen::SplashScreen(QWidget* parent) : QFrame(parent) {
    setObjectName("Splash");
    setWindowTitle(kProductCaption);
    // An ordinary frameless window rather than a splash one, so that it takes the keyboard.
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(3);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(36, 28, 36, 24);
    layout->addWidget(MakeLabel(this, "Product", kProductCaption, 10, true));
    layout->addSpacing(10);
    layout->addWidget(MakeLabel(this, "Label1", "Child Support ", 5, true));
    layout->addWidget(MakeLabel(this, "Label2", " and Maintenance Calculations", 5, true));
    layout->addSpacing(6);
    layout->addWidget(
        MakeLabel(this, "VersionLabel", QString("Version ") + kProgramVersion, 1, false));
    layout->addSpacing(16);

    loading_ = MakeLabel(this, "Loading", "LOADING..........", 2, true);
    layout->addWidget(loading_);

    choices_ = new QWidget(this);
    auto* row = new QHBoxLayout(choices_);
    row->setContentsMargins(0, 0, 0, 0);
    connect(AddChoice("EnterCaseData", "Enter Case Data"), &QPushButton::clicked, this,
            &SplashScreen::enterCaseData);
    connect(AddChoice("CheckForUpdate", "Check For Update"), &QPushButton::clicked, this,
            &SplashScreen::checkForUpdate);
    connect(AddChoice("ExitProgram", "Exit Without Loading Program"), &QPushButton::clicked, this,
            &SplashScreen::exitWithoutLoading);
    choices_->hide();
    layout->addWidget(choices_);
}

QPushButton* SplashScreen::AddChoice(const QString& name, const QString& caption) {
    auto* button = new QPushButton(caption, choices_);
    button->setObjectName(name);
    button->setMinimumHeight(32);
    button->setAutoDefault(true);  // Enter presses the button that has the focus
    choices_->layout()->addWidget(button);
    return button;
}

void SplashScreen::ShowChoices() {
    loading_->hide();
    choices_->show();
    CenterOnScreen(*this);
    activateWindow();
    findChild<QPushButton*>("EnterCaseData")->setFocus(Qt::OtherFocusReason);
}

}  // namespace tovaris::gui
