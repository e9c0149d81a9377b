#pragma once

#include "datafilewrite.h"
#include "filestate.h"
#include "records.h"
#include "state.h"

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

// The day file of a year ("2004.dat": a "[DayData]" line, then one line per
// day) and the year slots it is loaded into. A slot is 1 (YearSlot1, the year
// before the displayed one) or 2 (YearSlot2, the displayed year);
// YearSlotYear records the year a slot holds, YearSlotDays its day count.

std::string DayFileName(int year); // "2004.dat"

using YearDays = std::array<Recode1, YearSlotSize>; // index 1..366

// The day file's bytes over days 1..count, which are built beforehand, by
// line position: kinds, times, values and remarks from the file, dates and
// weekdays stay. Read (also when the file ends early); DoesNotFit (lines past
// the last day, or a line whose "d=m/dd" is not its position's: read by
// position as far as the year goes); or Unrecognised (no "[DayData]" line,
// or not CP932: the days stay as they were).
FileState ReadDayFileBytes(std::string_view bytes, YearDays& days, int count);

// Whether the day file's bytes come back unchanged when they are read into
// the days of the year and written again: then a new file of the year holds
// all they held. True of every file the program writes.
bool DayFileRoundTrips(std::string_view bytes, int year);

// Days 1..count as a day file: CP932, CR LF.
std::string DayFileBytes(const YearDays& days, int count);

// The days of slot 1 or 2, index 1..366; nullptr for any other slot.
std::array<Recode1, YearSlotSize>* SlotRecords(int slot);

// Builds the slot for the year from HolidayCalendar: dates, weekdays, the
// calendar's marks as kinds, every value empty; records the slot's year and
// day count. False, and the slot untouched, when HolidayCalendar holds
// another year.
bool InitDayTable(int slot, int year);

// Sets the kind of every work day ("") that falls on a weekly rest day
// (Settings.WeeklyHolidays) to "休日"; every other kind stays. False when
// the slot does not hold the year.
bool MarkWeeklyHolidays(int slot, int year);

// After the holiday calendar or the weekly rest days changed: every day whose
// kind is "" or "休日" takes its kind again from HolidayCalendar and the
// weekly rest days; every other kind and every value stays. False when the
// slot or HolidayCalendar holds another year.
bool RederiveRestDays(int slot, int year);

// InitDayTable and MarkWeeklyHolidays, then the year's day file over the
// slot by line position. 1 when the file was read (also when it is cut
// short or does not fit its year); 0 when it is missing, unreadable or not
// recognised: the slot stays as built, a file that is there is noted for the
// user (see filenotices.h) and YearSlotUnread is set. The bytes read are
// noted for the next save (see NoteFileRead).
int LoadDayFile(const std::filesystem::path& folder, int slot, int year);

// Writes the slot as the year's day file (see ReplaceDataFile: the old file
// is kept as a backup first when it changed outside the program, or when
// reading and writing it again would not give its bytes back). Refused (nothing
// written) when the slot does not hold that year. The window's DataModified
// flag is the save cycle's to clear.
DataFileWrite SaveDayFile(const std::filesystem::path& folder, int slot, int year);
