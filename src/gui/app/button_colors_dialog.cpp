#include "app/button_colors_dialog.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/flow_layout.h"
#include "app/named_button.h"
#include "app/screen_setup.h"

namespace tovaris::gui {

namespace {

constexpr int kRaisedBorder = 5;
constexpr int kFlatBorder = 0;

QColor AskWithColorDialog(const QColor& current, const QString& title) {
    return QColorDialog::getColor(current, nullptr, title);
}

}  // namespace

ButtonColorsDialog::ButtonColorsDialog(PreferenceStore& preferences, QWidget* parent)
    : QDialog(parent),
      askColor(AskWithColorDialog),
      preferences_(preferences),
      choice_(ReadButtonAppearance(preferences)) {
    setObjectName("ButtonColors");
    setWindowTitle("Change Button Colors");

    auto* buttons = new QGroupBox("Command Buttons", this);
    auto* grid = new QGridLayout(buttons);
    auto addRow = [&](QPushButton* swatch, const QString& caption) {
        int row = grid->rowCount();
        grid->addWidget(new QLabel(caption, buttons), row, 0);
        grid->addWidget(swatch, row, 1);
    };
    addRow(AddSwatch("BackColor", "Button Color", &ButtonAppearance::backColor), "Button Color");
    addRow(AddSwatch("ForeColor", "Button Text Color", &ButtonAppearance::foreColor),
           "Button Text Color");
    addRow(AddSwatch("ThemeColor", "Theme Color", &ButtonAppearance::themeColor),
           "Theme Color (Selected Text)");
    visualStyle_ = new QCheckBox("Draw The Buttons In The System's Own Style", buttons);
    visualStyle_->setObjectName("VisualStyle");
    grid->addWidget(visualStyle_, grid->rowCount(), 0, 1, 2);
    flat_ = new QCheckBox("Flat Buttons Without A Border", buttons);
    flat_->setObjectName("FlatButtons");
    grid->addWidget(flat_, grid->rowCount(), 0, 1, 2);
    sample_ = new QPushButton("Sample Button", buttons);
    sample_->setObjectName("SampleButton");
    sample_->setAutoDefault(false);
    sample_->setFocusPolicy(Qt::NoFocus);  // shows the choice, does nothing
    grid->addWidget(sample_, grid->rowCount(), 0, 1, 2);
    connect(visualStyle_, &QCheckBox::toggled, this, [this](bool on) {
        choice_.visualStyle = on;
        ShowChoice();
    });
    connect(flat_, &QCheckBox::toggled, this, [this](bool on) {
        choice_.borderStyle = on ? kFlatBorder : kRaisedBorder;
        ShowChoice();
    });

    auto* commands = new QWidget(this);
    auto* flow = new FlowLayout(commands);
    QPushButton* apply = AddCommand(*flow, commands, "ApplyColors", "Apply Button Colors");
    apply->setDefault(true);  // Enter applies the choice
    connect(apply, &QPushButton::clicked, this, &ButtonColorsDialog::Apply);
    connect(AddCommand(*flow, commands, "ProgramColors", "Use The Program's Screen Colors"),
            &QPushButton::clicked, this, [this] { UseScreenColors(ScreenColors::Program); });
    connect(AddCommand(*flow, commands, "SystemColors", "Use The System's Screen Colors"),
            &QPushButton::clicked, this, [this] { UseScreenColors(ScreenColors::System); });
    connect(AddCommand(*flow, commands, "ResetColors", "Reset All Colors To The Defaults"),
            &QPushButton::clicked, this, &ButtonColorsDialog::Reset);
    connect(AddCommand(*flow, commands, "CloseColors", "Close"), &QPushButton::clicked, this,
            &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buttons);
    layout->addWidget(commands);
    ShowChoice();
    resize(520, sizeHint().height());
}

QPushButton* ButtonColorsDialog::AddSwatch(const char* name, const QString& caption,
                                           uint32_t ButtonAppearance::*color) {
    auto* swatch = new QPushButton(this);
    swatch->setObjectName(QString(name) + "Button");
    swatch->setAutoDefault(false);
    swatch->setMinimumWidth(swatch->fontMetrics().horizontalAdvance("Choose...") * 2);
    swatch->setText("Choose...");
    swatch->setToolTip("Choose the " + caption.toLower());
    connect(swatch, &QPushButton::clicked, this, [this, color, caption] {
        QColor picked = askColor(FromStoredColor(choice_.*color), caption);
        if (picked.isValid()) {
            choice_.*color = ToStoredColor(picked);
            ShowChoice();
        }
    });
    swatches_.emplace_back(swatch, color);
    return swatch;
}

// The swatches show their colours as icons, and the sample button the whole choice.
void ButtonColorsDialog::ShowChoice() {
    for (auto [swatch, color] : swatches_) {
        QPixmap chip(swatch->iconSize());
        chip.fill(FromStoredColor(choice_.*color));
        swatch->setIcon(QIcon(chip));
    }
    visualStyle_->setChecked(choice_.visualStyle);
    flat_->setChecked(choice_.borderStyle == kFlatBorder);
    sample_->setFlat(choice_.borderStyle == kFlatBorder);
    QPalette p;
    if (!choice_.visualStyle) {
        p = sample_->palette();
        p.setColor(QPalette::Button, FromStoredColor(choice_.backColor));
        p.setColor(QPalette::ButtonText, FromStoredColor(choice_.foreColor));
    }
    sample_->setPalette(p);
}

void ButtonColorsDialog::Apply() {
    WriteButtonAppearance(preferences_, choice_);
    RecolorScreens(preferences_);
}

void ButtonColorsDialog::UseScreenColors(ScreenColors colors) {
    WriteScreenColors(preferences_, colors);
    RecolorScreens(preferences_);
}

void ButtonColorsDialog::Reset() {
    ResetAppearance(preferences_);
    choice_ = ReadButtonAppearance(preferences_);
    ShowChoice();
    RecolorScreens(preferences_);
}

}  // namespace tovaris::gui
