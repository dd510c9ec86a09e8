#pragma once

#include <QString>

#include "common/preference_store.h"

namespace tovaris::gui {

// User preferences in QSettings: the native per-user store (the registry on Windows), one
// settings file per application name, keys in the "UserPrefs" group.
class QtPreferenceStore : public PreferenceStore {
  public:
    // organization names the folder (or registry branch) that holds the three applications.
    explicit QtPreferenceStore(QString organization = "Tovaris");

    std::string Read(const std::string& application, const std::string& key) const override;
    void Write(const std::string& application, const std::string& key,
               const std::string& value) override;

  private:
    QString organization_;
};

}  // namespace tovaris::gui
