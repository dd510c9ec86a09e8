#include "tax/calculation_error.h"

#include "tax/net_income_phase.h"

namespace tovaris {

bool RunReportingOverflow(Interaction& interaction, const std::function<void()>& calculation) {
    try {
        calculation();
    } catch (const tax::ArithmeticError&) {
        interaction.Box(kCalculationErrorTitle, kCalculationErrorMessage, BoxButtons::Ok);
        return false;
    }
    return true;
}

}  // namespace tovaris
