#include "app/qt_preference_store.h"

#include <QSettings>

namespace tovaris::gui {

namespace {
QString SettingsKey(const std::string& key) {
    return QString(kPreferenceSection) + "/" + QString::fromStdString(key);
}
}  // namespace

QtPreferenceStore::QtPreferenceStore(QString organization)
    : organization_(std::move(organization)) {}

std::string QtPreferenceStore::Read(const std::string& application, const std::string& key) const {
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, organization_,
                       QString::fromStdString(application));
    return settings.value(SettingsKey(key)).toString().toStdString();
}

void QtPreferenceStore::Write(const std::string& application, const std::string& key,
                              const std::string& value) {
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, organization_,
                       QString::fromStdString(application));
    settings.setValue(SettingsKey(key), QString::fromStdString(value));
}

}  // namespace tovaris::gui
