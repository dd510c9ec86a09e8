#include "app/preparer_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/ok_cancel_buttons.h"
#include "case/preferences.h"

namespace tovaris::gui {

namespace {
QString Q(const std::string& text) {
    return QString::fromStdString(text);
}
}  // namespace

PreparerDialog::PreparerDialog(PreferenceStore& preferences, QWidget* parent)
    : QDialog(parent), preferences_(preferences) {
    setObjectName("Preparer");
    setWindowTitle("Preparer's Name and Office");
    PreparerSettings current = ReadPreparer(preferences_);

    // Made in the order they are shown, which is the Tab order.
    auto* name = new QLineEdit(Q(current.name), this);
    name->setObjectName("PreparerName");
    auto* nameCheck = new QCheckBox("Show This Name On Printed  Reports", this);
    nameCheck->setObjectName("PrintNameCheck");
    nameCheck->setChecked(current.printName);
    auto* office = new QLineEdit(Q(current.office), this);
    office->setObjectName("PreparerOffice");
    auto* officeCheck = new QCheckBox("Show This Office Name On Printed Reports", this);
    officeCheck->setObjectName("PrintOfficeCheck");
    officeCheck->setChecked(current.printOffice);
    auto* dateCheck = new QCheckBox("Show Date On Printed Reports", this);
    dateCheck->setObjectName("PrintDateCheck");
    dateCheck->setChecked(current.printDate);

    auto* form = new QFormLayout;
    form->addRow("Name of Preparer", name);
    form->addRow("", nameCheck);
    form->addRow("Office of Preparer", office);
    form->addRow("", officeCheck);
    form->addRow("", dateCheck);

    auto* note =
        new QLabel("This Name And Office Will Be Saved As The Program Default Until Changed", this);
    note->setWordWrap(true);
    QDialogButtonBox* buttons = OkCancelButtons(*this);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(note);
    layout->addWidget(buttons);
    resize(460, sizeHint().height());
}

// Only OK keeps the entries; Cancel, Escape and the close button leave the saved ones.
void PreparerDialog::done(int result) {
    if (result != QDialog::Accepted) {
        QDialog::done(result);
        return;
    }
    PreparerSettings settings;
    settings.name = findChild<QLineEdit*>("PreparerName")->text().toStdString();
    settings.office = findChild<QLineEdit*>("PreparerOffice")->text().toStdString();
    settings.printName = findChild<QCheckBox*>("PrintNameCheck")->isChecked();
    settings.printOffice = findChild<QCheckBox*>("PrintOfficeCheck")->isChecked();
    settings.printDate = findChild<QCheckBox*>("PrintDateCheck")->isChecked();
    WritePreparer(preferences_, settings);
    QDialog::done(result);
}

}  // namespace tovaris::gui
