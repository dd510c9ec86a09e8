#include <gtest/gtest.h>

#include "maintenance/term_sentences.h"

namespace tovaris::maintenance {
namespace {

// One case per row of the term table, plus the score and years edges; years x factor is
// worked by hand and printed "#0.0".
TEST(TermSentences, TableRows) {
    struct Case {
        float score;
        float years;
        double award;
        const char* line1;
        const char* line2;
    } const cases[] = {
        {83, 30, 1000, " Maintenance Should Not Be Limited By Any Term Of Years.", ""},
        {82.99f, 22, 1000, " Permanent Maintenance Is Advised.",
         " A Term, If Chosen, Should Run For 11.0 Years."},
        {78, 21.9f, 1000, " Permanent Maintenance Should Be Considered.",
         " Long Term Maintenance Should Run For 10.5 Years"},
        {73, 25, 1000, " Permanent Maintenance Could Be Considered.",
         " Maintenance Should Continue For 11.5 Years."},
        {77, 16, 1000, " Maintenance Should Continue For 7.2 Years.", ""},
        {77, 13, 1000, " Maintenance Should Continue For 6 Years.", ""},
        {66, 20, 1000, " Maintenance Should Run For A Period Of 7.9 Years.", ""},
        {60, 17.8f, 1000, " Maintenance Should Run For A period Between 6 And 6.2 Years.", ""},
        {65, 17.7f, 1000, " Maintenance Should Run For A Period Between 5.8 And 5 Years.", ""},
        {50, 10, 1000, " Maintenance Should Run For 3.0 To 5 Years.", ""},
        {59, 20, 1000, " Maintenance Should Run For 5 To 6.4 Years.", ""},
        {18, 30, 0, " Barring Unusual Circumstances, This Case Does Not Justify An Award", ""},
        {49.99f, 30, 0, " Barring Unusual Circumstances, This Case Does Not Justify An Award", ""},
        {50, 30, 0, " While This Case Has Maintenance Aspects, No Award Is Suggested.",
         " A Greater Income Differential Would Justify An Award."},
        {25, 5, 1000, " Maintenance Should Run For 1.5 Years.",
         " Assuming An Award, The Maximum Duration Is 3 Years."},
        {49, 10, 1000, " Three Years Of Maintenance Should Be Awarded.", ""},
        {49, 14, 1000, " Three Years Of Maintenance Should Be Awarded.", ""},
        {49, 14.1f, 1000, " Maintenance Should Run From 3 To 5 Years.", ""},
        {19, 5, 1000, " If Maintenance Is Awarded, Maintenance Should Run For 1.5 Years.",
         " Assuming An Award, A Period No Longer Than 3 Years is Suggested."},
        {24, 12, 1000, " If Maintenance is Awarded, A Maximum Duration Of 3 Years Is Suggested.",
         ""},
        {24, 20, 1000,
         " If Maintenance is Awarded, A Maximum Duration Of 3 To 5 Years Is Suggested.", ""},
        {18.99f, 5, 1000, " No Maintenance Is Recommended.",
         " But If Awarded, Maintenance Should Run For 1.5 Years."},
        {10, 12, 1000, " No Maintenance Is Recommended.",
         " But If Awarded, A Maximum Duration Of 3 Years Is Suggested."},
        {1, 20, 1000, " No Maintenance Is Recommended.",
         " But If Awarded, A Maximum Duration Of 3 To 5 Years Is Suggested."},
    };
    for (const Case& c : cases) {
        const TermLines t = TermSentences(c.score, c.years, c.award);
        EXPECT_EQ(t.TermLine1, c.line1)
            << "score " << c.score << " years " << c.years << " award " << c.award;
        EXPECT_EQ(t.TermLine2, c.line2)
            << "score " << c.score << " years " << c.years << " award " << c.award;
    }
}

}  // namespace
}  // namespace tovaris::maintenance
