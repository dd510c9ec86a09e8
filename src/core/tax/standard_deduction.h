#pragma once

#include <string_view>

namespace tovaris::tax {

// The 2023 standard deduction, with the addition for a filer of 65 or older.
float StandardDeduction(std::string_view filingStatus, bool age65OrOver);

// The deduction a return takes: the itemized amount when the standard deduction is less than
// it, else the standard deduction (equal amounts use the standard deduction).
float DeductionUsed(std::string_view filingStatus, bool age65OrOver, float itemizedDeductions);

}  // namespace tovaris::tax
