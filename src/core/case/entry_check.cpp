#include "case/entry_check.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include "case/express_messages.h"
#include "common/entry_text.h"

namespace tovaris {

EntryCheck::EntryCheck(CaseRecord& record, Interaction& interaction, const ReadInMode& mode)
    : fields(record.fields),
      globals(record.globals),
      options(record.options),
      mode(mode),
      interaction_(interaction) {}

std::optional<double> EntryCheck::Number(std::string_view field) const {
    return ReadAmount(fields.Text(field));
}

bool EntryCheck::Stop(std::string_view title, std::string_view field, std::string_view message) {
    result_ = {true, std::string(title), std::string(message), std::string(field)};
    interaction_.FocusField(result_.field);
    return false;
}

bool EntryCheck::Error(std::string_view field, std::string_view message, bool beep) {
    if (beep) {
        interaction_.Beep();
    }
    interaction_.Box(std::string(express_text::kEntryError), std::string(message), BoxButtons::Ok);
    return Stop(express_text::kEntryError, field, message);
}

bool EntryCheck::Warning(std::string_view field, std::string_view message) {
    int answer = interaction_.Box(std::string(express_text::kEntryWarning), std::string(message),
                                  BoxButtons::YesNo);
    if (answer != kAnswerYes) {
        return true;
    }
    return Stop(express_text::kEntryWarning, field, message);
}

int16_t ToCount(double value) {
    constexpr double kLow = std::numeric_limits<int16_t>::min();
    constexpr double kHigh = std::numeric_limits<int16_t>::max();
    return static_cast<int16_t>(std::clamp(std::nearbyint(value), kLow, kHigh));
}

}  // namespace tovaris
