#pragma once

#include "datafilewrite.h"
#include "records.h"
#include "state.h"

#include <array>
#include <filesystem>
#include <string>

// The national-holiday table, the day-by-day calendar of a year and the
// year's holiday file ("2004H.dat"), in which the holiday-calendar editor
// stores the rest days the user changed.

using NationalHolidayTable = std::array<DefHoliday, 20>;
using YearCalendar = std::array<Holiday, YearSlotSize>; // index 1..366

// A year's calendar held apart from the program-wide one, for code that must
// not replace HolidayCalendar (the summaries).
struct OwnCalendar {
    YearCalendar days;
    int count = 0; // 365 or 366
};

std::string HolidayFileName(int year); // "2004H.dat"

// The fifteen national holidays of the year into table (entries 0..14).
void FillHolidayTable(int year, NationalHolidayTable& table);
// The days 1..365/366 of the year marked from the table; returns the count.
int FillYearCalendar(int year, const NationalHolidayTable& table, YearCalendar& calendar);
// Overlays the year's holiday file on a calendar of count days built for the
// year; 1 when the file was read, 0 when it is missing or has no header line.
int OverlayHolidayFile(const std::filesystem::path& folder, int year, YearCalendar& calendar,
                       int count);
// Table, calendar and holiday file of the year, without touching the
// program-wide calendar.
OwnCalendar BuildOwnCalendar(const std::filesystem::path& folder, int year);

// Fills NationalHolidays for the year and sets NationalHolidayLast to 14.
bool BuildHolidayTable(int year);
// Builds HolidayCalendar and HolidayCalendarDays from NationalHolidays, which
// must hold the same year.
bool BuildYearCalendar(int year);
// BuildYearCalendar, then the year's holiday file over it: its marks and
// names win. 1 when the file was read, 0 when it is missing or has no header
// line (the calendar stays as built).
int LoadHolidayFile(const std::filesystem::path& folder, int year);
// Writes HolidayCalendar days 1..HolidayCalendarDays, which must be the
// year's, as the year's holiday file.
DataFileWrite SaveHolidayFile(const std::filesystem::path& folder, int year);
