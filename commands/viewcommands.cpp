#include "viewcommands.h"

#include "commands/navigation.h"
#include "commands/period.h"
#include "records/holidays.h"
#include "records/settings.h"
#include "records/state.h"
#include "records/yearslots.h"

namespace {

// Commit and store, then the save question; false on Cancel.
bool ReadyToLeave(const std::filesystem::path& folder, PeriodView& view, SavePort& port) {
    CommitAndStore(view);
    return ConfirmSave(folder, port) != SavePort::Answer::Cancel;
}

// A summary window may have built another year's holiday calendar; the
// main window's own year gets its calendar back before its month is shown.
void ShowOwnMonthAgain(const std::filesystem::path& folder, PeriodView& view, int windowYear) {
    if (windowYear != CurYear) {
        BuildHolidayTable(CurYear);
        LoadHolidayFile(folder, CurYear);
    }
    ShowMonth(view);
}

// The display after a changed closing day: the period containing today.
void ShowTodaysPeriod(const std::filesystem::path& folder, PeriodView& view, SavePort& port,
                      MainWindowSteps& window) {
    InitDateGlobals();
    if (TodayYear != CurYear) {
        if (ConfirmSave(folder, port) == SavePort::Answer::Cancel) {
            return;
        }
        LoadYearSlots(folder, TodayYear);
    }
    CurYear = TodayYear;
    CurMonth = TodayMonth;
    ShowMonth(view);
    window.SelectCell(CurCol, CurRow);
    TodayRow = CurRow;
}

} // namespace

bool LeaveLedgerCommand(const std::filesystem::path& folder, PeriodView& view, SavePort& port,
                        const std::function<void()>& openWindow) {
    LeaveYear = CurYear;
    if (!ReadyToLeave(folder, view, port)) {
        return false;
    }
    openWindow();
    RefreshLeaveColumn(view);
    return true;
}

bool MonthSummaryCommand(const std::filesystem::path& folder, PeriodView& view, SavePort& port,
                         const std::function<void()>& openWindow) {
    if (!ReadyToLeave(folder, view, port)) {
        return false;
    }
    SummaryYear = CurYear;
    SummaryMonth = CurMonth;
    openWindow();
    ShowOwnMonthAgain(folder, view, SummaryYear);
    return true;
}

bool YearSummaryCommand(const std::filesystem::path& folder, PeriodView& view, SavePort& port,
                        const std::function<void()>& openWindow) {
    if (!ReadyToLeave(folder, view, port)) {
        return false;
    }
    PeriodStartYear = CurYear;
    PeriodStartMonth = 1;
    openWindow();
    ShowOwnMonthAgain(folder, view, PeriodStartYear);
    return true;
}

bool ProgressMapCommand(const std::filesystem::path& folder, PeriodView& view, SavePort& port,
                        const std::function<void()>& openWindow) {
    if (!ReadyToLeave(folder, view, port)) {
        return false;
    }
    openWindow();
    ShowMonth(view);
    return true;
}

bool SettingsCommand(const std::filesystem::path& folder, PeriodView& view, SavePort& port,
                     MainWindowSteps& window, const std::function<bool()>& openWindow) {
    CommitAndStore(view);
    int deadline = Settings.Deadline;
    CalendarYear = CurYear;
    if (!openWindow()) {
        return false;
    }
    window.SetSettingsColumnTitles();
    if (Settings.Deadline != deadline) {
        ShowTodaysPeriod(folder, view, port, window);
    }
    RefreshLeaveColumn(view);
    window.RepaintGrid();
    window.UpdateProgressMenu();
    return true;
}
