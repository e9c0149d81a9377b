#pragma once

#include "records/dates.h"
#include "records/records.h"

#include <string>
#include <string_view>

class PeriodView;

// The displayed period: its days move between the two year slots, MonthWork
// and the grid.

enum PeriodMode { ClosingDayMonth = 0, FreePeriod = 1 };

// The first and last day of the closing-day month CurYear/CurMonth or of the
// free period PeriodFrom..PeriodTo; false when the free period's texts are
// no dates.
bool PeriodBounds(int mode, CivilDate* first, CivilDate* last);

// Fills MonthWork from the year slots; sets PeriodLength, CurCol, CurRow
// (today's day number, else row 1). False when the period cannot be built.
bool LoadPeriod(int mode);

// Writes MonthWork into the grid and the year/month boxes and remembers
// every text it put into a cell, so that a commit sees what the user changed.
void ShowPeriod(PeriodView& view);

// Takes what the user changed in the grid into MonthWork, normalised, and
// raises DataModified. Cells nobody touched are left alone, so a stored
// 65.25 shown as "65.3" stays 65.25.
void CommitGrid(PeriodView& view);

// MonthWork back into the year slots, each day into the slot of its own
// year. False when a day belongs to a year no slot holds; such a day is not
// stored anywhere.
bool StorePeriod();

// The kind column again from the year slots (MonthWork unchanged, so the
// next commit sees the difference).
void RefreshLeaveColumn(PeriodView& view);

// The text without its commas ("12,345" -> "12345").
std::string RemoveCommas(std::string_view text);

// The day record of a date in the slot that holds its year, or nullptr.
Recode1* SlotRecordFor(const CivilDate& date);
