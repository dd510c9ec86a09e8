#include "cli_interaction.h"

namespace tovaris::cli {

int CliInteraction::AnswerFor(const std::string& title) const {
    if (title == "Entry Warning") {
        return answers_.stopAtWarnings ? kAnswerYes : kAnswerNo;
    }
    if (title == "Data Transfer Option") {
        return answers_.clearWorksheet ? kAnswerYes : kAnswerNo;
    }
    if (title == "Apply Deviation") {
        return answers_.applyDeviation ? kAnswerYes : kAnswerNo;
    }
    // The only Yes/No "Entry Error" is the question whether to go on with the 2009 table.
    return answers_.continueOldTable ? kAnswerYes : kAnswerNo;
}

void CliInteraction::Record(const std::string& title, const std::string& message,
                            const char* answer) {
    messages_.push_back({{"title", title}, {"message", message}, {"answer", answer}});
}

int CliInteraction::Box(const std::string& title, const std::string& message, BoxButtons buttons) {
    if (buttons == BoxButtons::Ok) {
        Record(title, message, "OK");
        return kAnswerOk;
    }
    int answer = AnswerFor(title);
    Record(title, message, answer == kAnswerYes ? "Yes" : "No");
    return answer;
}

ReadInResult CliInteraction::Stopped() const {
    const nlohmann::ordered_json& last = messages_.back();
    return {true, last["title"].get<std::string>(), last["message"].get<std::string>(), focused_};
}

void CliInteraction::Notice(const std::string& title, const std::string& message) {
    Record(title, message, "OK");
}

std::optional<std::string> CliInteraction::Ask(const std::string& title, const std::string& prompt,
                                               const std::string& proposed) {
    Record(title, prompt, "OK");
    return proposed;
}

}  // namespace tovaris::cli
