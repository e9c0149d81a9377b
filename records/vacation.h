#pragma once

#include "datafilewrite.h"
#include "dates.h"
#include "dayfile.h"
#include "records.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The paid-leave file of a year ("2004V.dat", INI sections "System" and
// "VacationData") and the paid-leave ledger held in KuriZan, KuriFlg, NowZan,
// VacationRecords 1..VacationCount.

std::string VacationFileName(int year); // "2004V.dat"

// A paid-leave file's values: carry-over, cap switch, grant and the records
// in key order (at most 100).
struct VacationLedger {
    float kuriZan = 0.0f;
    std::int32_t kuriFlg = 0;
    float nowZan = 0.0f;
    std::vector<Vacation> records;
};

// The ledger held in KuriZan, KuriFlg, NowZan and VacationRecords
// 1..VacationCount, and the other way round.
VacationLedger LedgerInMemory();
void UseLedger(VacationLedger ledger);

// What ReadVacationFileBytes made of a file's bytes.
struct VacationFileRead {
    FileState state = FileState::Unrecognised;
    VacationLedger ledger;
    // The file's text, decoded once: the save that replaces the file keeps
    // from it what the program does not use. Nothing when not CP932.
    std::optional<std::string> text;
};

// Reads a paid-leave file's bytes. Records are renumbered from 1 in key
// order; dates become "yyyy/mm/dd" with the weekday taken from the date; a
// value whose date cannot be read keeps its place as an empty record. Read;
// CutShort (the file ends inside a "VacationData" line: read as far as it
// goes); HoldsMore (a "VacationData" line the reader passes over: a key
// other than "1" to "100" or one of them twice, a line without "=", a record
// without a date or with more than six fields); or Unrecognised (neither
// section, or not CP932: the ledger stays 0 / 0 / 0 without records).
FileState ReadVacationFileBytes(std::string_view bytes, VacationLedger& ledger);
// What ReadVacationFileBytes would find, without reading the records.
FileState CheckVacationFileBytes(std::string_view bytes);
// The paid-leave file of the ledger as bytes (CP932, CR LF). Sections and
// keys of a recognised old file that the program does not use are kept;
// "VacationData" is written anew after them.
std::string VacationFileBytes(std::string_view oldBytes, const VacationLedger& ledger);

// What a rebuild did to the ledger it started from.
struct LedgerRebuild {
    bool rebuilt = false;       // false: the slot does not hold the year
    bool reachedLimit = false;  // more leave days than records; the first 100 are kept
    bool droppedRecord = false; // a record whose day is no longer that leave day
    bool droppedRemark = false; // a remark whose record is gone, or a second on one date
};

// At load, after the year's day file went into the slot: notes the year's
// paid-leave file for the user when it is there but cannot be read (see
// filenotices.h), and remembers whether a save's rebuild from the slot as
// loaded would keep every record and remark of it (see loadedfiles.h).
// Reads nothing into the ledger.
void CheckVacationFile(const std::filesystem::path& folder, int slot, int year);

// The year's file read as LoadVacationFile reads it (noted for the user and
// remembered the same way), without putting it into the ledger in memory;
// nullptr when it is missing or cannot be read.
std::shared_ptr<const VacationFileRead> ReadVacationFile(const std::filesystem::path& folder,
                                                         int year);

// Reads the year's file into KuriZan, KuriFlg, NowZan and VacationRecords
// 1..VacationCount. A missing or unreadable file gives 0 / 0 / 0 and no
// records, so that no other year's values carry over. 1 when read (also when
// cut short or holding more), else 0.
int LoadVacationFile(const std::filesystem::path& folder, int year);

// Writes the ledger in memory as the year's file (VacationFileBytes, then
// ReplaceDataFile). The ledger must be the year's (loaded or rebuilt for it).
// After a rebuild, pass it: a remark it dropped keeps the old file as a
// backup.
DataFileWrite SaveVacationFile(const std::filesystem::path& folder, int year,
                               const LedgerRebuild& rebuild = {});

// Rebuilds the ledger's records and balances from the day kinds of days
// 1..dayCount of the year, with its carry-over, cap switch and grant
// (carry-over capped at 20 days unless the cap switch is 1). A remark stays
// with the record of its date.
LedgerRebuild RebuildLedger(VacationLedger& ledger, const YearDays& days, int dayCount, int year);

// Whether rebuilding the ledger from the slot keeps every record (its date
// and kind) and every remark.
bool RebuildKeepsAll(const VacationLedger& ledger, int slot, int year);

// RebuildLedger over the ledger in memory and the slot's days.
LedgerRebuild RebuildVacationRecords(int slot, int year);

// The save's rebuild: reads the year's own paid-leave file first (carry-over,
// cap switch, grant, remarks; 0 / 0 / 0 without a file), then
// RebuildVacationRecords. Follow it with SaveVacationFile for the same year.
LedgerRebuild RebuildVacationLedger(const std::filesystem::path& folder, int slot, int year);

// The date moved by whole years, whole months (day of the month kept) and
// days; when the day does not exist in the target month, the date unchanged.
CivilDate AddMonthsDays(const CivilDate& date, int years, int months, int days);
