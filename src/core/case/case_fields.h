#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "case/field_schema.h"

namespace tovaris {

// The entry fields of the case exactly as the user left them: texts as typed, option
// selections, check box states. Screens show and edit these; calculations read them only
// through the read-in. Every access goes through the schema, so an unknown name throws.
class CaseFields {
  public:
    CaseFields();

    const std::string& Text(std::string_view name) const;
    void SetText(std::string_view name, std::string text);

    bool Selected(std::string_view option) const;
    // Selecting an option clears the others of its group; unselecting touches only this one.
    void Select(std::string_view option, bool selected = true);
    // Sets one option's state without touching its group (the case file writes every button).
    void SetSelectedState(std::string_view option, bool selected);

    int16_t Check(std::string_view box) const;
    void SetCheck(std::string_view box, int16_t state);
    bool Ticked(std::string_view box) const { return Check(box) == 1; }

    // Empties every field of one screen (empty text, not selected, clear).
    void EmptyScreen(Screen screen);

  private:
    struct Value {
        std::string text;
        bool selected = false;
        int16_t check = 0;
    };

    Value& At(std::string_view name, FieldKind kind);
    const Value& At(std::string_view name, FieldKind kind) const;

    std::vector<Value> values_;  // parallel to AllFields()
};

}  // namespace tovaris
