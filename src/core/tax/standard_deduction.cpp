#include "tax/standard_deduction.h"

#include "tax/federal_tables.h"

namespace tovaris::tax {

float StandardDeduction(std::string_view filingStatus, bool age65OrOver) {
    const FederalStatusTable& table = FederalTableFor(filingStatus);
    const double addition = age65OrOver ? table.age65Addition : 0.0;
    return static_cast<float>(table.standardDeduction + addition);
}

float DeductionUsed(std::string_view filingStatus, bool age65OrOver, float itemizedDeductions) {
    const float standard = StandardDeduction(filingStatus, age65OrOver);
    return standard < itemizedDeductions ? itemizedDeductions : standard;
}

}  // namespace tovaris::tax
