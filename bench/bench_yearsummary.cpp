// Figures for opening the 12-month summary beside the main window's start,
// both over the same two filled years (2003 and 2004) and offscreen, each
// up to its first painted picture: the start is the main window built,
// shown (its show step loads the year slots and puts today's period into
// the grid) and painted; the opening is the summary window built, shown
// (its twelve months run through the engine and its grids filled) and
// painted.
#include "filledyears.h"
#include "records/clock.h"
#include "records/state.h"
#include "unlike.h"
#include "windows/main/mainwindow.h"
#include "windows/summaries/yearsummarywindow.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

[[maybe_unused]] const bool Unlike =
    UnlikeTheProgram("the windows made over and over in one process and painted offscreen; the "
                     "program opens the summary once, in a real window over its main window");

void UseFilledYears() {
    ProgramFolder = Files().Folder();
    SetClockForTest(LocalDateTime{2004, 9, 27, 8, 15, 0});
}

void MainWindowStart(benchmark::State& state) {
    UseFilledYears();
    for (auto _ : state) {
        TForm1 form;
        form.show();
        benchmark::DoNotOptimize(form.grab());
    }
}
BENCHMARK(MainWindowStart)->Unit(benchmark::kMillisecond);

void YearSummaryOpen(benchmark::State& state) {
    UseFilledYears();
    for (auto _ : state) {
        PeriodStartYear = 2004;
        PeriodStartMonth = 1;
        TForm6 form(nullptr);
        form.show();
        benchmark::DoNotOptimize(form.grab());
    }
}
BENCHMARK(YearSummaryOpen)->Unit(benchmark::kMillisecond);

// The engine for the twelve months and the fill alone, as every step of
// the start month runs it.
void YearSummaryRecompute(benchmark::State& state) {
    UseFilledYears();
    PeriodStartYear = 2003;
    PeriodStartMonth = 7;
    TForm6 form(nullptr);
    for (auto _ : state) {
        form.ComputePeriodSummary();
        benchmark::DoNotOptimize(MonthAverageTable);
    }
}
BENCHMARK(YearSummaryRecompute)->Unit(benchmark::kMillisecond);

} // namespace
