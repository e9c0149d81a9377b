// Rendering the longest reports to PDF (the ledger at its full 101 rows on
// three pages, a 31-day month summary) against the main window's start
// (construction and the show step on an empty program folder), so the
// figures read as a ratio.
#include "common/tempfolder.h"
#include "mainwindow/tform1.h"
#include "platform/report.h"
#include "records/clock.h"
#include "records/state.h"
#include "reports/reports.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

LedgerSnapshot FullLedger() {
    LedgerSnapshot ledger{2004,
                          4,
                          QStringLiteral("5.0"),
                          QStringLiteral("20日を超える"),
                          QStringLiteral("20.0"),
                          QStringLiteral("0.0"),
                          {}};
    for (int i = 1; i <= 100; ++i) {
        ledger.entries.push_back({QStringLiteral("%1 ").arg(i), QStringLiteral("2004/05/06"),
                                  QStringLiteral("木"), QStringLiteral("年休"),
                                  QStringLiteral("1.0"), QStringLiteral("24.0"),
                                  QStringLiteral("通院のため休暇")});
    }
    return ledger;
}

MonthSummarySnapshot FullMonth() {
    MonthSummarySnapshot month{QStringLiteral("2004"), QStringLiteral("8"), {}, {}};
    month.summary.assign(6, QStringList(9, QStringLiteral("123:45")));
    for (int d = 1; d <= 31; ++d) {
        month.days.push_back({QStringLiteral("8/%1 ").arg(d, 2, 10, QLatin1Char('0')),
                              QStringLiteral("月"), QStringLiteral("休日"), QStringLiteral("7:00"),
                              QStringLiteral("9:30"), QStringLiteral("1:30"),
                              QStringLiteral("0:30"), QStringLiteral("12,000"),
                              QStringLiteral("65.3"), QStringLiteral("通常勤務の日")});
    }
    return month;
}

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
