#include <gtest/gtest.h>

#include "case/parenting_time_table.h"

namespace tovaris {
namespace {

TEST(ParentingTimeTable, RowCaptionsByFamilySize) {
    using Labels = std::vector<std::string>;
    const std::pair<int, Labels> cases[] = {
        {0, {}},
        {1, {"Only Child"}},
        {3, {"Oldest Child", "Middle Child", "Youngest Child"}},
        {5,
         {"Oldest Child", "2nd Oldest Child", "Middle Child", "2nd Youngest Child",
          "Youngest Child"}},
        // More minors than rows: the first row stands for the oldest ones together.
        {7,
         {"Oldest Child(ren)", "2nd Oldest Child", "Middle Child", "2nd Youngest Child",
          "Youngest Child"}},
    };
    for (const auto& [children, labels] : cases) {
        EXPECT_EQ(ParentingRowLabels(children), labels) << children;
    }
}

}  // namespace
}  // namespace tovaris
