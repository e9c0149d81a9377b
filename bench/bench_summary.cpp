// Figures for the period-summary engine: each of the twelve months of 2004
// loaded and summarised as the summary windows do it, beside loading the two
// year slots that the main window loads at start and one month loaded on
// its own, as the month summary loads it.
#include "engine/periodsummary.h"
#include "filledyears.h"
#include "records/settings.h"
#include "unlike.h"

#include <benchmark/benchmark.h>

namespace {

[[maybe_unused]] const bool Unlike =
    UnlikeTheProgram("the engine alone, repeated in one process with the files in the page cache; "
                     "the program runs it once as a summary window opens");

void LoadBothSlots(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(LoadYearSlots(Files().Folder(), 2004));
    }
}
BENCHMARK(LoadBothSlots)->Unit(benchmark::kMicrosecond);

// With a lunch break and the late-night window, so every day runs every
// computation. The twelve months share one batch of year files, as the
// 12-month summary loads them.
void SummarizeTwelveMonths(benchmark::State& state) {
    Settings.Breaks[0] = "12:00";
    Settings.Breake[0] = "13:00";
    for (auto _ : state) {
        SummaryFiles files(Files().Folder());
        ClearRectotalTables();
        for (int month = 1; month <= 12; ++month) {
            int days = 0;
            LoadSummaryPeriod(files, SummaryClosingDayMonth, 2004, month, days);
            SummarizePeriodDays();
            benchmark::DoNotOptimize(PeriodTotals);
        }
    }
}
BENCHMARK(SummarizeTwelveMonths)->Unit(benchmark::kMicrosecond);

void LoadOneMonth(benchmark::State& state) {
    for (auto _ : state) {
        int days = 0;
        LoadSummaryPeriod(Files().Folder(), SummaryClosingDayMonth, 2004, 9, days);
        benchmark::DoNotOptimize(SummaryWork);
    }
}
BENCHMARK(LoadOneMonth)->Unit(benchmark::kMicrosecond);

// The computation alone over one loaded month.
void SummarizeOneLoadedMonth(benchmark::State& state) {
    int days = 0;
    LoadSummaryPeriod(Files().Folder(), SummaryClosingDayMonth, 2004, 9, days);
    for (auto _ : state) {
        SummarizePeriodDays();
        benchmark::DoNotOptimize(PeriodTotals);
    }
}
BENCHMARK(SummarizeOneLoadedMonth)->Unit(benchmark::kMicrosecond);

} // namespace
