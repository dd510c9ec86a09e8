#pragma once

#include <string>
#include <vector>

namespace tovaris {

// One line of a results display as the screens and reports show it: a label and, for figure
// lines, the value formatted for its column. A line without a value (a heading, a note, a rule)
// leaves it empty.
struct DisplayRow {
    std::string label;
    std::string value;

    bool operator==(const DisplayRow&) const = default;
};

using DisplayRows = std::vector<DisplayRow>;

}  // namespace tovaris
