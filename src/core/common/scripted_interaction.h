#pragma once

#include <deque>
#include <string>
#include <vector>

#include "common/interaction.h"

namespace tovaris {

// An Interaction that records what the engine said and answers from a queue: used by the
// headless program and the tests. Questions with no queued answer get the default answer.
class ScriptedInteraction : public Interaction {
  public:
    struct Message {
        std::string kind;  // "box", "notice", "ask"
        std::string title;
        std::string text;
    };

    explicit ScriptedInteraction(int defaultAnswer = kAnswerNo) : defaultAnswer_(defaultAnswer) {}

    void QueueAnswer(int answer) { answers_.push_back(answer); }
    void QueueInput(std::optional<std::string> input) { inputs_.push_back(std::move(input)); }

    int Box(const std::string& title, const std::string& message, BoxButtons buttons) override;
    void Notice(const std::string& title, const std::string& message) override;
    std::optional<std::string> Ask(const std::string& title, const std::string& prompt,
                                   const std::string& proposed) override;
    void FocusField(const std::string& field) override { focused_.push_back(field); }
    void Beep() override { ++beeps_; }

    const std::vector<Message>& messages() const { return messages_; }
    const std::vector<std::string>& focused() const { return focused_; }
    int beeps() const { return beeps_; }

  private:
    int defaultAnswer_;
    std::deque<int> answers_;
    std::deque<std::optional<std::string>> inputs_;
    std::vector<Message> messages_;
    std::vector<std::string> focused_;
    int beeps_ = 0;
};

}  // namespace tovaris
