#pragma once

#include <array>
#include <string_view>

#include "case/case_fields.h"

namespace tovaris {

// The CustodyType codes, from the Claimant's side.
inline constexpr std::string_view kCustodyNoMinors = "NoMinors";
inline constexpr std::string_view kCustodyCust = "Cust";
inline constexpr std::string_view kCustodyNonCust = "NonCust";
inline constexpr std::string_view kCustodyShared = "Shared";
inline constexpr std::string_view kCustodySplit = "Split";

// The five custody options of the Express Entry screen and their codes.
struct CustodyChoice {
    std::string_view option;
    std::string_view code;
};

inline constexpr std::array<CustodyChoice, 5> kCustodyChoices = {{
    {"NoMinorOption", kCustodyNoMinors},
    {"CustodialOption", kCustodyCust},
    {"NonCustodialOption", kCustodyNonCust},
    {"SharedOption", kCustodyShared},
    {"SplitOption", kCustodySplit},
}};

// The code of the selected custody option; empty when none is selected.
inline std::string_view SelectedCustodyType(const CaseFields& fields) {
    for (const CustodyChoice& choice : kCustodyChoices) {
        if (fields.Selected(choice.option)) {
            return choice.code;
        }
    }
    return {};
}

}  // namespace tovaris
