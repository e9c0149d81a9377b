#include "engine.h"

#include "records/dates.h"
#include "records/settings.h"
#include "records/state.h"
#include "records/yearslots.h"

namespace {

// Month numbers count on into the following years (13 is January of the
// next year) and back into the earlier ones.
CivilDate FirstOfMonth(int year, int month) {
    int index = month - 1;
    int yearsOn = index >= 0 ? index / 12 : -((11 - index) / 12);
    return {year + yearsOn, index - yearsOn * 12 + 1, 1};
}

// Row 0 and the last day of the closing-day month of (year, month): with a
// closing day of 28 or more the calendar month after the last day of the
// month before; below 28 the closing day of the month before up to the
// closing day of the month.
void ClosingDayMonthBounds(int year, int month, CivilDate& rowZero, CivilDate& last) {
    CivilDate first = FirstOfMonth(year, month);
    CivilDate previous = AddDays(first, -1);
    int deadline = EffectiveDeadline();
    if (deadline >= 28) {
        rowZero = previous;
        last = {first.year, first.month, DaysInMonth(first.year, first.month)};
    } else {
        rowZero = {previous.year, previous.month, deadline};
        last = {first.year, first.month, deadline};
    }
}

bool FreePeriodBounds(CivilDate& rowZero, CivilDate& last) {
    std::optional<CivilDate> from = ParseFullDate(PeriodFrom);
    std::optional<CivilDate> to = ParseFullDate(PeriodTo);
    if (!from || !to) {
        return false;
    }
    long length = DaySerial(*to) - DaySerial(*from) + 1;
    if (length < 1 || length > SummaryWorkSize - 1) {
        return false;
    }
    rowZero = AddDays(*from, -1);
    last = *to;
    return true;
}

} // namespace

void ClearPeriodRows() {
    for (Workdt& row : SummaryWork) {
        row.DateWeek = {};
        row.Kind.clear();
        row.Values = {};
    }
}

bool LoadSummaryPeriod(const std::filesystem::path& folder, int mode, int year, int month,
                       int& days) {
    ClearPeriodRows();
    SummaryDays = 1;
    days = SummaryDays;
    CivilDate rowZero;
    CivilDate last;
    if (mode == SummaryFreePeriod) {
        if (!FreePeriodBounds(rowZero, last)) {
            return false;
        }
    } else {
        ClosingDayMonthBounds(year, month, rowZero, last);
    }
    // One read of each year's day file for the days of that year.
    int count = -1;
    for (int y = rowZero.year; y <= last.year; ++y) {
        int firstDay = y == rowZero.year ? DayOfYear(rowZero) : 1;
        int lastDay = y == last.year ? DayOfYear(last) : DaysInYear(y);
        LoadPeriodDays(folder, y, firstDay, lastDay, count);
    }
    SummaryDays = static_cast<std::int32_t>(DaySerial(last) - DaySerial(rowZero) + 1);
    days = SummaryDays;
    return true;
}

void ClearRectotalTables() {
    for (auto* table : {&MonthCountTable, &MonthTotalTable, &MonthAverageTable}) {
        for (int row = 0; row < 12; ++row) {
            (*table)[static_cast<std::size_t>(row)].Values = {};
        }
    }
}
