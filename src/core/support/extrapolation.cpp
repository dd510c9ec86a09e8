#include "support/extrapolation.h"

#include <array>
#include <cmath>

#include "support/economic_table.h"

namespace tovaris::support {
namespace {

// a + b x income, per child per month; each line meets the $12,000 row within a few dollars
// so that support keeps rising past the top of the table.
struct Line {
    double a;
    double b;
};

// By family size column 1..4 and 5 or more.
constexpr std::array<Line, kEconomicTableColumns> kCurveLines = {
    {{1238, 0.02806}, {885, 0.02557}, {664, 0.02398}, {557, 0.02}, {495, 0.0172}}};
constexpr std::array<Line, kEconomicTableColumns> kLinearLines = {
    {{699, 0.073}, {520, 0.056}, {412, 0.045}, {342, 0.038}, {306, 0.033}}};

// As the menus have always read, misspelling included, so that users find the items they know.
constexpr std::array<std::string_view, 3> kCaptions = {
    "Don't Extrapolate For Combined Net > $12000",
    "Extapolate With A Linear Regression Using Data Points Between 11K and 12K Combined Net",
    "Extapolate With A Linear Regression Using Data Points Between 9K and 12K Combined Net",
};

float Apply(const Line& line, float combinedNet) {
    // Whole dollars, truncated toward minus infinity.
    return static_cast<float>(std::floor(line.a + line.b * static_cast<double>(combinedNet)));
}

}  // namespace

ExtrapolationMethod ExtrapolationOf(Extrapolation choice) {
    switch (choice) {
        case Extrapolation::Curve:
            return ExtrapolationMethod::Curve;
        case Extrapolation::Linear:
            return ExtrapolationMethod::Linear;
        case Extrapolation::Dont:
            break;
    }
    return ExtrapolationMethod::Dont;
}

std::string_view MenuCaption(ExtrapolationMethod method) {
    return kCaptions[static_cast<int>(method)];
}

int16_t ExtrapolateFlagFor(ExtrapolationMethod method) {
    return method == ExtrapolationMethod::Dont ? 0 : 1;
}

std::optional<float> ExtrapolatedPerChild(ExtrapolationMethod method, int column,
                                          float combinedNet) {
    switch (method) {
        case ExtrapolationMethod::Curve:
            return Apply(kCurveLines[column - 1], combinedNet);
        case ExtrapolationMethod::Linear:
            return Apply(kLinearLines[column - 1], combinedNet);
        case ExtrapolationMethod::Dont:
            break;
    }
    return std::nullopt;
}

}  // namespace tovaris::support
