#include "whatif/quiet_interaction.h"

#include "maintenance/maintenance_command.h"

namespace tovaris::whatif {

int QuietInteraction::Box(const std::string& title, const std::string& message,
                          BoxButtons buttons) {
    last_ = {true, title, message, ""};
    if (buttons == BoxButtons::Ok) {
        return kAnswerOk;
    }
    if (title == "Entry Warning") {
        return kAnswerNo;
    }
    if (title == kApplyDeviationTitle) {
        return applyDeviation_ ? kAnswerYes : kAnswerNo;
    }
    return kAnswerYes;  // the only other question: go on with the 2009 table
}

}  // namespace tovaris::whatif
