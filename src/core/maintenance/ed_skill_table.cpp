#include "maintenance/ed_skill_table.h"

#include <array>

namespace tovaris::maintenance {
namespace {

constexpr std::array<EdSkillRow, 6> kEducationLevels{{
    {"PhD/Professional Degree", "(0-2)"},
    {"Master's Degree", "(2-5)"},
    {"College Degree", "(5-8)"},
    {"College Credits (at least 30, but no degree)", "(8-11)"},
    {"High School Diploma", "(11-13)"},
    {"No High School Diploma", "(13-15)"},
}};

constexpr std::array<EdSkillRow, 6> kIncomePotentials{{
    {"$0 - $20,000", "14-15"},
    {"$20,000 - $32,000", "11-13"},
    {"$32,000 - $45,000", "8-11"},
    {"$45,000 - $55,000", "6-8"},
    {"$55,000 - $84,000", "3-6"},
    {"$84,000 +", "0-2"},
}};

}  // namespace

EdSkillTable EducationLevelTable() {
    return {"Level of Education", kEducationLevels};
}

EdSkillTable IncomePotentialTable() {
    return {"Present Income Potential", kIncomePotentials};
}

std::string_view EdSkillNote() {
    return "The score is a continuum of how marketable the Claimant is in the short to mid "
           "run, given education and skills. Consider education equivalents, gross income "
           "potential and the Claimant's past history in the labor market when choosing it.";
}

}  // namespace tovaris::maintenance
