#include "support/parenting_time.h"

#include <algorithm>
#include <numeric>

namespace tovaris::support {

AverageNights AvgNightsForFamily(std::span<const float> claimNightsOldestFirst, int16_t k) {
    const auto size = static_cast<std::ptrdiff_t>(claimNightsOldestFirst.size());
    const std::ptrdiff_t count = std::clamp<std::ptrdiff_t>(k, 0, size);
    AverageNights avg;
    if (count > 0) {
        const auto youngest = claimNightsOldestFirst.last(static_cast<std::size_t>(count));
        avg.claim = static_cast<float>(std::accumulate(youngest.begin(), youngest.end(), 0.0) /
                                       static_cast<double>(count));
    }
    avg.payer = static_cast<float>(static_cast<double>(kNightsPerYear) - avg.claim);
    return avg;
}

std::array<AverageNights, kAveragedFamilySizes> AvgNightsByFamilySize(
    std::span<const float> claimNightsOldestFirst) {
    std::array<AverageNights, kAveragedFamilySizes> bySize;
    for (int k = 1; k <= kAveragedFamilySizes; ++k) {
        bySize[k - 1] = AvgNightsForFamily(claimNightsOldestFirst, static_cast<int16_t>(k));
    }
    return bySize;
}

float SumOfDaysFactor(float nights) {
    return static_cast<float>(static_cast<double>(nights) / kNightsPerYear);
}

float SquaredDaysFactor(float nights, float otherNights) {
    const double own = static_cast<double>(nights) * nights;
    const double sum = own + static_cast<double>(otherNights) * otherNights;
    return sum == 0 ? 0.0f : static_cast<float>(own / sum);
}

}  // namespace tovaris::support
