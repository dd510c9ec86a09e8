#include "maintenance/award_sentence.h"

#include "common/format.h"

namespace tovaris::maintenance {
namespace {

constexpr const char* kMoney = "$###,###,##0";
// Below this score the award is only a fallback in case one is made.
constexpr float kTentativeBelow = 25;

}  // namespace

std::string AwardSentence(float suggestedAwardSaved, float caseScore) {
    if (suggestedAwardSaved <= 0) {
        return " No Maintenance Is Recommended.";
    }
    const std::string yearly = FormatSingle(suggestedAwardSaved, kMoney);
    const std::string monthly = Format(suggestedAwardSaved / 12.0, kMoney);
    if (caseScore < kTentativeBelow) {
        return " If Maintenance Is Awarded, " + yearly + " Per Year  Or  " + monthly +
               " Per Month Is Suggested.";
    }
    return " Recommended Maintenance Is " + yearly + " Per Year  Or  " + monthly + " Per Month.";
}

}  // namespace tovaris::maintenance
