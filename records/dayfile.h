#pragma once

#include "datafilewrite.h"
#include "records.h"
#include "state.h"

#include <array>
#include <filesystem>
#include <string>

// The day file of a year ("2004.dat": a "[DayData]" line, then one line per
// day) and the year slots it is loaded into. A slot is 1 (YearSlot1, the year
// before the displayed one) or 2 (YearSlot2, the displayed year);
// YearSlotYear records the year a slot holds, YearSlotDays its day count.

std::string DayFileName(int year); // "2004.dat"

// The days of slot 1 or 2, index 1..366; nullptr for any other slot.
std::array<Recode1, YearSlotSize>* SlotRecords(int slot);

// Builds the slot for the year from HolidayCalendar (which must hold that
// year): dates, weekdays, the calendar's marks as kinds, every value empty.
// Takes the day count from the calendar and records the slot's year.
bool InitDayTable(int slot, int year);

// Sets the kind of every work day ("") that falls on a weekly rest day
// (Settings.WeeklyHolidays) to "休日"; every other kind stays.
bool MarkWeeklyHolidays(int slot, int year);

// After the holiday calendar or the weekly rest days changed: every day whose
// kind is "" or "休日" takes its kind again from HolidayCalendar (the year's)
// and the weekly rest days; every other kind and every value stays. False
// when the slot does not hold the year.
bool RederiveRestDays(int slot, int year);

// InitDayTable and MarkWeeklyHolidays, then the year's day file over the
// slot by line position. 1 when the file was read; 0 when it is missing or
// has no "[DayData]" line (the slot stays as built, the file is kept and is
// backed up by the next save).
int LoadDayFile(const std::filesystem::path& folder, int slot, int year);

// Writes the slot as the year's day file. Refused (nothing written) when the
// slot does not hold that year. On success DataModified becomes 0; on failure
// it stays as it was.
DataFileWrite SaveDayFile(const std::filesystem::path& folder, int slot, int year);
