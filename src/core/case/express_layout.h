#pragma once

#include <array>
#include <string_view>

#include "case/case_fields.h"

namespace tovaris {

// What the Express Entry screen shows and lets the user edit, as its entries call for. The
// screen applies it after every handler below and after a case is opened or cleared.
struct ExpressLayout {
    // The one possession frame: its caption and content follow the custody type.
    bool possessionFrameVisible = false;
    std::string_view possessionFrameCaption;
    bool timeShareFieldsVisible = false;  // PercentOfTimeValue, ClaimDays, PayerPerCent, PayerDays
    bool splitFieldsVisible = false;      // both split counts and the ClaimChild/OtherChild pairs

    // Day care, health care, special expenses, qualified children, the ChildSupport result and
    // the worksheet column options.
    bool childrenFieldsVisible = true;

    bool caregiverFrameVisible = true;
    bool caregiverFrameEnabled = true;

    bool minorsEnabled = true;  // MinChild and its label
    bool agesEnabled = true;    // Child(0) to Child(4)
    bool noMinorOptionEnabled = true;
    bool otherCustodyOptionsEnabled = true;  // the four custody options besides NoMinorOption
};

ExpressLayout LayoutExpress(const CaseFields& fields);

// Whether a count entry reads as 0. An empty entry is not yet entered, not 0: it neither
// enables nor disables anything.
bool IsZeroEntry(const CaseFields& fields, std::string_view field);

// The caregiver characterization matters only where there were children: the frame is off when
// no children were born and the case has no minors.
bool CaregiverFrameEnabled(const CaseFields& fields);

// The age fields Child(0) to Child(4).
inline constexpr int kChildAgeFields = 5;

inline constexpr std::array<std::string_view, 3> kCaregiverOptions = {"CharOption1", "CharOption2",
                                                                      "CharOption3"};

// The fields that concern minor children and are emptied with "No Minor Children".
inline constexpr std::array<std::string_view, 9> kChildrenFields = {
    "ClaimDayCare", "OtherDayCare", "ClaimHealthCare", "OtherHealthCare", "ClaimSpecial",
    "OtherSpecial", "ClaimNumCare", "OtherNumCare",    "ChildSupport"};

}  // namespace tovaris
