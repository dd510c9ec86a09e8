#include <gtest/gtest.h>

#include <string_view>

#include "maintenance/case_comment.h"

namespace tovaris::maintenance {
namespace {

// Band edges from the comment table: 55 stays in the lower band, every other edge opens the
// upper one; below 25 the differential is compared with 70,000, from 25 to 50 with 30,000.
TEST(CaseCommentFor, BandEdges) {
    constexpr std::string_view kVeryWeak = " This Represents A Very Weak Claim For Maintenance.";
    constexpr std::string_view kArguable =
        " This Represents An Arguable Case For Maintenance,\r\n"
        " Due To The Parties' Income Differential.";
    constexpr std::string_view kModeratelyWeak =
        " This Is A Moderately Weak Maintenance Case,\r\n"
        " Barring Some Unusual Or Compelling Circumstance.";
    constexpr std::string_view kGood = " This Is A Good Case For Short Term Maintenance.";
    struct Case {
        double score;
        double diff;
        std::string_view comment;
    } const cases[] = {
        {1, 69999, kVeryWeak},
        {18.99, 70000, " This Is A Very Weak Case. Only Income Differential Is Compelling."},
        {19, 69999, kVeryWeak},
        {19, 70000, " This Is A Weak Case. Income Differential May Merit Some Consideration."},
        {24.99, 70000, " This Is A Weak Case. Income Differential May Merit Some Consideration."},
        {25, 30000, kArguable},
        {25, 29999, kModeratelyWeak},
        {41.99, 30000, kArguable},
        {42, 30000, " This Is A Fair Case For Short Term Maintenance."},
        {42, 29999, " This Is An Arguable/Possible Case For Short Term Maintenance."},
        {49.99, 0, " This Is An Arguable/Possible Case For Short Term Maintenance."},
        {50, -20000, kGood},
        {55, 0, kGood},
        {55.001, 0, " This Is A Very Good Case For Short Term Maintenance."},
        {60, 0,
         " This Is A Strong Case For Maintenance In Some Term Of Years.\r\n"
         " Long Term Maintenance Is Possible."},
        {73, 0,
         " This Represents A Very Strong Case For Long Term Maintenance.\r\n"
         " A Permanent Award Is Possible."},
        {78, 0,
         " This Is A Good Case For Permanent Maintenance.\r\n"
         " At A Minimum, A Long Term Award Is Justified."},
        {82.99, 0,
         " This Is A Good Case For Permanent Maintenance.\r\n"
         " At A Minimum, A Long Term Award Is Justified."},
        {83, 0, " Permanent Maintenance Is Justified."},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CaseCommentFor(c.score, c.diff), c.comment)
            << "score " << c.score << " differential " << c.diff;
    }
}

}  // namespace
}  // namespace tovaris::maintenance
