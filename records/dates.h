#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

// Calendar helpers. A day count is the number of days since 1899-12-30, the
// epoch of the stored date values; its fraction is the time of day.
struct CivilDate {
    int year = 0;
    int month = 0;
    int day = 0;
    friend bool operator==(const CivilDate&, const CivilDate&) = default;
};

bool IsLeapYear(int year);
int DaysInYear(int year);
int DaysInMonth(int year, int month); // 0 for a month outside 1..12
bool IsValidDate(int year, int month, int day);

int DayOfYear(const CivilDate& date);           // 1 January = 1
CivilDate DateFromDayOfYear(int year, int day); // day 1..DaysInYear
int WeekdayIndex(const CivilDate& date);        // 0 Sunday .. 6 Saturday

long DaySerial(const CivilDate& date);
CivilDate DateFromSerial(long serial);
CivilDate AddDays(const CivilDate& date, int days);

// "日" "月" "火" "水" "木" "金" "土"
const std::string& WeekdayText(int weekdayIndex);

// "2004/9/27" (short date form) and "9/05" (the grid's m/dd form).
std::string FullDateText(const CivilDate& date);
std::string MonthDayText(const CivilDate& date);
// The MonthDayText of every day of a year of 365 or 366 days, by day of the
// year (index 1..days; index 0 and 366 of a short year are ""), made once.
const std::array<std::string, 367>& MonthDayTexts(int year);

// Reads a "yyyy/m/d" text (leading zeros allowed); nothing when it is no date.
std::optional<CivilDate> ParseFullDate(std::string_view text);
