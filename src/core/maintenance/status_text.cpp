#include "maintenance/status_text.h"

#include <array>

#include "maintenance/tax_treatment.h"

namespace tovaris::maintenance {
namespace {

struct StatusRow {
    int16_t taxTreatment;
    bool awardOverride;
    std::string_view text;
};

// The lines without an override end in a blank.
constexpr std::array<StatusRow, 4> kStatusRows{{
    {kTaxedToPayee, false, "Calculation Shown Has Maintenance Taxed To Payee "},
    {kTaxedToPayee, true,
     "Calculation Shown Has Maintenance Taxed To Payee. The Suggested Maintenance Award Has "
     "Been Modified."},
    {kTaxedToPayer, false, "Calculation Shown Has Maintenance Taxed To Payer "},
    {kTaxedToPayer, true,
     "Calculation Shown Has Maintenance Taxed To Payer. The Suggested Maintenance Award Has "
     "Been Modified."},
}};

}  // namespace

std::string_view StatusLine(int16_t taxTreatment, bool awardOverride) {
    for (const StatusRow& row : kStatusRows) {
        if (row.taxTreatment == taxTreatment && row.awardOverride == awardOverride) {
            return row.text;
        }
    }
    return " ";
}

}  // namespace tovaris::maintenance
