#pragma once

#include <string>

namespace tovaris {

// What the screen reports: pixels and twips per pixel (1440 / dots per inch; 15 at 96 dpi).
struct DisplayMetrics {
    int widthPixels = 800;
    int heightPixels = 600;
    double twipsPerPixelX = 15;
    double twipsPerPixelY = 15;
};

// The screens were laid out for 800 x 600 at 15 twips per pixel; these scales say how far the
// display differs, each including the user's "MonAdj" factor.
struct DisplayScale {
    double monAdj = 1;
    double screenScale = 1;  // horizontal
    double verticalScale = 1;
    double fontScale = 1;
};

// The stored "MonAdj" text as a factor: a number from .5 to 1, anything else counts as 1.
double MonAdjFactor(const std::string& stored);

DisplayScale ComputeDisplayScale(const DisplayMetrics& metrics, const std::string& monAdj);

// 640 x 480 with large fonts gives a horizontal scale of 0.64, where the screens do not fit.
bool IsUnsupportedDisplay(const DisplayScale& scale);

inline constexpr const char* kUnsupportedDisplayTitle = "Please Note That.....";
inline constexpr const char* kUnsupportedDisplayMessage =
    "This Program Will Not Run At 640 X 480 Resolution Using Large Fonts. Please Reset Your "
    "Monitor Resolution To Small Fonts Or Use A Higher Resolution Than 640 X 480";

}  // namespace tovaris
