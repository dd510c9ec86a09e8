#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "case/case_record.h"
#include "common/interaction.h"

namespace tovaris {

// The maintenance screen's entry boxes, named as the focus goes back to them.
inline constexpr const char* kNewAwardBox = "NewAward";
inline constexpr const char* kPresentValueDurationBox = "PresentValueDuration";
inline constexpr const char* kPresentValueTaxBox = "PresentValueTax";
inline constexpr const char* kPresentValueDiscountBox = "PresentValueDiscount";

inline constexpr const char* kNegativeAwardMessage = "Spousal Maintenance Must Be $0 or Greater";
inline constexpr const char* kMissingAwardMessage = "Please Enter The New Spousal Maintenance";

// "Change Award": a yearly award of 0 or more typed in `newAward` replaces the suggestion and
// the recommendation runs again with it. Returns whether it ran (the screen then empties its
// entry boxes); a refused entry leaves the case as it was.
bool ChangeAward(CaseRecord& record, Interaction& interaction, std::string_view newAward);

// "Use Suggested": the typed award is dropped; child support (when maintenance feeds it) and
// the recommendation run again from the suggestion.
bool UseSuggested(CaseRecord& record, Interaction& interaction);

// "Present Value": checks the three entries in screen order, then values the award in force
// over the duration. Returns the text of the result area ("  $123,456"), nullopt when an entry
// was refused.
std::optional<std::string> PresentValueCommand(CaseRecord& record, Interaction& interaction,
                                               std::string_view duration, std::string_view taxRate,
                                               std::string_view discountRate);

}  // namespace tovaris
