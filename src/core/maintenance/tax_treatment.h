#pragma once

#include <cstdint>

namespace tovaris::maintenance {

// TaxTreatment codes of the case record.
inline constexpr int16_t kTaxedToPayee = 0;  // "Maint Taxable to Payee"
inline constexpr int16_t kTaxedToPayer = 2;  // "Maint Taxable to Payer"
// Between the two passes of a taxed-to-payer run only.
inline constexpr int16_t kBetweenPayerPasses = 3;

}  // namespace tovaris::maintenance
