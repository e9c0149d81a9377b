// Rendering the longest reports to PDF (the ledger at its full 101 rows on
// three pages, a 31-day month summary) against the main window's start
// (construction and the show step on an empty program folder), so the
// figures read as a ratio.
#include "platform/report.h"
#include "records/clock.h"
#include "records/state.h"
#include "tests/common/reportsnapshots.h"
#include "tests/common/tempfolder.h"
#include "unlike.h"
#include "windows/main/mainwindow.h"
#include "windows/reports/reports.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

[[maybe_unused]] const bool Unlike = UnlikeTheProgram(
    "PDFs painted over and over in one process, and the main window made by the benchmark without "
    "the program's start-up; the program paints a report once, from its preview");

void BM_MainWindowStart(benchmark::State& state) {
    TempFolder folder;
    for (auto _ : state) {
        ResetProgramState();
        ProgramFolder = folder.Path();
        SetClockForTest(LocalDateTime{2004, 9, 27, 8, 0, 0});
        TForm1 form;
        form.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(form.P1->isEnabled());
    }
    SetClockForTest(std::nullopt);
}
BENCHMARK(BM_MainWindowStart)->Unit(benchmark::kMillisecond);

void BM_LedgerReportPdf(benchmark::State& state) {
    const LedgerSnapshot ledger = FullLedger();
    for (auto _ : state) {
        benchmark::DoNotOptimize(RenderReportPdf(TFrmpyuk::Layout(ledger)).size());
    }
}
BENCHMARK(BM_LedgerReportPdf)->Unit(benchmark::kMillisecond);

void BM_MonthSummaryReportPdf(benchmark::State& state) {
    const MonthSummarySnapshot month = FullMonth();
    for (auto _ : state) {
        benchmark::DoNotOptimize(RenderReportPdf(TFrmPrn1::Layout(month)).size());
    }
}
BENCHMARK(BM_MonthSummaryReportPdf)->Unit(benchmark::kMillisecond);

} // namespace
