#pragma once

#include <span>
#include <string_view>

#include "case/field_schema.h"

namespace tovaris {

// How one case file position is written.
enum class FileSlot {
    Text,          // "value" (no escaping)
    Boolean,       // #TRUE# / #FALSE# (option buttons)
    Integer,       // check box state
    Number,        // plain decimal number
    Empty,         // reserved: nothing between the commas
    ReservedText,  // reserved: always ""
};

// A position's field; with Screen::Global the name is a case global ("WorksheetFont.Name",
// "ClaimImputeStatus", ...) that the case file reads and writes itself.
struct FileSlotSpec {
    FileSlot kind;
    Screen screen;
    std::string_view name;
};

constexpr int kCaseFileFieldCount = 601;

// The positions of a case file in order (position 1 is element 0).
std::span<const FileSlotSpec> CaseFileLayout();

}  // namespace tovaris
