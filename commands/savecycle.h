#pragma once

#include "records/datafilewrite.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

class PeriodView;

// What the save cycle needs from the window: the save question, the
// leaving-time dialog and the messages about files.
class SavePort {
public:
    enum class Answer { Yes, No, Cancel };

    virtual ~SavePort() = default;
    // "データが変更されています。保存しますか？"
    virtual Answer AskSave() = 0;
    // The leaving time confirmed in the leaving-time dialog; nothing when
    // the user cancelled it.
    virtual std::optional<std::string> AskLeavingTime() = 0;
    // Files that could not be written, all of one save at once; the old
    // files are intact.
    virtual void ReportWriteFailures(const std::vector<std::filesystem::path>& files) = 0;
    // A file whose old bytes the new one would not hold whole was kept under
    // the name backup before it was replaced.
    virtual void ReportBackup(const std::filesystem::path& file,
                              const std::filesystem::path& backup) = 0;
    // Every backup that one save made, at once; by default one report each.
    virtual void ReportBackups(const std::vector<DataFileWrite>& writes);
    // More paid-leave days than the ledger holds; the first ones were kept.
    virtual void ReportLedgerFull(int year) = 0;
};

// Reports a data file's write through the port: the backup of an old file
// the program could not read, then a failure. True when it was written.
bool ReportedWrite(const DataFileWrite& write, SavePort& port);

// Writes the day file, rebuilds the paid-leave ledger and writes the
// paid-leave file of the previous and then the displayed year. A year whose
// day file was not read at load, or could not be written now, keeps its
// paid-leave file as it is. Clears DataModified only when every file was
// written; a failure is reported and leaves DataModified at 1. Every backup
// made is named in one report, and every file that failed in another.
bool WriteBothYearSlots(const std::filesystem::path& folder, SavePort& port);

// "保存": commit, store, write both years (also when nothing changed).
bool SaveCommand(const std::filesystem::path& folder, PeriodView& view, SavePort& port);

// The question before the displayed year or a view changes. Cancel stops the
// calling command; so does a save that failed, so nothing unsaved is left
// behind silently. Without changes nothing is asked.
SavePort::Answer ConfirmSave(const std::filesystem::path& folder, SavePort& port);

// Whether the calendar day of the clock is no longer the day of the row of
// the displayed period (the program ran past midnight).
bool ClockLeftRowDay(int row);

// The clock time as the leaving time of the row's day, "h:nn" counted from
// the start of that day: 1:30 the next morning is "25:30". The plain clock
// time on the row's own day or for a row without a date; empty when the
// clock stands before the row's day or 100 hours or more after its start.
std::string LeavingClockText(int row);

// The close query's own work: commit, the save question, the automatic
// leaving time and its save. False keeps the program open (Cancel, or a
// save that failed). Past midnight the leaving time is always asked for.
bool CloseQuery(const std::filesystem::path& folder, PeriodView& view, SavePort& port);

// The automatic arrival time of today's row at start, by "Autostart" and
// "Autostartflg". It never replaces an arrival time already there.
void AutoEnterTime(PeriodView& view);
