#include "navigation.h"

#include "commands/period.h"
#include "records/dates.h"
#include "records/settings.h"
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
    const bool otherYear = month < 1 || month > 12;
    if (otherYear) {
        year += direction;
        month = direction < 0 ? 12 : 1;
    }
    // Back, no step leads before the first served month; onward, only the
    // year after the last served one is refused: from a year past the
    // served ones (a clock beyond them) the way back is open.
    if (direction < 0 ? year < FirstServedYear : otherYear && year > LastServedYear) {
        return false;
    }
    if (otherYear) {
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

CivilDate FirstServedDay() {
    int deadline = EffectiveDeadline();
    return deadline < 28 ? CivilDate{FirstServedYear - 1, 12, deadline + 1}
                         : CivilDate{FirstServedYear, 1, 1};
}

bool IsShowableFreePeriod(const CivilDate& first, const CivilDate& last) {
    long days = DaySerial(last) - DaySerial(first) + 1;
    return days >= 1 && days <= MaxPeriodDays && DaySerial(last) >= DaySerial(FirstServedDay());
}

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
    if (!first || !last || !IsShowableFreePeriod(*first, *last)) {
        return false;
    }
    // A period that ends in the December before the first served year lies
    // in the first served closing-day month and goes by its name, so the
    // window never names a month of a year it does not serve.
    int year = last->year;
    int month = last->month;
    if (year < FirstServedYear) {
        year = FirstServedYear;
        month = 1;
    }
    CommitAndStore(view);
    if (!ChangeYear(folder, port, year)) {
        return false;
    }
    CurYear = year;
    CurMonth = month;
    LoadPeriod(FreePeriod);
    ShowPeriod(view);
    return true;
}
