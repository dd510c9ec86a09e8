#pragma once

#include <optional>
#include <string_view>

namespace tovaris::maintenance {

// The three entries of the present value box, as read (nullopt when not numeric).
struct PresentValueEntries {
    std::optional<double> DurationYears;
    std::optional<double> TaxRate;       // decimal, 0 to below 1
    std::optional<double> DiscountRate;  // decimal, yearly, 0 to below 1
};

enum class PresentValueField { Duration, TaxRate, DiscountRate };

struct PresentValueEntryError {
    PresentValueField field;   // where the focus goes back
    std::string_view message;  // shown with the title "Entry Error"
};

// The first entry that cannot be used, checked in screen order.
std::optional<PresentValueEntryError> CheckPresentValueEntries(const PresentValueEntries& in);

// Today's value of the yearly award paid monthly after tax for the duration: month i (from 1)
// is discounted by (1 - discountRate / 12)^(i - 1). A fractional last month is not paid.
float PresentValue(double yearlyAward, double durationYears, double taxRate, double discountRate);

}  // namespace tovaris::maintenance
