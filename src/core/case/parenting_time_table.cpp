#include "case/parenting_time_table.h"

#include "case/express_party.h"
#include "case/time_share.h"
#include "common/entry_text.h"

namespace tovaris {

namespace {

// Captions by family size, oldest first.
const std::vector<std::vector<std::string>> kRowLabels = {
    {"Only Child"},
    {"Oldest Child", "Youngest Child"},
    {"Oldest Child", "Middle Child", "Youngest Child"},
    {"Oldest Child", "2nd Oldest Child", "2nd Youngest Child", "Youngest Child"},
    {"Oldest Child", "2nd Oldest Child", "Middle Child", "2nd Youngest Child", "Youngest Child"},
};

}  // namespace

float ClaimNightsOfChild(const CaseFields& fields, int row) {
    std::optional<double> nights = ReadAmount(fields.Text(ElementName("ClaimDays", row)));
    if (!nights) {
        nights = ReadAmount(fields.Text("ClaimDays"));
    }
    return static_cast<float>(nights.value_or(0));
}

std::vector<float> ClaimNightsOldestFirst(const CaseFields& fields, int children) {
    std::vector<float> nights;
    for (int row = 0; row < children && row < kParentingRows; ++row) {
        nights.push_back(ClaimNightsOfChild(fields, row));
    }
    return nights;
}

std::vector<std::string> ParentingRowLabels(int children) {
    if (children < 1) {
        return {};
    }
    std::vector<std::string> labels = kRowLabels[std::min<int>(children, kRowLabels.size()) - 1];
    if (children > static_cast<int>(kRowLabels.size())) {
        labels.front() = "Oldest Child(ren)";  // the first row stands for the children left over
    }
    return labels;
}

std::string FamilySizeCaption(int k, int minors) {
    if (k == 1) {
        return "1 Child";
    }
    return k == kParentingRowsShown && minors > kParentingRowsShown
               ? "5 or More Children"
               : std::to_string(k) + " Children";
}

void RestoreParentingRows(CaseRecord& record) {
    for (int row = 0; row < kParentingRows; ++row) {
        RestoreTimeShareRow(record.fields, row);
    }
}

}  // namespace tovaris
