#pragma once

#include <span>
#include <string>
#include <string_view>

#include "forms/form_layout.h"

namespace tovaris {
class CaseFields;
}

namespace tovaris::forms {

inline constexpr int kDeclarationPages = 5;

// The five pages of the court form "Financial Declaration" as form layouts, built once per
// print size (9 or 10 points) from the declaration's field table: each field stands in a slot
// named by its stem, a long text in the slots "<stem>#0", "<stem>#1", ...; the declarant's role
// in the check slots "=petitioner" and "=respondent".
std::span<const FormPage> DeclarationFormPages(int printSize);

// The value of every slot for the declaration as it stands.
std::string DeclarationFormValue(const CaseFields& fields, std::string_view key);

}  // namespace tovaris::forms
