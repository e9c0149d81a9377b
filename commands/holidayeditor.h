#pragma once

#include "commands/savecycle.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// The holiday-calendar editor of the settings dialog: a grid with one row
// per day of CalendarYear (column 0 the date, 1 the rest mark, 2 the name;
// row 0 the header row) over the program-wide HolidayCalendar, which holds
// that year's calendar while the dialog is open.

class HolidayGridView {
public:
    virtual ~HolidayGridView() = default;
    virtual std::string Cell(int col, int row) const = 0;
    virtual void SetCell(int col, int row, const std::string& text) = 0;
    virtual int RowCount() const = 0; // header row included
    virtual void SetRowCount(int rows) = 0;
};

// The question and the messages of the editor.
class HolidayEditorPort {
public:
    using Answer = SavePort::Answer;

    virtual ~HolidayEditorPort() = default;
    // "年間休日カレンダーが変更されています。\n保存しますか？"
    virtual Answer AskSaveCalendar() = 0;
    virtual void ReportWriteFailure(const std::filesystem::path& file) = 0;
    // The old file's bytes were kept under a backup name before it was
    // replaced (write.backup; write.changedOutside when another program had
    // changed it).
    virtual void ReportBackup(const DataFileWrite& write) = 0;
};

// The years of the year list: 2003 to 2100, and the calendar's own year
// when it lies outside them (a clock outside the served years), so that the list
// always names the year whose calendar the grid shows and "保存" writes.
std::vector<int> CalendarYearList(int calendarYear);
// The year of an item's text ("2004年").
int CalendarItemYear(std::string_view itemText);

// Builds the national-holiday table of CalendarYear and loads its holiday
// file into HolidayCalendar.
void LoadCalendarYear(const std::filesystem::path& folder);

// HolidayCalendar into the grid; with blankAfterDate each date is followed
// by a blank, as when the dialog opens.
void FillHolidayGrid(HolidayGridView& view, bool blankAfterDate);

// True when a day's mark or name in the grid differs from HolidayCalendar.
bool IsHolidayCalendarEdited(const HolidayGridView& view);

// A double click on (col, row): a mark cell turns rest day <-> work day.
// False for any other cell, which stays as it is.
bool ToggleRestMark(HolidayGridView& view, int col, int row);
// The popup's items: "休日" or "出勤" (no mark) into the mark cell of row.
void SetRestMark(HolidayGridView& view, int row, bool rest);

// "保存": the grid's marks and names (never its dates) into HolidayCalendar,
// written as CalendarYear's holiday file; then each year slot holding
// CalendarYear whose year has no day file takes its rest days again from the
// calendar and the weekly rest days, keeping every typed value. A failed
// write is reported and leaves HolidayCalendar as it was, so the edits stay
// unsaved. True when the file was written.
bool SaveHolidayCalendar(const std::filesystem::path& folder, HolidayGridView& view,
                         HolidayEditorPort& port);

enum class YearChange { Unchanged, Changed, Refused };

// The year list chose newYear. Unsaved edits of the shown year are saved
// first when the user says so ("Saveflg" says so without asking); Cancel, or
// a save that failed, keeps the shown year and its edits (Refused). Otherwise
// the new year's calendar is loaded and shown.
YearChange ChangeCalendarYear(const std::filesystem::path& folder, HolidayGridView& view,
                              int newYear, HolidayEditorPort& port);
