// Figures for the yearly data files: loading and saving both year slots,
// loading twelve monthly periods for the summaries, and, for comparison,
// reading the same bytes without parsing them (LoadBothSlots against
// ReadEveryLoadedFileRaw is the load's cost over its reads). Every pass
// reads every file from the disk cache, as the program's first load does;
// what the first load pays once more (loading the C library's CP932
// converter and a cold disk cache) is named in each figure's label.
#include "filledyears.h"
#include "records/dates.h"
#include "records/dayfile.h"
#include "records/fileio.h"
#include "records/holidays.h"
#include "records/state.h"
#include "records/vacation.h"
#include "records/yearslots.h"

#include <benchmark/benchmark.h>

namespace {

// How a pass differs from the program's first load of both slots.
constexpr const char* FirstLoadDifference =
    "each file read anew per pass; without the first run's converter loading and cold disk";

std::int64_t FileSize(const char* name) {
    return static_cast<std::int64_t>(std::filesystem::file_size(Files().Folder() / name));
}

void LoadBothSlots(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(LoadYearSlots(Files().Folder(), 2004));
    }
    state.SetLabel(FirstLoadDifference);
    state.SetBytesProcessed(state.iterations() * (FileSize("2003.dat") + FileSize("2004.dat")));
}
BENCHMARK(LoadBothSlots);

void LoadAndSaveBothSlots(benchmark::State& state) {
    for (auto _ : state) {
        LoadYearSlots(Files().Folder(), 2004);
        benchmark::DoNotOptimize(SaveDayFile(Files().Folder(), 1, 2003));
        benchmark::DoNotOptimize(SaveDayFile(Files().Folder(), 2, 2004));
    }
}
BENCHMARK(LoadAndSaveBothSlots)->Unit(benchmark::kMillisecond);

// Every file the load of both slots reads (holiday, day and paid-leave file
// of each year), read whole without parsing.
std::vector<std::filesystem::path> FilesTheLoadReads() {
    std::vector<std::filesystem::path> paths;
    for (int year : {2003, 2004}) {
        for (const std::string& name :
             {HolidayFileName(year), DayFileName(year), VacationFileName(year)}) {
            paths.push_back(Files().Folder() / name);
        }
    }
    return paths;
}

void ReadEveryLoadedFileRaw(benchmark::State& state) {
    const std::vector<std::filesystem::path> paths = FilesTheLoadReads();
    for (auto _ : state) {
        for (const std::filesystem::path& path : paths) {
            benchmark::DoNotOptimize(ReadWholeFile(path));
        }
    }
    state.SetLabel(FirstLoadDifference);
    std::int64_t bytes = 0;
    for (const std::filesystem::path& path : paths) {
        std::error_code missing;
        const std::uintmax_t size = std::filesystem::file_size(path, missing);
        bytes += missing ? 0 : static_cast<std::int64_t>(size);
    }
    state.SetBytesProcessed(state.iterations() * bytes);
}
BENCHMARK(ReadEveryLoadedFileRaw);

// Writing the same bytes raw, through the same temporary file, flush and
// rename as every save.
void WriteBothFilesRaw(benchmark::State& state) {
    std::string y2003 = ReadWholeFile(Files().Folder() / "2003.dat").bytes;
    std::string y2004 = ReadWholeFile(Files().Folder() / "2004.dat").bytes;
    for (auto _ : state) {
        benchmark::DoNotOptimize(WriteFileAtomically(Files().Folder() / "2003.dat", y2003));
        benchmark::DoNotOptimize(WriteFileAtomically(Files().Folder() / "2004.dat", y2004));
    }
}
BENCHMARK(WriteBothFilesRaw)->Unit(benchmark::kMillisecond);

// The twelve calendar months of 2004 as the summaries load them: the day
// before the month first (31 December 2003 for January), then the month.
void LoadPeriodDaysTwelveMonths(benchmark::State& state) {
    for (auto _ : state) {
        for (int month = 1; month <= 12; ++month) {
            int first = DayOfYear({2004, month, 1});
            int last = first + DaysInMonth(2004, month) - 1;
            int count = -1;
            if (month == 1) {
                LoadPeriodDays(Files().Folder(), 2003, 365, 365, count);
                LoadPeriodDays(Files().Folder(), 2004, first, last, count);
            } else {
                LoadPeriodDays(Files().Folder(), 2004, first - 1, last, count);
            }
            benchmark::DoNotOptimize(count);
        }
    }
}
BENCHMARK(LoadPeriodDaysTwelveMonths);

// The same thirteen file reads without parsing.
void ReadTwelveMonthsRaw(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(ReadWholeFile(Files().Folder() / "2003.dat"));
        for (int month = 1; month <= 12; ++month) {
            benchmark::DoNotOptimize(ReadWholeFile(Files().Folder() / "2004.dat"));
        }
    }
}
BENCHMARK(ReadTwelveMonthsRaw);

} // namespace
