#include "case/appearance.h"

#include "case/preferences.h"
#include "common/entry_text.h"

namespace tovaris {
namespace {

constexpr uint32_t kLargestColor = 0xFFFFFF;

uint32_t ReadColor(const PreferenceStore& store, const char* key, uint32_t fallback) {
    std::optional<double> value = ToNumber(store.Read(kAppearanceApp, key));
    if (!value || *value < 0 || *value > kLargestColor || *value != static_cast<uint32_t>(*value)) {
        return fallback;
    }
    return static_cast<uint32_t>(*value);
}

}  // namespace

ButtonAppearance ReadButtonAppearance(const PreferenceStore& store) {
    const ButtonAppearance defaults;
    ButtonAppearance a;
    a.themeColor = ReadColor(store, "ThemeColor", defaults.themeColor);
    a.backColor = ReadColor(store, "BackColor", defaults.backColor);
    a.foreColor = ReadColor(store, "ForeColor", defaults.foreColor);
    a.visualStyle = store.Read(kAppearanceApp, "VisualStyle") == "True";
    std::optional<double> border = ToNumber(store.Read(kAppearanceApp, "BorderStyle"));
    a.borderStyle = border ? static_cast<int>(*border) : defaults.borderStyle;
    return a;
}

void WriteButtonAppearance(PreferenceStore& store, const ButtonAppearance& a) {
    store.Write(kAppearanceApp, "ThemeColor", std::to_string(a.themeColor));
    store.Write(kAppearanceApp, "BackColor", std::to_string(a.backColor));
    store.Write(kAppearanceApp, "ForeColor", std::to_string(a.foreColor));
    store.Write(kAppearanceApp, "VisualStyle", a.visualStyle ? "True" : "False");
    store.Write(kAppearanceApp, "BorderStyle", std::to_string(a.borderStyle));
}

void WriteScreenColors(PreferenceStore& store, ScreenColors colors) {
    store.Write(kAppearanceApp, "ScreenDefault", colors == ScreenColors::Program ? "MS" : "Sys");
}

void ResetAppearance(PreferenceStore& store) {
    WriteAppearanceDefaults(store);
}

std::optional<double> ReadScalingEntry(std::string_view entry) {
    std::optional<double> factor = ReadAmount(entry);
    if (!factor || *factor < 0.5 || *factor > 1) {
        return std::nullopt;
    }
    return factor;
}

bool ApplyScalingEntry(PreferenceStore& store, std::string_view entry, Interaction& interaction) {
    std::optional<double> factor = ReadScalingEntry(entry);
    if (!factor) {
        interaction.Box("Entry Error", kScalingRangeMessage, BoxButtons::Ok);
        return false;
    }
    store.Write(kBehaviourApp, "MonAdj", WholeNumberText(*factor));
    return true;
}

std::string ResetScaling(PreferenceStore& store) {
    store.Write(kBehaviourApp, "MonAdj", "1");
    return "1";
}

}  // namespace tovaris
