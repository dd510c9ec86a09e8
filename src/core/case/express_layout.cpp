#include "case/express_layout.h"

#include <optional>

#include "case/custody_type.h"
#include "case/express_messages.h"
#include "common/entry_text.h"

namespace tovaris {
namespace {

using namespace express_text;

void LayoutPossession(std::string_view custody, ExpressLayout& layout) {
    layout.possessionFrameCaption = kPossessionCaption;
    if (custody == kCustodyShared) {
        layout.possessionFrameCaption = kSharedCaption;
        layout.timeShareFieldsVisible = true;
    } else if (custody == kCustodySplit) {
        layout.possessionFrameCaption = kSplitCaption;
        layout.splitFieldsVisible = true;
    }
    layout.possessionFrameVisible = layout.timeShareFieldsVisible || layout.splitFieldsVisible;
}

}  // namespace

bool IsZeroEntry(const CaseFields& fields, std::string_view field) {
    std::optional<double> count = ReadAmount(fields.Text(field));
    return count && *count == 0;
}

bool CaregiverFrameEnabled(const CaseFields& fields) {
    return !(fields.Selected("NoMinorOption") && IsZeroEntry(fields, "NumChild"));
}

ExpressLayout LayoutExpress(const CaseFields& fields) {
    ExpressLayout layout;
    std::string_view custody = SelectedCustodyType(fields);
    LayoutPossession(custody, layout);
    layout.childrenFieldsVisible = custody != kCustodyNoMinors;
    layout.caregiverFrameEnabled = CaregiverFrameEnabled(fields);
    layout.caregiverFrameVisible = layout.caregiverFrameEnabled;

    std::optional<double> minors = ReadAmount(fields.Text("MinChild"));
    bool noMinors = minors && *minors == 0;
    layout.minorsEnabled = !IsZeroEntry(fields, "NumChild");
    layout.agesEnabled = layout.minorsEnabled && !noMinors;
    layout.otherCustodyOptionsEnabled = !noMinors;
    layout.noMinorOptionEnabled = !minors || noMinors;
    return layout;
}

}  // namespace tovaris
