#pragma once

#include "datafilewrite.h"
#include "filestate.h"
#include "records.h"
#include "state.h"

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

// The holiday calendar's mark of a rest day; a rest day's kind has the same
// text.
inline constexpr std::string_view RestMark = "休日";

// The national-holiday table, the day-by-day calendar of a year and the
// year's holiday file ("2004H.dat"), in which the holiday-calendar editor
// stores the rest days the user changed.

using NationalHolidayTable = std::array<DefHoliday, NationalHolidayRoom>;
using YearCalendar = std::array<Holiday, YearSlotSize>; // index 1..366

// A year's calendar held apart from the program-wide one, for code that must
// not replace HolidayCalendar (the summaries).
struct OwnCalendar {
    YearCalendar days;
    int count = 0; // 365 or 366
};

std::string HolidayFileName(int year); // "2004H.dat"

// The national holidays of the year into table; returns how many entries it
// filled. Up to 2013 these are the fifteen entries of the fixed table, with
// the movable days of 2003 to 2013; from 2014 on, every holiday and day off
// by the law (holidayrules.h), one entry a day.
int FillHolidayTable(int year, NationalHolidayTable& table);
// The days 1..365/366 of the year marked from the table; returns the count.
int FillYearCalendar(int year, const NationalHolidayTable& table, YearCalendar& calendar);
// The holiday file's bytes over a calendar of count days built for its year,
// by line position: the file's marks and names win. Read (as far as it goes),
// DoesNotFit (lines past the year's last day) or Unrecognised (no
// "[HolidayData]" line, or not CP932: the calendar stays as it was).
FileState ReadHolidayFileBytes(std::string_view bytes, YearCalendar& calendar, int count);
// Whether the holiday file's bytes come back unchanged when they are read
// over the dates of the year and written again. True of every file the
// program writes.
bool HolidayFileRoundTrips(std::string_view bytes, int year);
// Days 1..count of the calendar as a holiday file: CP932, CR LF.
std::string HolidayFileBytes(const YearCalendar& calendar, int count);

// Overlays the year's holiday file on a calendar of count days built for the
// year; 1 when the file was read (also when it ends early), 0 when it is missing
// or could not be read (then noted for the user, see filenotices.h). With
// noteRead, the bytes read are noted for the next save of the file (see
// NoteFileRead): only for the calendar that save writes.
int OverlayHolidayFile(const std::filesystem::path& folder, int year, YearCalendar& calendar,
                       int count, bool noteRead);
// Table, calendar and holiday file of the year, without touching the
// program-wide calendar.
OwnCalendar BuildOwnCalendar(const std::filesystem::path& folder, int year);

// Fills NationalHolidays for the year and sets NationalHolidayLast to its
// last entry (14 up to 2013).
bool BuildHolidayTable(int year);
// Builds HolidayCalendar and HolidayCalendarDays from NationalHolidays, which
// must hold the same year, and records the year in HolidayCalendarYear.
bool BuildYearCalendar(int year);
// BuildYearCalendar, then the year's holiday file over it: its marks and
// names win. 1 when the file was read, 0 when it is missing or could not be
// read (the calendar stays as built).
int LoadHolidayFile(const std::filesystem::path& folder, int year);
// Writes HolidayCalendar days 1..HolidayCalendarDays as the year's holiday
// file (see ReplaceDataFile: the old file is kept first when it changed
// outside the program or does not come back whole). Refused when
// HolidayCalendar holds another
// year.
DataFileWrite SaveHolidayFile(const std::filesystem::path& folder, int year);
