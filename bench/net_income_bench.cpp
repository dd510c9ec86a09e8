#include <benchmark/benchmark.h>

#include "case/case_record.h"
#include "case/income_refresh.h"
#include "tax/net_income_phase.h"

namespace {

// A joint filer with a new spouse, children and maintenance against a self-employed payer:
// every step of the phase has work to do.
tovaris::CaseRecord RealisticCase() {
    tovaris::CaseRecord record;
    tovaris::CaseGlobals& g = record.globals;
    g.ClaimFilingStatus = "MFJ";
    g.PayerFilingStatus = "Single";
    g.CustodyType = "Cust";
    g.ClaimGrossYearly = 58000;
    g.PayerGrossYearly = 112000;
    g.DayCareClaim = 850;
    g.ClaimNumCare = 2;
    g.ClaimDepend17Count = 2;
    g.ClaimStateTaxRate = 0.03f;
    record.fields.SetText("ClaimEarned", "58000");
    record.fields.SetText("ClaimEarned1", "41000");
    record.fields.SetText("PayerEarned", "62000");
    record.fields.SetText("PayerSelf", "50000");
    record.fields.SetText("PayerLT", "4000");
    record.results.tax.MonthlyMaintenance = 900;
    tovaris::BringIncomeScreensToYearly(record);
    return record;
}

void BM_NetIncomePhase(benchmark::State& state) {
    tovaris::CaseRecord record = RealisticCase();
    for (auto _ : state) {
        tovaris::RunNetIncomePhase(record);
        benchmark::DoNotOptimize(record.results.tax.Claim.NetMonthly);
    }
}
BENCHMARK(BM_NetIncomePhase);

}  // namespace
