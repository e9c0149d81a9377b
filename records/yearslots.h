#pragma once

#include "holidays.h"
#include "records.h"

#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

// Loading the two year slots and loading any span of days for the summaries.

// Slot 1 gets year - 1 and slot 2 the year, each built from its holiday
// calendar and weekly rest days and overlaid with its day file. Afterwards
// NationalHolidays and HolidayCalendar hold the year's calendar. Nothing is
// written. Every file of the two years that is there but cannot be read
// (day, holiday and paid-leave files) is noted for the user (see
// filenotices.h). 1 when the year's day file was read, else 0.
int LoadYearSlots(const std::filesystem::path& folder, int year);

// Appends days firstDay..lastDay (days of the year, from 1) of the year to
// SummaryWork; count is the index of the last element written (-1 before the
// first call). Days are read by their key in the day file; a day the file
// lacks, or every day of a year without a readable day file, is built from
// the year's calendar and weekly rest days with empty values. The full-date
// field is not written, the program-wide calendar is not replaced, and
// nothing is written past the end of SummaryWork. 1 when the day file was
// read, 0 when it is missing or could not be read (then noted for the user).
int LoadPeriodDays(const std::filesystem::path& folder, int year, int firstDay, int lastDay,
                   int& count);

// The days firstDay..lastDay of a year's day file read once, so that several
// spans of them can be appended without reading the file again. The year's
// own calendar is built when a day the file lacks first needs it.
struct PeriodYear {
    int year = 0;
    int firstDay = 1;
    int lastDay = 0;
    std::optional<std::vector<std::optional<Workdt>>> days; // nothing: no readable day file
    std::optional<OwnCalendar> calendar;
};

// Reads the year's day file for days firstDay..lastDay (clamped to the
// year); a file that is there but cannot be read is noted for the user.
PeriodYear ReadPeriodYear(const std::filesystem::path& folder, int year, int firstDay, int lastDay);

// LoadPeriodDays over a year read beforehand; the days asked for are clamped
// to those it read.
int AppendPeriodDays(const std::filesystem::path& folder, PeriodYear& year, int firstDay,
                     int lastDay, int& count);

// The days firstDay..lastDay of a day file's bytes read by their key, with
// the date, weekday, kind and values as stored (the full date empty), one
// element per day; nothing for a day the file holds no value for. Nothing at
// all when the bytes are not a recognised day file.
std::optional<std::vector<std::optional<Workdt>>> ReadDaysByKey(std::string_view bytes,
                                                                int firstDay, int lastDay);
