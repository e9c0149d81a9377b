#pragma once

#include "commands/savecycle.h"
#include "records/dates.h"

#include <filesystem>
#include <functional>

class PeriodView;

// The commands that change the displayed period: previous, current and next
// month, a chosen month and a free period. Each leaves the grid committed
// and stored before it moves, so edits survive a move in the year slots; a
// move into another year asks the save question first and loads that year's
// slots. Each returns true when it showed a new period; false when it
// stopped (a bound, Cancel, a cancelled picker), with the displayed period,
// CurYear and CurMonth unchanged.
//
// The pickers are opened through a callback that shows the dialog modally
// and returns true when it was confirmed (DialogResult 1).

// The first day of the first served closing-day month (January of the first
// served year): with a closing day below 28 it lies in the December before.
CivilDate FirstServedDay();

// Whether the main window can show a free period: 1 to 31 days whose last
// day is not before the first served closing-day month begins.
bool IsShowableFreePeriod(const CivilDate& first, const CivilDate& last);

// The grid into MonthWork, and MonthWork into the year slots when something
// changed.
void CommitAndStore(PeriodView& view);

// The closing-day month CurYear/CurMonth into MonthWork and the grid.
bool ShowMonth(PeriodView& view);

// "<< 前月": stops silently where the step would lead before January of the
// first served year.
bool PreviousMonthCommand(const std::filesystem::path& folder, PeriodView& view, SavePort& port);

// "次月 >>": at December the step into January of the next year stops
// silently after the last served year.
bool NextMonthCommand(const std::filesystem::path& folder, PeriodView& view, SavePort& port);

// "当月": the period containing today, whatever its year.
bool CurrentMonthCommand(const std::filesystem::path& folder, PeriodView& view, SavePort& port);

// "指定月": hands CurYear/CurMonth to the month picker in SelYear/SelMonth
// and moves to the month it returns there.
bool ChosenMonthCommand(const std::filesystem::path& folder, PeriodView& view, SavePort& port,
                        const std::function<bool()>& pickMonth);

// "任意期間": shows the free period the picker returns in PeriodFrom and
// PeriodTo, under the year and month of its last day; a last day in the
// December before the first served year goes under January of that year.
bool FreePeriodCommand(const std::filesystem::path& folder, PeriodView& view, SavePort& port,
                       const std::function<bool()>& pickPeriod);
