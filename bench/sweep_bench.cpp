#include <benchmark/benchmark.h>

#include <filesystem>

#include "case/case_file.h"
#include "whatif/sweep.h"

namespace {

// The chart's default: 500 points of the Other Party's income, each a full child support
// command, with the thresholds narrowed down.
void BM_Sweep500Points(benchmark::State& state) {
    tovaris::CaseRecord record;
    tovaris::OpenCaseFile(record,
                          std::filesystem::path(TOVARIS_SOURCE_DIR) / "examples/Custodial.QCF");
    record.results.support.LimitsApplied = 1;
    const tovaris::whatif::SweepRequest request{tovaris::whatif::SweepInput::OtherIncome, 0, 20000,
                                                500};
    for (auto _ : state) {
        tovaris::whatif::Sweep sweep = tovaris::whatif::RunSweep(record, request);
        benchmark::DoNotOptimize(sweep.points.back().transfer);
    }
}
BENCHMARK(BM_Sweep500Points)->Unit(benchmark::kMillisecond);

}  // namespace
