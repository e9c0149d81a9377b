#pragma once

#include "commands/savecycle.h"

#include <filesystem>
#include <functional>

class PeriodView;

// The main window's commands that open the windows reading the same records
// (paid-leave ledger, month summary, 12-month summary, walking-progress map,
// settings). Each runs its steps before the window opens (commit and store,
// the save question, the hand-over variables), opens the window through the
// callback, and afterwards reloads or refreshes what the window may have
// changed.
//
// These commands know no window: openWindow creates the window, runs it
// modally and destroys it, so that they are tested with a callback that
// only records the call. The settings command's callback answers whether
// the dialog was confirmed, and the main window's own steps after it come
// through MainWindowSteps. Each command returns false when it stopped
// before opening the window (Cancel in the save question, or a save that
// failed) or, for the settings, when the dialog was not confirmed.

// What the settings command changes in the main window beyond the grid's
// cells.
class MainWindowSteps {
public:
    virtual ~MainWindowSteps() = default;
    // The exercise and condition column titles from the settings.
    virtual void SetSettingsColumnTitles() = 0;
    // The grid takes the focus and (col, row) becomes its current cell.
    virtual void SelectCell(int col, int row) = 0;
    virtual void RepaintGrid() = 0;
    // The walking-progress item is enabled exactly when the exercise value
    // is pedometer steps.
    virtual void UpdateProgressMenu() = 0;
};

// "有給休暇集計": LeaveYear := CurYear. The period is not reloaded afterwards,
// only its kind column, since the ledger may have written day kinds into
// the year slots.
bool LeaveLedgerCommand(const std::filesystem::path& folder, PeriodView& view, SavePort& port,
                        const std::function<void()>& openWindow);

// "月指定集計": SummaryYear/SummaryMonth := CurYear/CurMonth. Afterwards the
// month of CurYear/CurMonth is shown again, with CurYear's holiday calendar
// when the window moved to another year.
bool MonthSummaryCommand(const std::filesystem::path& folder, PeriodView& view, SavePort& port,
                         const std::function<void()>& openWindow);

// "期間集計": PeriodStartYear/PeriodStartMonth := CurYear/1; afterwards as
// the month summary.
bool YearSummaryCommand(const std::filesystem::path& folder, PeriodView& view, SavePort& port,
                        const std::function<void()>& openWindow);

// "進行位置表示": afterwards the month is shown again.
bool ProgressMapCommand(const std::filesystem::path& folder, PeriodView& view, SavePort& port,
                        const std::function<void()>& openWindow);

// "環境設定": CalendarYear := CurYear; no save question before the window.
// After a confirmed dialog: the column titles again; a changed closing day
// moves the display to the period containing today (asking the save
// question when that is in another year; Cancel keeps the period shown);
// then the kind column again from the year slots, a repaint and the
// walking-progress item.
bool SettingsCommand(const std::filesystem::path& folder, PeriodView& view, SavePort& port,
                     MainWindowSteps& window, const std::function<bool()>& openWindow);
