#pragma once

namespace tovaris::gui {

inline constexpr const char* kProductCaption = "Tovaris 2023 (Washington)";
inline constexpr const char* kProgramVersion = "9.31";
// The version check page: the site is a build setting (TOVARIS_UPDATE_SITE), the path and
// query are fixed.
inline constexpr const char* kVersionCheckUrl = TOVARIS_UPDATE_SITE "/ChkVerWa.htm?Ver=9.31";

}  // namespace tovaris::gui
