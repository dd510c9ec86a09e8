#pragma once

#include <map>
#include <string>
#include <utility>

namespace tovaris {

// The per-user settings store: text values by application name and key, all in the section
// "UserPrefs". A missing key reads as the empty text. The desktop program keeps them with
// QSettings; the tests and the headless program use MemoryPreferenceStore.
class PreferenceStore {
  public:
    virtual ~PreferenceStore() = default;
    virtual std::string Read(const std::string& application, const std::string& key) const = 0;
    virtual void Write(const std::string& application, const std::string& key,
                       const std::string& value) = 0;
};

class MemoryPreferenceStore : public PreferenceStore {
  public:
    std::string Read(const std::string& application, const std::string& key) const override {
        auto it = values_.find({application, key});
        return it == values_.end() ? std::string() : it->second;
    }
    void Write(const std::string& application, const std::string& key,
               const std::string& value) override {
        values_[{application, key}] = value;
    }
    size_t size() const { return values_.size(); }

  private:
    std::map<std::pair<std::string, std::string>, std::string> values_;
};

inline constexpr const char* kPreferenceSection = "UserPrefs";
inline constexpr const char* kAppearanceApp = "Corvenwick2023";
inline constexpr const char* kBehaviourApp = "Tovaris_Wa";
inline constexpr const char* kDataApp = "Tovaris_2023_Wa";

}  // namespace tovaris
