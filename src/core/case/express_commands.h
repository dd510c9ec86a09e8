#pragma once

#include "case/express_read_in.h"

namespace tovaris {

// The first steps of the Express Entry "Child Support" button, up to the calculation: the
// read-in, the maintenance transfer, the question about the 2009 table, and the maintenance that
// feeds the child support calculation. A stop names the message that ended it.
ReadInResult ChildSupportReadIn(CaseRecord& record, Interaction& interaction);

// The first steps of the "Maintenance" button, up to the calculation: the tax treatment, the
// child support entry, both read-ins and, when the recommendation starts from a child support
// calculation, the maintenance transfer and the day care flag.
ReadInResult MaintenanceReadIn(CaseRecord& record, Interaction& interaction);

inline constexpr const char* kOldTableQuestion =
    "You Are Running A Child Support Calculation Using The Year 2009 Economic Table Which Has "
    "Been Replaced By The 2019 Table. If This Is Not Your Intention, Then Select The 2019 Table "
    "Option Under the Calculation Default Settings Menu From The Menu Line At The Top Of This "
    "Screen. Do You Want To Continue With This 2009 Support Calculation?";

}  // namespace tovaris
