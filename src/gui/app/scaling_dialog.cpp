#include "app/scaling_dialog.h"

#include <QApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/flow_layout.h"
#include "app/named_button.h"
#include "case/appearance.h"

namespace tovaris::gui {

namespace {

// A few controls as the screens show them, for the preview.
QGroupBox* SampleScreen(QWidget* parent) {
    auto* sample = new QGroupBox("Preview At This Scale", parent);
    sample->setObjectName("ScalingPreview");
    auto* row = new QHBoxLayout(sample);
    row->addWidget(new QLabel("Gross Income Per Month", sample));
    auto* amount = new QLineEdit("$ 4,333.33", sample);
    amount->setReadOnly(true);
    amount->setFocusPolicy(Qt::NoFocus);
    row->addWidget(amount);
    auto* button = new QPushButton("Child Support", sample);
    button->setFocusPolicy(Qt::NoFocus);
    row->addWidget(button);
    row->addStretch();
    return sample;
}

}  // namespace

ScalingDialog::ScalingDialog(PreferenceStore& preferences, Interaction& interaction,
                             double currentFactor, QWidget* parent)
    : QDialog(parent),
      preferences_(preferences),
      interaction_(interaction),
      currentFactor_(currentFactor) {
    setObjectName("Scaling");
    setWindowTitle("Display Scaling");

    auto* prompt = new QLabel(kScalingRangeMessage, this);
    prompt->setWordWrap(true);
    factor_ =
        new QLineEdit(QString::fromStdString(preferences_.Read(kBehaviourApp, "MonAdj")), this);
    factor_->setObjectName("ScaleFactor");
    preview_ = SampleScreen(this);
    status_ = new QLabel(this);
    status_->setObjectName("ScalingStatus");
    status_->setWordWrap(true);

    auto* commands = new QWidget(this);
    auto* flow = new FlowLayout(commands);
    QPushButton* apply = AddCommand(*flow, commands, "ApplyScaling",
                                    "Apply Scaling at Next Start-up of This Program");
    apply->setDefault(true);  // Enter in the factor applies it
    connect(apply, &QPushButton::clicked, this, &ScalingDialog::Apply);
    connect(AddCommand(*flow, commands, "ResetScaling", " Reset Scaling to Default"),
            &QPushButton::clicked, this, &ScalingDialog::Reset);
    connect(AddCommand(*flow, commands, "CloseScaling", "Close"), &QPushButton::clicked, this,
            &QDialog::reject);
    connect(factor_, &QLineEdit::textChanged, this, &ScalingDialog::ShowPreview);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(factor_);
    layout->addWidget(preview_);
    layout->addWidget(status_);
    layout->addWidget(commands);
    ShowPreview();
    resize(560, sizeHint().height());
}

// The screens' fonts at the typed factor: this run's font was scaled by the current factor.
void ScalingDialog::ShowPreview() {
    std::optional<double> factor = ReadScalingEntry(factor_->text().toStdString());
    QFont font = QApplication::font();
    font.setPointSizeF(font.pointSizeF() * factor.value_or(1) / currentFactor_);
    preview_->setFont(font);
}

void ScalingDialog::Apply() {
    if (!ApplyScalingEntry(preferences_, factor_->text().toStdString(), interaction_)) {
        factor_->setFocus();
        factor_->selectAll();
        return;
    }
    status_->setText("The screens will be shown at a scale of " +
                     QString::fromStdString(preferences_.Read(kBehaviourApp, "MonAdj")) +
                     " from the next start-up of this program.");
}

void ScalingDialog::Reset() {
    factor_->setText(QString::fromStdString(ResetScaling(preferences_)));
    status_->setText("The screens will be shown unscaled from the next start-up of this program.");
}

}  // namespace tovaris::gui
