#include <benchmark/benchmark.h>

#include <string>

#include "case/case_file.h"
#include "case/case_record.h"
#include "common/scripted_interaction.h"
#include "maintenance/maintenance_command.h"

namespace {

// Two custodial children, day care and health care, maintenance feeding child support: the
// command runs the child support calculation, three tax estimates and child support again.
tovaris::CaseRecord CustodialCase() {
    tovaris::CaseRecord record;
    tovaris::OpenCaseFile(record, std::string(TOVARIS_SOURCE_DIR) + "/examples/Custodial.QCF");
    record.options.applyMaintToCS = true;
    record.options.maintTaxedTo = tovaris::MaintTaxedTo::Payee;
    return record;
}

void BM_MaintenanceCommand(benchmark::State& state) {
    // The command reads every entry afresh, so each run on the same case does the same work.
    tovaris::CaseRecord record = CustodialCase();
    tovaris::ScriptedInteraction interaction;
    for (auto _ : state) {
        tovaris::RunMaintenanceCommand(record, interaction);
        benchmark::DoNotOptimize(record.results.maintenance.SuggestedAward);
    }
}
BENCHMARK(BM_MaintenanceCommand);

}  // namespace
