#include "support/basic_obligation.h"

#include <algorithm>
#include <optional>

#include "support/economic_table.h"

namespace tovaris::support {

BasicObligationLookup LookupBasicObligation(int16_t childCount, float combinedNet,
                                            int16_t extrapolate, ExtrapolationMethod method) {
    BasicObligationLookup result;
    if (childCount <= 0) {
        return result;
    }
    const int column = EconomicTableColumn(childCount);
    const std::optional<float> aboveTable =
        extrapolate == 1 && combinedNet > kEconomicTableTopIncome
            ? ExtrapolatedPerChild(method, column, combinedNet)
            : std::nullopt;
    result.extrapolated = aboveTable.has_value();
    // Every child of the family gets the same amount: the table is per child, with no age bands.
    const float amount =
        aboveTable.value_or(EconomicTableEntry(EconomicTableRow(combinedNet), column));
    // A family larger than the list still pays for every child; the list holds the first ten.
    std::fill_n(result.perChild.begin(), std::min<int>(childCount, kPerChildPositions), amount);
    result.total = static_cast<float>(static_cast<double>(amount) * childCount);
    return result;
}

}  // namespace tovaris::support
