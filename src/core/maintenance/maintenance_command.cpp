#include "maintenance/maintenance_command.h"

#include "case/express_commands.h"
#include "maintenance/recommend_maintenance.h"
#include "support/child_support_calculation.h"
#include "support/child_support_command.h"
#include "tax/net_income_phase.h"

namespace tovaris {
namespace {

bool HasOtherChildren(const CaseFields& fields) {
    return fields.Ticked("ClaimSecFamCheck") || fields.Ticked("PayerSecFamCheck");
}

// The child support the recommendation starts from, when maintenance feeds child support.
void PrepareChildSupport(CaseRecord& record, Interaction& interaction) {
    if (!record.options.applyMaintToCS || record.globals.NumMinors <= 0) {
        return;
    }
    if (HasOtherChildren(record.fields)) {
        const int answer =
            interaction.Box(kApplyDeviationTitle, kApplyDeviationQuestion, BoxButtons::YesNo);
        record.results.support.DeviationApplied = answer == kAnswerYes ? 1 : 0;
    }
    CalculateStartingChildSupport(record);
}

}  // namespace

ReadInResult RunMaintenanceCommand(CaseRecord& record, Interaction& interaction,
                                   const std::function<void()>& afterReadIn) {
    return CalculateAfterReadIn(record, interaction, MaintenanceReadIn(record, interaction),
                                afterReadIn, [&] {
                                    PrepareChildSupport(record, interaction);
                                    ComputeCaseScore(record);
                                    RecommendMaintenance(record);
                                });
}

void CalculateStartingChildSupport(CaseRecord& record) {
    if (!record.options.applyMaintToCS || record.globals.NumMinors <= 0) {
        return;
    }
    record.globals.MaintForChildSupport = 0;
    CalculateChildSupport(record);
}

}  // namespace tovaris
