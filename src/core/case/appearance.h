#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/interaction.h"
#include "common/preference_store.h"

namespace tovaris {

// The command buttons' look as the colour picker keeps it. Colours are stored the Windows way:
// a decimal number with red in the low byte.
struct ButtonAppearance {
    uint32_t themeColor = 0x808080;
    uint32_t backColor = 0xC0C0FF;
    uint32_t foreColor = 0;
    bool visualStyle = false;  // true: the buttons keep the system style's own colours
    int borderStyle = 5;       // 0: flat buttons; anything else: raised

    bool operator==(const ButtonAppearance&) const = default;
};

// The five appearance keys; a missing or unreadable value reads as its default.
ButtonAppearance ReadButtonAppearance(const PreferenceStore& store);

// The colour picker applies a choice: all five keys together.
void WriteButtonAppearance(PreferenceStore& store, const ButtonAppearance& appearance);

// "ScreenDefault": the program's own screen colour ("MS") or the system's ("Sys").
enum class ScreenColors { Program, System };
void WriteScreenColors(PreferenceStore& store, ScreenColors colors);

// The colour picker's reset: the five button keys and "ScreenDefault" back to their defaults.
void ResetAppearance(PreferenceStore& store);

inline constexpr const char* kScalingRangeMessage =
    "To change the scaling factor, enter a decimal value between .5 and 1.  An entry of 1 "
    "results in no scaling. An entry of .5 will reduce the area of your monitor used by 50%.";

// The scaling screen's entry as a factor: a number from .5 to 1 after the entry clean-up.
std::optional<double> ReadScalingEntry(std::string_view entry);

// "Apply Scaling at Next Start-up of This Program": writes "MonAdj" when the entry is in range,
// else shows the range message and keeps the stored factor. True when written.
bool ApplyScalingEntry(PreferenceStore& store, std::string_view entry, Interaction& interaction);

// " Reset Scaling to Default": "MonAdj" back to "1"; returns the text for the entry field.
std::string ResetScaling(PreferenceStore& store);

}  // namespace tovaris
