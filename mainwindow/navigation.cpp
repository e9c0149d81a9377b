#include "navigation.h"

#include "mainwindow/period.h"
#include "records/dates.h"
#include "records/state.h"
#include "records/years.h"
#include "records/yearslots.h"

namespace {

// The month step shared by both directions: within the year only the period
// is reloaded; across the year boundary the bound is checked, the save
// question asked and the other year's slots loaded.
bool StepMonth(const std::filesystem::path& folder, PeriodView& view, SavePort& port,
               int direction) {
    CommitAndStore(view);
    if (CurMonth < 1 || CurMonth > 12) {
        return false;
    }
    int year = CurYear;
    int month = CurMonth + direction;
    if (month < 1 || month > 12) {
        year += direction;
        month = direction < 0 ? 12 : 1;
        // Each direction stops only at its own bound: from a year past the
        // served ones (today's) the way back is open.
        if (direction < 0 ? year < FirstServedYear : year > LastServedYear) {
            return false;
        }
        if (ConfirmSave(folder, port) == SavePort::Answer::Cancel) {
            return false;
        }
        LoadYearSlots(folder, year);
    }
    CurYear = year;
    CurMonth = month;
    return ShowMonth(view);
}

// Moves to another year: the save question, then the new year's slots.
// False when the user cancelled (nothing moved).
bool ChangeYear(const std::filesystem::path& folder, SavePort& port, int year) {
    if (year == CurYear) {
        return true;
    }
    if (ConfirmSave(folder, port) == SavePort::Answer::Cancel) {
        return false;
    }
    LoadYearSlots(folder, year);
    return true;
}

} // namespace

void CommitAndStore(PeriodView& view) {
    CommitGrid(view);
    if (DataModified == 1) {
        StorePeriod();
    }
}

bool ShowMonth(PeriodView& view) {
    if (!LoadPeriod(ClosingDayMonth)) {
        return false;
    }
    ShowPeriod(view);
    return true;
}

bool PreviousMonthCommand(const std::filesystem::path& folder, PeriodView& view, SavePort& port) {
    return StepMonth(folder, view, port, -1);
}

bool NextMonthCommand(const std::filesystem::path& folder, PeriodView& view, SavePort& port) {
    return StepMonth(folder, view, port, +1);
}

bool CurrentMonthCommand(const std::filesystem::path& folder, PeriodView& view, SavePort& port) {
    CommitAndStore(view);
    if (!ChangeYear(folder, port, TodayYear)) {
        return false;
    }
    CurYear = TodayYear;
    CurMonth = TodayMonth;
    return ShowMonth(view);
}

bool ChosenMonthCommand(const std::filesystem::path& folder, PeriodView& view, SavePort& port,
                        const std::function<bool()>& pickMonth) {
    SelYear = CurYear;
    SelMonth = CurMonth;
    if (!pickMonth() || SelMonth < 1 || SelMonth > 12) {
        return false;
    }
    CommitAndStore(view);
    if (!ChangeYear(folder, port, SelYear)) {
        return false;
    }
    CurYear = SelYear;
    CurMonth = SelMonth;
    return ShowMonth(view);
}

bool FreePeriodCommand(const std::filesystem::path& folder, PeriodView& view, SavePort& port,
                       const std::function<bool()>& pickPeriod) {
    if (!pickPeriod()) {
        return false;
    }
    auto first = ParseFullDate(PeriodFrom);
    auto last = ParseFullDate(PeriodTo);
    if (!first || !last) {
        return false;
    }
    long days = DaySerial(*last) - DaySerial(*first) + 1;
    if (days < 1 || days > MaxPeriodDays) {
        return false;
    }
    CommitAndStore(view);
    if (!ChangeYear(folder, port, last->year)) {
        return false;
    }
    CurYear = last->year;
    CurMonth = last->month;
    LoadPeriod(FreePeriod);
    ShowPeriod(view);
    return true;
}
