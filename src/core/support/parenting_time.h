#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace tovaris::support {

inline constexpr float kNightsPerYear = 365.0f;

// Family sizes that keep average overnights (ClaimAvgNights[1..6], PayerAvgNights[1..6]).
inline constexpr int kAveragedFamilySizes = 6;

// Average overnights per year with each parent for one family size.
struct AverageNights {
    float claim = 0;  // ClaimAvgNights[k]
    float payer = 0;  // PayerAvgNights[k], always 365 minus the Claimant's
};

// The family of k children is the k youngest of the case's children, as the pass for k children
// prices the younger ones still supported. claimNightsOldestFirst holds the Claimant's overnights
// per year for each child in the parenting-time screen's order; a k beyond the list takes every
// child listed ("5 or More Children").
AverageNights AvgNightsForFamily(std::span<const float> claimNightsOldestFirst, int16_t k);

// The same for every family size: element k - 1 is the family of k children.
std::array<AverageNights, kAveragedFamilySizes> AvgNightsByFamilySize(
    std::span<const float> claimNightsOldestFirst);

// The parenting-time printout's factors: a parent's nights over 365 ("Shared Sum of Days
// Factor"), and his squared nights over both parents' squared nights ("Shared Sum of Days
// Squared Factor"; 0 when neither parent has a night).
float SumOfDaysFactor(float nights);
float SquaredDaysFactor(float nights, float otherNights);

}  // namespace tovaris::support
