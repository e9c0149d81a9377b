#include "savecycle.h"

#include "mainwindow/gridrules.h"
#include "mainwindow/period.h"
#include "mainwindow/periodview.h"
#include "records/clock.h"
#include "records/dayfile.h"
#include "records/settings.h"
#include "records/state.h"
#include "records/timetext.h"
#include "records/vacation.h"
#include "records/worktime.h"
#include "records/yearslots.h"

namespace {

constexpr int ArrivalColumn = 4;
constexpr int LeavingColumn = 5;

// The leaving time of today's row by "Autoendflg".
void StampLeavingTime(PeriodView& view, SavePort& port) {
    if (TodayRow < 1 || TodayRow >= view.RowCount()) {
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

// The backup of an old file is told at once; a failure is collected, so a
// save that fails several files says so in one message.
bool Written(const DataFileWrite& write, SavePort& port,
             std::vector<std::filesystem::path>& failed) {
    if (write.backedUp()) {
        port.ReportBackup(write.path, write.backup);
    }
    if (!write.written) {
        failed.push_back(write.path);
    }
    return write.written;
}

} // namespace

bool ReportedWrite(const DataFileWrite& write, SavePort& port) {
    std::vector<std::filesystem::path> failed;
    if (!Written(write, port, failed)) {
        port.ReportWriteFailures(failed);
        return false;
    }
    return true;
}

bool WriteBothYearSlots(const std::filesystem::path& folder, SavePort& port) {
    bool allWritten = true;
    std::vector<std::filesystem::path> failed;
    for (int slot = 1; slot <= 2; ++slot) {
        int year = CurYear + slot - 2;
        allWritten = Written(SaveDayFile(folder, slot, year), port, failed) && allWritten;
        LedgerRebuild rebuild = RebuildVacationLedger(folder, slot, year);
        if (rebuild.reachedLimit) {
            port.ReportLedgerFull(year);
        }
        if (rebuild.rebuilt) {
            allWritten = Written(SaveVacationFile(folder, year), port, failed) && allWritten;
        } else {
            allWritten = false;
        }
    }
    if (!failed.empty()) {
        port.ReportWriteFailures(failed);
    }
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
