#pragma once

#include <string>
#include <string_view>

#include "case/case_globals.h"

namespace tovaris {

// The case global a text position of the case file stands for ("WorksheetFont.Name",
// "ClaimImputeStatus", ...); nullptr for a name that is no text global.
inline std::string* CaseFileGlobalText(CaseGlobals& g, std::string_view name) {
    struct Row {
        std::string_view name;
        std::string CaseGlobals::*member;
    };
    static constexpr Row kRows[] = {
        {"WorksheetFont.Name", &CaseGlobals::WorksheetFontName},
        {"ClaimImputeStatus", &CaseGlobals::ClaimImputeStatus},
        {"PayerImputeStatus", &CaseGlobals::PayerImputeStatus},
        {"ClaimImputeNote", &CaseGlobals::ClaimImputeNote},
        {"PayerImputeNote", &CaseGlobals::PayerImputeNote},
        {"ClaimImputeNoteWS", &CaseGlobals::ClaimImputeNoteWS},
        {"PayerImputeNoteWS", &CaseGlobals::PayerImputeNoteWS},
    };
    for (const Row& row : kRows) {
        if (row.name == name) {
            return &(g.*row.member);
        }
    }
    return nullptr;
}

inline const std::string* CaseFileGlobalText(const CaseGlobals& g, std::string_view name) {
    return CaseFileGlobalText(const_cast<CaseGlobals&>(g), name);
}

}  // namespace tovaris
