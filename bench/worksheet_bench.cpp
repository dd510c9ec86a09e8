#include <benchmark/benchmark.h>

#include <string>

#include "case/case_file.h"
#include "case/case_record.h"
#include "common/scripted_interaction.h"
#include "forms/worksheet_calculation.h"
#include "forms/worksheet_transfer.h"

namespace {

// The Custodial example's worksheet filled from the Express screen: every line has a figure.
tovaris::CaseRecord FilledWorksheet() {
    tovaris::CaseRecord record;
    tovaris::OpenCaseFile(record, std::string(TOVARIS_SOURCE_DIR) + "/examples/Custodial.QCF");
    tovaris::ScriptedInteraction interaction(tovaris::kAnswerNo);
    tovaris::forms::GetDataFromExpress(record, interaction);
    return record;
}

// "Calculate Worksheet" runs after every edit the user recalculates.
void BM_CalculateWorksheet(benchmark::State& state) {
    tovaris::CaseRecord record = FilledWorksheet();
    tovaris::ScriptedInteraction interaction;
    for (auto _ : state) {
        benchmark::DoNotOptimize(tovaris::forms::CalculateWorksheet(record, interaction));
    }
}
BENCHMARK(BM_CalculateWorksheet);

}  // namespace
