#pragma once

#include <nlohmann/json.hpp>
#include <optional>
#include <string>

#include "case/express_read_in.h"
#include "common/interaction.h"

namespace tovaris::cli {

// How the headless program answers the questions a command asks.
struct Answers {
    bool stopAtWarnings = false;   // --warnings stop: "Entry Warning" is answered "Yes"
    bool applyDeviation = false;   // --apply-deviation-answer
    bool continueOldTable = true;  // --old-table-answer
    bool clearWorksheet = false;   // --clear-worksheet-answer: "Data Transfer Option"
};

// Answers every message box from the command line's choices and records it, in order, with
// the answer given, for the `messages` part of the output.
class CliInteraction : public Interaction {
  public:
    explicit CliInteraction(const Answers& answers) : answers_(answers) {}

    int Box(const std::string& title, const std::string& message, BoxButtons buttons) override;
    void Notice(const std::string& title, const std::string& message) override;
    std::optional<std::string> Ask(const std::string& title, const std::string& prompt,
                                   const std::string& proposed) override;
    void FocusField(const std::string& field) override { focused_ = field; }
    void Beep() override {}

    const nlohmann::ordered_json& messages() const { return messages_; }

    // A command that ended at a message: that message and the field the focus went to.
    ReadInResult Stopped() const;

  private:
    int AnswerFor(const std::string& title) const;
    void Record(const std::string& title, const std::string& message, const char* answer);

    Answers answers_;
    nlohmann::ordered_json messages_ = nlohmann::ordered_json::array();
    std::string focused_;
};

}  // namespace tovaris::cli
