#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <cstdlib>

#include "case/case_file.h"
#include "common/scripted_interaction.h"
#include "forms/worksheet_calculation.h"
#include "forms/worksheet_commands.h"
#include "forms/worksheet_transfer.h"
#include "page_painter.h"
#include "qt_text_metrics.h"
#include "reports/child_support_report.h"
#include "reports/worksheet_printouts.h"
#include "support/child_support_command.h"

namespace {

// Qt draws the pages; the offscreen platform needs no display.
void StartQt() {
    static int argc = 1;
    static char name[] = "tovaris_bench";
    static char* argv[] = {name, nullptr};
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static QGuiApplication application(argc, argv);
    tovaris::render::LoadReportFont();
}

// The largest example case, calculated as the child support button does.
tovaris::CaseRecord CalculatedCase() {
    tovaris::CaseRecord record;
    tovaris::OpenCaseFile(record, TOVARIS_SOURCE_DIR "/examples/SharedOvernights.QCF");
    tovaris::ScriptedInteraction interaction;
    tovaris::RunChildSupportCommand(record, interaction);
    return record;
}

using Composer = void (*)(tovaris::reports::Document&, const tovaris::CaseRecord&,
                          const tovaris::reports::ReportContext&);

// A document composed and written as PDF bytes in memory, again and again.
void ComposePdf(benchmark::State& state, const tovaris::CaseRecord& record, Composer compose) {
    StartQt();
    const tovaris::render::QtTextMetrics metrics;
    const tovaris::reports::ReportContext context{{"Pat Preparer", "Main Street", true, true, true},
                                                  "12/06/2026"};
    size_t pages = 0;
    for (auto _ : state) {
        tovaris::reports::Document document(metrics);
        compose(document, record, context);
        benchmark::DoNotOptimize(tovaris::render::PdfBytes(document));
        pages = document.pages().size();
    }
    state.counters["pages"] = double(pages);
}

// The results screen's report.
void BM_ChildSupportReportPdf(benchmark::State& state) {
    ComposePdf(state, CalculatedCase(), &tovaris::reports::ComposeChildSupportReport);
}
BENCHMARK(BM_ChildSupportReportPdf)->Unit(benchmark::kMillisecond);

// An example's worksheet filled from its Express Entry data, taxes estimated, calculated.
tovaris::CaseRecord CalculatedWorksheet() {
    tovaris::CaseRecord record;
    tovaris::OpenCaseFile(record, TOVARIS_SOURCE_DIR "/examples/Custodial.QCF");
    tovaris::ScriptedInteraction interaction;
    tovaris::forms::GetDataFromExpress(record, interaction);
    tovaris::forms::EstimateTaxes(record, interaction);
    tovaris::forms::CalculateWorksheet(record, interaction);
    return record;
}

// The five worksheet pages from their form layouts.
void BM_WorksheetPagesPdf(benchmark::State& state) {
    ComposePdf(state, CalculatedWorksheet(), &tovaris::reports::ComposeWorksheets);
}
BENCHMARK(BM_WorksheetPagesPdf)->Unit(benchmark::kMillisecond);

}  // namespace
