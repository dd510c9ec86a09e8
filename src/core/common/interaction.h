#pragma once

#include <optional>
#include <string>

namespace tovaris {

// The program's own message box: button sets and answers as the screens have always used them.
enum class BoxButtons { Ok = 0, YesNo = 4 };
enum BoxAnswer : int { kAnswerOk = 1, kAnswerYes = 6, kAnswerNo = 7 };

// Everything the engine needs from a person. The desktop program shows dialogs and moves the
// focus; the headless program and the tests answer from a script. The engine never shows
// anything itself.
class Interaction {
  public:
    virtual ~Interaction() = default;

    // Modal message box; returns kAnswerOk, kAnswerYes or kAnswerNo.
    virtual int Box(const std::string& title, const std::string& message, BoxButtons buttons) = 0;

    // The system's plain information box (a few notices use it instead of Box).
    virtual void Notice(const std::string& title, const std::string& message) = 0;

    // Input box with a proposed answer; nullopt when cancelled.
    virtual std::optional<std::string> Ask(const std::string& title, const std::string& prompt,
                                           const std::string& proposed) = 0;

    // Gives the keyboard focus back to a case field (named as in the case record).
    virtual void FocusField(const std::string& field) = 0;

    virtual void Beep() = 0;
};

}  // namespace tovaris
