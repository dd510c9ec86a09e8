#include "common/display_scale.h"

#include <algorithm>
#include <cmath>

#include "common/entry_text.h"

namespace tovaris {

double MonAdjFactor(const std::string& stored) {
    double factor = ToNumber(stored).value_or(1);
    return factor < 0.5 || factor > 1 ? 1 : factor;
}

DisplayScale ComputeDisplayScale(const DisplayMetrics& metrics, const std::string& monAdj) {
    DisplayScale scale;
    scale.monAdj = MonAdjFactor(monAdj);
    double horizontal = metrics.widthPixels / 800.0 * (metrics.twipsPerPixelX / 15.0);
    double vertical = metrics.heightPixels / 600.0 * (metrics.twipsPerPixelY / 15.0);
    scale.screenScale = horizontal * scale.monAdj;
    scale.verticalScale = vertical * scale.monAdj;
    scale.fontScale = std::min(horizontal, vertical) * scale.monAdj;
    return scale;
}

bool IsUnsupportedDisplay(const DisplayScale& scale) {
    return std::fabs(scale.screenScale - 0.64) < 1e-9;
}

}  // namespace tovaris
