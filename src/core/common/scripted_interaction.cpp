#include "common/scripted_interaction.h"

namespace tovaris {

int ScriptedInteraction::Box(const std::string& title, const std::string& message,
                             BoxButtons buttons) {
    messages_.push_back({"box", title, message});
    if (buttons == BoxButtons::Ok) {
        return kAnswerOk;
    }
    if (answers_.empty()) {
        return defaultAnswer_;
    }
    int answer = answers_.front();
    answers_.pop_front();
    return answer;
}

void ScriptedInteraction::Notice(const std::string& title, const std::string& message) {
    messages_.push_back({"notice", title, message});
}

std::optional<std::string> ScriptedInteraction::Ask(const std::string& title,
                                                    const std::string& prompt,
                                                    const std::string& proposed) {
    messages_.push_back({"ask", title, prompt});
    if (inputs_.empty()) {
        return proposed;
    }
    std::optional<std::string> input = inputs_.front();
    inputs_.pop_front();
    return input;
}

}  // namespace tovaris
