#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "case/case_record.h"
#include "common/display_row.h"
#include "common/interaction.h"

namespace tovaris {

inline constexpr const char* kBonusEntryMessage =
    "Please ReEnter The Other Party's Average Yearly Bonus";

// What share of the Other Party's yearly bonus should reach the Claimant as maintenance: the
// recommendation with and without the bonus.
struct MaintenanceBonusResult {
    double bonus = 0;          // yearly
    float awardWithout = 0;    // W0, yearly
    float awardWith = 0;       // W1, yearly
    float supportWithout = 0;  // CS0, monthly, as the recommendations used it
    float supportWith = 0;     // CS1
    double percentage = 0;     // of the bonus, 0-100
    std::string percentText;   // "##.#0%"
    DisplayRows lines;
};

// The same for child support alone, calculated without the low-income limitations.
struct ChildSupportBonusResult {
    double bonus = 0;
    float supportWithout = 0;  // monthly transfer, + paid by the Other Party
    float supportWith = 0;
    float maintenanceMonthly = 0;  // the maintenance both calculations assume
    double percentage = 0;
    std::string percentText;
    DisplayRows lines;
};

// Both calculators add the bonus to the Other Party's wages on his income screen, run the
// calculation, and give the case back exactly as it was. A bonus that is not a number is
// refused (title "Entry Error") and an overflow is reported; both give nullopt.
std::optional<MaintenanceBonusResult> RunMaintenanceBonus(CaseRecord& record,
                                                          Interaction& interaction,
                                                          std::string_view bonusText);
std::optional<ChildSupportBonusResult> RunChildSupportBonus(CaseRecord& record,
                                                            Interaction& interaction,
                                                            std::string_view bonusText);

}  // namespace tovaris
