#include "holidayeditor.h"

#include "commands/settingsvalues.h"
#include "records/dayfile.h"
#include "records/holidays.h"
#include "records/initable.h"
#include "records/settings.h"
#include "records/state.h"
#include "records/years.h"

#include <algorithm>
#include <charconv>

namespace {

// The day rows both the grid and the calendar have.
int SharedDays(const HolidayGridView& view) {
    return std::min(view.RowCount() - 1, static_cast<int>(HolidayCalendarDays));
}

} // namespace

std::vector<int> CalendarYearList(int calendarYear) {
    std::vector<int> years;
    if (calendarYear < FirstServedYear) {
        years.push_back(calendarYear);
    }
    for (int year = FirstServedYear; year <= LastListedYear; ++year) {
        years.push_back(year);
    }
    if (calendarYear > LastListedYear) {
        years.push_back(calendarYear);
    }
    return years;
}

int CalendarItemYear(std::string_view itemText) {
    std::string_view digits = itemText.substr(0, 4);
    int year = 0;
    auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), year);
    return ec == std::errc() && end == digits.data() + digits.size() ? year : 0;
}

void LoadCalendarYear(const std::filesystem::path& folder) {
    BuildHolidayTable(CalendarYear);
    LoadHolidayFile(folder, CalendarYear);
}

void FillHolidayGrid(HolidayGridView& view, bool blankAfterDate) {
    view.SetRowCount(HolidayCalendarDays + 1);
    for (int d = 1; d <= HolidayCalendarDays; ++d) {
        const Holiday& day = HolidayCalendar[static_cast<std::size_t>(d)];
        view.SetCell(0, d, blankAfterDate ? day.Date + " " : day.Date);
        view.SetCell(1, d, day.Mark);
        view.SetCell(2, d, day.Name);
    }
}

bool IsHolidayCalendarEdited(const HolidayGridView& view) {
    for (int d = 1; d <= SharedDays(view); ++d) {
        const Holiday& day = HolidayCalendar[static_cast<std::size_t>(d)];
        if (view.Cell(1, d) != day.Mark || view.Cell(2, d) != day.Name) {
            return true;
        }
    }
    return false;
}

bool ToggleRestMark(HolidayGridView& view, int col, int row) {
    if (col != 1 || row < 1 || row >= view.RowCount()) {
        return false;
    }
    bool rest = TrimBlanks(view.Cell(1, row)) == RestMark;
    view.SetCell(1, row, std::string(rest ? "" : RestMark));
    return true;
}

void SetRestMark(HolidayGridView& view, int row, bool rest) {
    if (row >= 1 && row < view.RowCount()) {
        view.SetCell(1, row, std::string(rest ? RestMark : ""));
    }
}

bool SaveHolidayCalendar(const std::filesystem::path& folder, HolidayGridView& view,
                         HolidayEditorPort& port) {
    const YearCalendar before = HolidayCalendar;
    for (int d = 1; d <= SharedDays(view); ++d) {
        Holiday& day = HolidayCalendar[static_cast<std::size_t>(d)];
        // The date stays the calendar's own: the grid's date column is only
        // shown, and whatever it holds must not reach the file.
        if (view.Cell(1, d) != RestMark) {
            view.SetCell(1, d, "");
        }
        day.Mark = view.Cell(1, d);
        day.Name = view.Cell(2, d);
    }
    DataFileWrite write = SaveHolidayFile(folder, CalendarYear);
    if (!write) {
        HolidayCalendar = before;
        port.ReportWriteFailure(write.path);
        return false;
    }
    if (write.backedUp()) {
        port.ReportBackup(write);
    }
    for (int slot = 1; slot <= 2; ++slot) {
        if (YearSlotYear[static_cast<std::size_t>(slot)] == CalendarYear &&
            !HasDayFile(folder, CalendarYear)) {
            RederiveRestDays(slot, CalendarYear);
        }
    }
    return true;
}

YearChange ChangeCalendarYear(const std::filesystem::path& folder, HolidayGridView& view,
                              int newYear, HolidayEditorPort& port) {
    if (newYear == CalendarYear) {
        return YearChange::Unchanged;
    }
    if (IsHolidayCalendarEdited(view)) {
        HolidayEditorPort::Answer answer =
            Settings.Saveflg != 0 ? HolidayEditorPort::Answer::Yes : port.AskSaveCalendar();
        if (answer == HolidayEditorPort::Answer::Cancel) {
            return YearChange::Refused;
        }
        if (answer == HolidayEditorPort::Answer::Yes && !SaveHolidayCalendar(folder, view, port)) {
            return YearChange::Refused;
        }
    }
    CalendarYear = newYear;
    LoadCalendarYear(folder);
    FillHolidayGrid(view, false);
    return YearChange::Changed;
}
