#include <benchmark/benchmark.h>

#include "common/format.h"

namespace {

void BM_FormatMoney(benchmark::State& state) {
    double value = 1234567.891;
    for (auto _ : state) {
        benchmark::DoNotOptimize(tovaris::Format(value, "$##,###,##0"));
    }
}
BENCHMARK(BM_FormatMoney);

}  // namespace
