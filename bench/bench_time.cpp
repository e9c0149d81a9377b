// Figures for the time texts: normalising what users type, and the worked,
// late-night and regular-hours times of a whole year of days.

#include "records/timetext.h"
#include "records/worktime.h"
#include "unlike.h"

#include <array>
#include <benchmark/benchmark.h>
#include <string>
#include <vector>

namespace {

[[maybe_unused]] const bool Unlike =
    UnlikeTheProgram("the functions alone, called over and over in one warm process; the program "
                     "calls them once for a typed cell or a shown day");

constexpr int TypedCount = 1'000'000;

// A mix of what is typed into time cells: good shapes, odd shapes, refusals.
const std::array<const char*, 16> TypedMix = {
    "830",  "8:30",  "17:45", "1730", "8",   ":5",     "7,5", "12:",
    "9999", "12:34", "0:90",  "1.30", "abc", "123456", "",    "2400",
};

void NormalizeOneMillionTypedTimes(benchmark::State& state) {
    for (auto _ : state) {
        std::size_t length = 0;
        for (int i = 0; i < TypedCount; ++i) {
            length += NormalizeTimeText(TypedMix[i % TypedMix.size()]).size();
        }
        benchmark::DoNotOptimize(length);
    }
    state.SetItemsProcessed(state.iterations() * TypedCount);
}
BENCHMARK(NormalizeOneMillionTypedTimes)->Unit(benchmark::kMillisecond);

struct Day {
    std::string arrival;
    std::string leaving;
};

// 365 days: office days, late evenings, night shifts over midnight and the
// odd day of more than 24 hours.
std::vector<Day> AYearOfDays() {
    std::vector<Day> days;
    for (int d = 0; d < 365; ++d) {
        const int arrival = 7 * 60 + (d * 7) % 120;
        int leaving = 17 * 60 + (d * 13) % 300;
        if (d % 10 == 3) {
            leaving = 6 * 60 + d % 45; // night shift, ends the next morning
        } else if (d % 50 == 7) {
            leaving = 34 * 60; // through the night and the next day
        }
        days.push_back({MinutesToTime(arrival), MinutesToTime(leaving)});
    }
    return days;
}

void WorkedTimesOfAYear(benchmark::State& state) {
    const std::vector<Day> year = AYearOfDays();
    const BreakTimes breakStarts{"12:00", "15:00", "19:00", "", ""};
    const BreakTimes breakEnds{"13:00", "15:15", "19:30", "", ""};
    const OrderedSpan night = OrderSpan("22:00", "5:00");
    const OrderedSpan office = OrderSpan("8:00", "17:00");
    for (auto _ : state) {
        std::int64_t total = 0;
        for (const Day& day : year) {
            const OrderedSpan work = OrderSpan(day.arrival, day.leaving);
            total += TimeToMinutes(
                WorkTimeLessBreaks(work.start, work.end, breakStarts, breakEnds).value_or(""));
            total += TimeToMinutes(
                LateNightTime(work.start, work.end, night.start, night.end, breakStarts, breakEnds)
                    .value_or(""));
            total += TimeToMinutes(RegularHoursTime(work.start, work.end, office.start, office.end,
                                                    breakStarts, breakEnds)
                                       .value_or(""));
        }
        benchmark::DoNotOptimize(total);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(year.size()));
}
BENCHMARK(WorkedTimesOfAYear)->Unit(benchmark::kMicrosecond);

} // namespace
