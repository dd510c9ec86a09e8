#pragma once

#include <span>
#include <string>
#include <string_view>

namespace tovaris {

// How a case field holds its value: typed text, an option button's selection, or a check box
// state (0 clear, 1 ticked, 2 greyed).
enum class FieldKind { Text, Option, Check };

// The screen a field belongs to; Clear and the case file work screen by screen.
enum class Screen {
    None,
    Global,
    Express,
    ClaimIncome,
    PayerIncome,
    Worksheet,
    ParentingTime,
    ClaimBusiness,
    PayerBusiness,
    FinancialDeclaration,
};

struct FieldSpec {
    std::string_view name;
    FieldKind kind;
    Screen screen;
    bool persisted;
};

// Every entry field of the case, by the name the screens, the case file and the tests use.
// Array elements are named with their index, "ChildText(2)"; the business screens' fields carry
// the screen, "ClaimBusiness.AWages(0)".
std::span<const FieldSpec> AllFields();

// The field's description; throws std::out_of_range naming the field when there is none, so a
// misspelt name fails loudly in a test rather than quietly in front of a user.
const FieldSpec& FindField(std::string_view name);

bool IsField(std::string_view name);

// Option buttons that exclude each other: selecting one clears the rest of its group.
std::span<const std::string_view> OptionGroupOf(std::string_view option);

}  // namespace tovaris
