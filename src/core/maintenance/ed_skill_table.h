#pragma once

#include <span>
#include <string_view>

namespace tovaris::maintenance {

// The "Education/Skills Reference Table" window: two static tables from which the user picks
// the Claimant's education/skills score, and a note on how to use them.
struct EdSkillRow {
    std::string_view label;
    std::string_view score;
};

struct EdSkillTable {
    std::string_view heading;  // the first column's heading; the second is "Score"
    std::span<const EdSkillRow> rows;
};

inline constexpr std::string_view kEdSkillWindowTitle = "Education/Skills Reference Table";
inline constexpr std::string_view kEdSkillScoreHeading = "Score";

EdSkillTable EducationLevelTable();
EdSkillTable IncomePotentialTable();
std::string_view EdSkillNote();

}  // namespace tovaris::maintenance
