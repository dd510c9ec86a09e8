#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace tovaris {

// The family one tier prices: what the results screen's tier panel lists beside the transfer.
struct SupportTier {
    float basicObligation = 0;  // both households' basic obligations for a split case
    float claimNights = 0;      // shared: average overnights of the family with each parent
    float payerNights = 0;
    int16_t claimChildren = 0;  // split: the family's children living with each parent
    int16_t payerChildren = 0;
};

// The outcome of the child support calculation, filled by its passes (the last pass, with all
// the case's minors, leaves the case's figures). Monthly dollars in single precision.
struct SupportResults {
    // Switches of the results screen's buttons; they persist between calculations.
    int16_t LimitsApplied = 0;
    int16_t DeviationApplied = 0;

    int16_t ExtrapolateFlag = 0;      // 1 when an income above the table may be extrapolated
    int16_t LimitsAppliedAtCalc = 0;  // LimitsApplied as the last run used it, for the reports

    float CombinedNet = 0;
    float ClaimShare = 0;
    float PayerShare = 0;
    std::array<float, 10> PerChildSupport{};
    float BasicObligation = 0;
    std::array<float, 10> PerChildSupport2{};  // the second household of dual worksheets
    float BasicObligation2 = 0;
    bool Extrapolated = false;  // some lookup of the last pass priced above the table

    // Basic shares in whole dollars; under the shared Colorado method, 1.5 times the share.
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
    float SplitNet = 0;  // dual worksheets: the net of the two worksheets, before any deviation

    float ClaimDeviation = 0;
    float PayerDeviation = 0;
    bool ClaimDeviationComputed = false;  // the last pass weighed the party's other children
    bool PayerDeviationComputed = false;
    float OtherChildrenSum = 0;  // whole family method: the case's children within the family

    float ChildSupportTransfer = 0;  // positive: the Other Party pays the Claimant

    // Support by number of children: element k for k children (1..5), set by that pass,
    // without the Other Party's net expense obligation (TierExpense1, from the one-child pass).
    std::array<float, 6> TierTransfer{};
    std::array<bool, 6> TierSet{};
    std::array<SupportTier, 6> Tiers{};
    float TierExpense1 = 0;

    // The results screen's two buttons as the calculation leaves them; a button is bold
    // exactly when it is enabled.
    std::string LimitsButton = "No Limitations";
    bool LimitsButtonEnabled = false;
    std::string DeviationButton = "No 2nd Families";
    bool DeviationButtonEnabled = false;

    bool Computed = false;  // a calculation has run since the case was opened
};

}  // namespace tovaris
