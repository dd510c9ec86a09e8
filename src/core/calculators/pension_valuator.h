#pragma once

#include <optional>
#include <string>

#include "calculators/entry_error.h"

namespace tovaris::calculators {

enum class PensionModel { ByGenderAndRace, ByGender };  // `ModelDB`, `ModelByGender`

// The entries of "Defined Benefit Plans" as typed, named as its controls.
struct PensionEntries {
    std::string sex;             // "m", "f" or "" when no option is chosen
    std::string race = "arace";  // "w", "b", "h", or "arace" when none is chosen
    PensionModel model = PensionModel::ByGender;
    std::string CurrentAgeYrs;
    std::string CurrentAgeMos;
    std::string AgePayableYrs;
    std::string AgePayableMos;
    bool atDeath = true;  // `AtDeath`, else `AtAge` with the terminating age
    std::string AgeTerminateYrs;
    std::string AgeTerminateMos;
    std::string PensionAmount;  // per month
    std::string DiscountRate;   // yearly, decimal
    std::string TaxRate;        // decimal
};

struct PensionValue {
    double DeathPossibility = 0;  // before the pension is payable, 0 to 1
    double ExpectedYears = 0;     // of payments
    double PaymentMonths = 0;
    double PresentValue = 0;                    // whole dollars
    std::optional<double> PostTaxPresentValue;  // whole dollars; only with a tax rate
};

Outcome<PensionValue> ValuePension(const PensionEntries& entries);

// The report's formats: " #0.00%", " ####.00" + " Years", " $###,###,###".
std::string DeathPossibilityText(double possibility);
std::string ExpectedYearsText(double years);
std::string PensionAmountText(double amount);

}  // namespace tovaris::calculators
