#include "periodsummary.h"

#include "records/dates.h"
#include "records/settings.h"
#include "records/state.h"
#include "records/yearslots.h"

#include <functional>

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

// Appends days firstDay..lastDay of a year to SummaryWork (see LoadPeriodDays).
using AppendYearDays = std::function<void(int year, int firstDay, int lastDay, int& count)>;

bool LoadPeriod(int mode, int year, int month, int& days, const AppendYearDays& append) {
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
    int count = -1;
    for (int y = rowZero.year; y <= last.year; ++y) {
        int firstDay = y == rowZero.year ? DayOfYear(rowZero) : 1;
        int lastDay = y == last.year ? DayOfYear(last) : DaysInYear(y);
        append(y, firstDay, lastDay, count);
    }
    SummaryDays = static_cast<std::int32_t>(DaySerial(last) - DaySerial(rowZero) + 1);
    days = SummaryDays;
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

PeriodYear& SummaryFiles::Year(int year) {
    auto found = years_.find(year);
    if (found == years_.end()) {
        found = years_.emplace(year, ReadPeriodYear(folder_, year, 1, DaysInYear(year))).first;
    }
    return found->second;
}

bool LoadSummaryPeriod(const std::filesystem::path& folder, int mode, int year, int month,
                       int& days) {
    // A single load reads only the days of its span from each year's file.
    return LoadPeriod(mode, year, month, days,
                      [&folder](int y, int firstDay, int lastDay, int& count) {
                          LoadPeriodDays(folder, y, firstDay, lastDay, count);
                      });
}

bool LoadSummaryPeriod(SummaryFiles& files, int mode, int year, int month, int& days) {
    return LoadPeriod(mode, year, month, days,
                      [&files](int y, int firstDay, int lastDay, int& count) {
                          AppendPeriodDays(files.Folder(), files.Year(y), firstDay, lastDay, count);
                      });
}

void ClearRectotalTables() {
    for (auto* table : {&MonthCountTable, &MonthTotalTable, &MonthAverageTable}) {
        for (int row = 0; row < 12; ++row) {
            (*table)[static_cast<std::size_t>(row)].Values = {};
        }
    }
}
