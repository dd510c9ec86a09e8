#pragma once

namespace tovaris::gui {

inline constexpr const char* kProductCaption = "Tovaris 2023 (Washington)";
inline constexpr const char* kProgramVersion = "9.31";
// The version check page: the path and query are fixed, the host is set for each release.
inline constexpr const char* kVersionCheckUrl =
    "https://updates.tovaris.example/ChkVerWa.htm?Ver=9.31";

}  // namespace tovaris::gui
