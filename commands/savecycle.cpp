#include "savecycle.h"

#include "commands/gridrules.h"
#include "commands/period.h"
#include "commands/periodview.h"
#include "records/clock.h"
#include "records/dates.h"
#include "records/dayfile.h"
#include "records/fileio.h"
#include "records/settings.h"
#include "records/state.h"
#include "records/timetext.h"
#include "records/vacation.h"
#include "records/worktime.h"
#include "records/yearslots.h"

namespace {

constexpr int ArrivalColumn = 4;
constexpr int LeavingColumn = 5;

// Leaving times count from the start of their own day; a text holds fewer
// than 100 hours.
constexpr std::int64_t LongestLeavingMinutes = 100 * 60 - 1;

// The date of a row of the displayed period.
std::optional<CivilDate> RowDay(int row) {
    if (row < 1 || row > PeriodLength) {
        return std::nullopt;
    }
    return ParseFullDate(MonthWork[static_cast<std::size_t>(row - 1)].FullDate);
}

// Days from the row's day to the clock's; nothing when the row has no date.
std::optional<long> DaysSinceRowDay(int row) {
    std::optional<CivilDate> day = RowDay(row);
    if (!day) {
        return std::nullopt;
    }
    LocalDateTime now = ClockNow();
    return DaySerial({now.year, now.month, now.day}) - DaySerial(*day);
}

// The leaving time of today's row by "Autoendflg". Once the clock has left
// the row's day (the program ran past midnight) the clock time is not that
// day's: it is always asked for, counted from the row's day.
void StampLeavingTime(PeriodView& view, SavePort& port) {
    if (TodayRow < 1 || TodayRow >= view.RowCount()) {
        return;
    }
    if (ClockLeftRowDay(TodayRow)) {
        if (auto confirmed = port.AskLeavingTime()) {
            view.SetCell(LeavingColumn, TodayRow, *confirmed);
        }
        return;
    }
    std::string cell = view.Cell(LeavingColumn, TodayRow);
    switch (Settings.Autoendflg) {
    case 0:
        view.SetCell(LeavingColumn, TodayRow, ClockText());
        break;
    case 1:
        if (NormalizeTimeText(cell).empty()) {
            view.SetCell(LeavingColumn, TodayRow, ClockText());
        } else if (auto confirmed = port.AskLeavingTime()) {
            view.SetCell(LeavingColumn, TodayRow, *confirmed);
        }
        break;
    case 2:
        if (cell.empty()) {
            view.SetCell(LeavingColumn, TodayRow, ClockText());
        }
        break;
    default:
        break;
    }
}

// Backups and failures are collected, so that one save says what it kept and
// what it could not write in one message each.
struct SaveOutcome {
    std::vector<DataFileWrite> backups;
    std::vector<std::filesystem::path> failed;

    bool Take(const DataFileWrite& write) {
        if (write.backedUp()) {
            backups.push_back(write);
        }
        if (!write.written) {
            failed.push_back(write.path);
        }
        return write.written;
    }
    void Report(SavePort& port) const {
        if (!backups.empty()) {
            port.ReportBackups(backups);
        }
        if (!failed.empty()) {
            port.ReportWriteFailures(failed);
        }
    }
};

} // namespace

void SavePort::ReportBackups(const std::vector<DataFileWrite>& writes) {
    for (const DataFileWrite& write : writes) {
        ReportBackup(write.path, write.backup);
    }
}

bool ReportedWrite(const DataFileWrite& write, SavePort& port) {
    SaveOutcome outcome;
    bool written = outcome.Take(write);
    outcome.Report(port);
    return written;
}

bool WriteBothYearSlots(const std::filesystem::path& folder, SavePort& port) {
    bool allWritten = true;
    SaveOutcome outcome;
    // The four files share a folder: it is flushed once, after the last.
    std::optional<FolderSyncBatch> flushFolderOnce(std::in_place);
    for (int slot = 1; slot <= 2; ++slot) {
        int year = CurYear + slot - 2;
        const DataFileWrite dayFile = SaveDayFile(folder, slot, year);
        if (!outcome.Take(dayFile)) {
            // The paid-leave file follows its day file: rebuilt from day
            // kinds that did not reach the disk, it would lose its records.
            allWritten = false;
            continue;
        }
        if (YearSlotUnread[slot] != 0) {
            // The year's kinds were not read, so the ledger is not rebuilt
            // from them: the paid-leave file stays as it is.
            continue;
        }
        LedgerRebuild rebuild = RebuildVacationLedger(folder, slot, year, dayFile.replaced);
        if (rebuild.reachedLimit) {
            port.ReportLedgerFull(year);
        }
        if (rebuild.rebuilt) {
            allWritten = outcome.Take(SaveVacationFile(folder, year, rebuild)) && allWritten;
        } else {
            allWritten = false;
        }
    }
    flushFolderOnce.reset();
    outcome.Report(port);
    DataModified = allWritten ? 0 : 1;
    return allWritten;
}

bool SaveCommand(const std::filesystem::path& folder, PeriodView& view, SavePort& port) {
    CommitGrid(view);
    StorePeriod();
    return WriteBothYearSlots(folder, port);
}

SavePort::Answer ConfirmSave(const std::filesystem::path& folder, SavePort& port) {
    if (DataModified != 1) {
        return SavePort::Answer::Yes;
    }
    SavePort::Answer answer = Settings.Saveflg != 0 ? SavePort::Answer::Yes : port.AskSave();
    switch (answer) {
    case SavePort::Answer::Yes:
        return WriteBothYearSlots(folder, port) ? answer : SavePort::Answer::Cancel;
    case SavePort::Answer::No:
        DataModified = 0;
        return answer;
    case SavePort::Answer::Cancel:
        break;
    }
    return answer;
}

bool ClockLeftRowDay(int row) {
    std::optional<long> days = DaysSinceRowDay(row);
    return days && *days != 0;
}

std::string LeavingClockText(int row) {
    std::optional<long> days = DaysSinceRowDay(row);
    if (!days || *days == 0) {
        return ClockText();
    }
    LocalDateTime now = ClockNow();
    std::int64_t minutes = *days * 24 * 60 + now.hour * 60 + now.minute;
    if (minutes < 0 || minutes > LongestLeavingMinutes) {
        return {};
    }
    return MinutesToTime(minutes);
}

bool CloseQuery(const std::filesystem::path& folder, PeriodView& view, SavePort& port) {
    CommitGrid(view);
    if (DataModified == 1) {
        StorePeriod();
    }
    if (ConfirmSave(folder, port) == SavePort::Answer::Cancel) {
        return false;
    }
    if (Settings.Autoend != 1) {
        return true;
    }
    // Today's year again from its files: what the user just refused to save
    // must not be written with the leaving time.
    LoadYearSlots(folder, TodayYear);
    CurYear = TodayYear;
    CurMonth = TodayMonth;
    if (LoadPeriod(ClosingDayMonth)) {
        ShowPeriod(view);
    }
    StampLeavingTime(view, port);
    return SaveCommand(folder, view, port);
}

void AutoEnterTime(PeriodView& view) {
    if (Settings.Autostart != 1 || TodayRow < 1 || TodayRow >= view.RowCount()) {
        return;
    }
    if (!view.Cell(ArrivalColumn, TodayRow).empty()) {
        return;
    }
    const std::string scheduled = SettingTimeOfDay(Settings.Scheduledstart);
    LocalDateTime now = ClockNow();
    std::int64_t nowMinutes = now.hour * 60 + now.minute;
    std::string stamp;
    switch (Settings.Autostartflg) {
    case 0:
        stamp = ClockText();
        break;
    case 1:
        stamp = nowMinutes > TimeToMinutes(Settings.Scheduledstart) ? ClockText() : scheduled;
        break;
    case 2:
        stamp = scheduled;
        break;
    default:
        return;
    }
    view.SetCell(ArrivalColumn, TodayRow, stamp);
}
