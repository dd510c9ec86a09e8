#include <benchmark/benchmark.h>

#include "case/case_record.h"
#include "case/income_refresh.h"
#include "support/child_support_calculation.h"

namespace {

// Three children shared between two earning parents, with day care, health care and a
// self-employed Other Party: the net-income phase and three support passes all have work.
tovaris::CaseRecord SharedThreeChildCase() {
    tovaris::CaseRecord record;
    tovaris::CaseGlobals& g = record.globals;
    g.CustodyType = "Shared";
    g.NumChildren = 3;
    g.NumMinors = 3;
    g.ClaimFilingStatus = "Head";
    g.PayerFilingStatus = "Single";
    g.ClaimGrossYearly = 64000;
    g.PayerGrossYearly = 98000;
    g.ClaimDepend17Count = 2;
    g.PayerDepend17Count = 1;
    g.DayCareClaim = 650;
    g.ClaimNumCare = 2;
    g.ClaimHealthCareMo = 180;
    g.PayerHealthCareMo = 220;
    g.ClaimStateTaxRate = 0.0f;
    record.fields.SetText("ClaimEarned", "64000");
    record.fields.SetText("PayerEarned", "58000");
    record.fields.SetText("PayerSelf", "40000");
    record.fields.SetText("NeedLimit", "$ 1,519");
    record.fields.SetText("ClaimDays", "182.5");
    record.fields.SetText("ClaimDays(0)", "146");
    record.fields.SetText("ClaimDays(1)", "182.5");
    record.fields.SetText("ClaimDays(2)", "219");
    record.options.sharedMethod = tovaris::SharedMethod::SumDays;
    tovaris::BringIncomeScreensToYearly(record);
    return record;
}

void BM_CalculateChildSupport(benchmark::State& state) {
    tovaris::CaseRecord record = SharedThreeChildCase();
    for (auto _ : state) {
        tovaris::CalculateChildSupport(record);
        benchmark::DoNotOptimize(record.results.support.ChildSupportTransfer);
    }
}
BENCHMARK(BM_CalculateChildSupport);

}  // namespace
