#pragma once

#include <QHash>
#include <QObject>
#include <QString>

#include "case/case_fields.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;
class QWidget;

namespace tovaris::gui {

// Connects a screen's controls to the case fields of the same name: line edits and combo
// boxes to text fields, radio buttons to options, check boxes to check states. Edits go into
// the record at once; Refresh() shows the record again after a command changed it.
class FieldBinder : public QObject {
    Q_OBJECT
  public:
    FieldBinder(CaseFields& fields, QWidget& screen);

    // Binds every control below the screen whose object name is a case field.
    void BindAll();
    void Refresh();

  signals:
    // The user changed a field; the record already holds the new value.
    void edited(const QString& field);

  private:
    void BindLineEdit(QLineEdit* edit);
    void BindComboBox(QComboBox* combo);
    void BindRadioButton(QRadioButton* radio);
    void BindCheckBox(QCheckBox* box);
    QButtonGroup* GroupFor(const QString& option);

    CaseFields& fields_;
    QWidget& screen_;
    QHash<QString, QButtonGroup*> groups_;  // by the group's first option name
};

}  // namespace tovaris::gui
