#include "yearslots.h"

#include "cp932.h"
#include "datafields.h"
#include "datanumbers.h"
#include "dates.h"
#include "dayfile.h"
#include "fileio.h"
#include "filenotices.h"
#include "holidays.h"
#include "initable.h"
#include "settings.h"
#include "state.h"
#include "vacation.h"

#include <algorithm>
#include <optional>

namespace {

constexpr const char* DayHeader = "[DayData]";
constexpr const char* DaySection = "DayData";

// A day as a year without a day file has it: calendar date, weekday and rest
// mark, every value empty. A day missing from a hand-edited file is built the
// same way, so a summary sees its date and rest day rather than a blank row
// or whatever an earlier period left in the element.
void BuildPeriodDay(const OwnCalendar& calendar, int year, int day, Workdt& element) {
    CivilDate date = DateFromDayOfYear(year, day);
    int weekday = WeekdayIndex(date);
    element.DateWeek = {MonthDayText(date), WeekdayText(weekday)};
    bool rest = calendar.days[day].Mark == RestMark || Settings.WeeklyHolidays[weekday] != 0;
    element.Kind = rest ? RestMark : "";
    element.Values = {};
}

// A day's value.
Workdt ReadPeriodDay(std::string_view value) {
    const std::vector<std::string> fields = SplitCsvFields(value, 10);
    Workdt day;
    day.DateWeek = {FieldText(fields[0]), FieldText(fields[1])};
    day.Kind = FieldText(fields[2]);
    for (std::size_t i = 0; i < day.Values.size(); ++i) {
        day.Values[i] = FieldText(fields[3 + i]);
    }
    return day;
}

} // namespace

std::optional<std::vector<std::optional<Workdt>>> ReadDaysByKey(std::string_view bytes,
                                                                int firstDay, int lastDay) {
    std::optional<std::string> text = DataFileText(bytes);
    if (!text || !ReadNumberedLines(*text, DayHeader, 0, 0, {}).header) {
        return std::nullopt;
    }
    const std::size_t count = lastDay >= firstDay ? lastDay - firstDay + 1 : 0;
    std::vector<std::optional<Workdt>> days(count);
    // As an INI file: the first line of a key counts, even when it is empty.
    std::vector<bool> seen(count);
    IniTable::ForEachEntry(*text, [&](const IniTable::Entry& entry) {
        if (entry.kind != IniTable::Entry::KeyLine || entry.key.empty() ||
            entry.key.front() < '1' || entry.key.front() > '9' ||
            !EqualsIgnoringAsciiCase(entry.section, DaySection)) {
            return;
        }
        std::optional<std::int32_t> day = ParseDecimal(entry.key);
        if (!day || *day < firstDay || *day > lastDay) {
            return;
        }
        const auto i = static_cast<std::size_t>(*day - firstDay);
        if (!seen[i]) {
            seen[i] = true;
            if (!entry.value.empty()) {
                days[i] = ReadPeriodDay(entry.value);
            }
        }
    });
    return days;
}

int LoadYearSlots(const std::filesystem::path& folder, int year) {
    int read = 0;
    for (int slot = 1; slot <= 2; ++slot) {
        int y = year - 2 + slot;
        BuildHolidayTable(y);
        LoadHolidayFile(folder, y);
        YearSlotDays[slot] = HolidayCalendarDays;
        read = LoadDayFile(folder, slot, y);
        // Read for its notices only: the save reads it again as it is then.
        ReadVacationFile(folder, y);
    }
    return read;
}

PeriodYear ReadPeriodYear(const std::filesystem::path& folder, int year, int firstDay,
                          int lastDay) {
    PeriodYear read;
    read.year = year;
    read.firstDay = std::max(firstDay, 1);
    read.lastDay = std::min(lastDay, DaysInYear(year));
    const std::filesystem::path path = folder / DayFileName(year);
    ReadResult file = ReadWholeFile(path);
    if (file.status == ReadStatus::Ok) {
        read.days = ReadDaysByKey(file.bytes, read.firstDay, read.lastDay);
    }
    if (file.status != ReadStatus::Missing && !read.days) {
        NoteUnreadableFile(path, file.status == ReadStatus::Ok ? FileState::Unrecognised
                                                               : FileState::Unreadable);
    }
    return read;
}

int AppendPeriodDays(const std::filesystem::path& folder, PeriodYear& year, int firstDay,
                     int lastDay, int& count) {
    firstDay = std::max(firstDay, year.firstDay);
    lastDay = std::min(lastDay, year.lastDay);
    count = std::max(count, -1);
    for (int d = firstDay; d <= lastDay && count + 1 < SummaryWorkSize; ++d) {
        Workdt& element = SummaryWork[++count];
        const auto i = static_cast<std::size_t>(d - year.firstDay);
        if (year.days && (*year.days)[i]) {
            // The full date is the caller's.
            const Workdt& day = *(*year.days)[i];
            element.DateWeek = day.DateWeek;
            element.Kind = day.Kind;
            element.Values = day.Values;
            continue;
        }
        if (!year.calendar) {
            year.calendar = BuildOwnCalendar(folder, year.year);
        }
        BuildPeriodDay(*year.calendar, year.year, d, element);
    }
    return year.days ? 1 : 0;
}

int LoadPeriodDays(const std::filesystem::path& folder, int year, int firstDay, int lastDay,
                   int& count) {
    PeriodYear read = ReadPeriodYear(folder, year, firstDay, lastDay);
    return AppendPeriodDays(folder, read, firstDay, lastDay, count);
}
