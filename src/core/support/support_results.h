#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace tovaris {

// The outcome of the child support calculation, filled by its passes (the last pass, with all
// the case's minors, leaves the case's figures). Monthly dollars in single precision.
struct SupportResults {
    // Switches of the results screen's buttons; they persist between calculations.
    int16_t LimitsApplied = 0;
    int16_t DeviationApplied = 0;

    int16_t ExtrapolateFlag = 0;
    int16_t LimitsAppliedAtCalc = 0;

    float CombinedNet = 0;
    float ClaimShare = 0;
    float PayerShare = 0;
    std::array<float, 10> PerChildSupport{};
    float BasicObligation = 0;
    std::array<float, 10> PerChildSupport2{};  // the second household of dual worksheets
    float BasicObligation2 = 0;
    bool Extrapolated = false;

    float ClaimBasicShare = 0;
    float PayerBasicShare = 0;
    float ClaimBasicShare2 = 0;
    float PayerBasicShare2 = 0;
    float ClaimLimitedShare = 0;
    float PayerLimitedShare = 0;
    float ClaimLimitedShare2 = 0;
    float PayerLimitedShare2 = 0;
    std::string ClaimLimitText;
    std::string PayerLimitText;
    std::string ClaimLimitMark;  // "NA" when a limitation blocks the parent's deviation
    std::string PayerLimitMark;

    float ClaimExpenseShare = 0;
    float PayerExpenseShare = 0;
    float CareHealthPaidClaim = 0;
    float CareHealthPaidPayer = 0;
    float ClaimStandardObligation = 0;
    float PayerStandardObligation = 0;

    float ClaimTimeFactor = 0;  // shared: average overnights with each parent
    float PayerTimeFactor = 0;
    float SplitNet = 0;

    float ClaimDeviation = 0;
    float PayerDeviation = 0;
    float OtherChildrenSum = 0;

    float ChildSupportTransfer = 0;  // positive: the Other Party pays the Claimant

    // Support by number of children: element k for k children (1..5), set by that pass.
    std::array<float, 6> TierTransfer{};
    std::array<bool, 6> TierSet{};
    float TierExpense1 = 0;

    // The results screen's two buttons as the calculation leaves them.
    std::string LimitsButton = "No Limitations";
    bool LimitsButtonEnabled = false;
    std::string DeviationButton = "No 2nd Families";
    bool DeviationButtonEnabled = false;

    bool Computed = false;  // a calculation has run since the case was opened
};

}  // namespace tovaris
