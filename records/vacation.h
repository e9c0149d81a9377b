#pragma once

#include "datafilewrite.h"
#include "dates.h"
#include "dayfile.h"
#include "records.h"

#include <cstdint>
#include <filesystem>
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

// Reads a paid-leave file's bytes. Records are renumbered from 1 in key
// order; dates become "yyyy/mm/dd" with the weekday taken from the date; a
// value whose date cannot be read keeps its place as an empty record. A
// "System" value that is no number reads as 0, and its key goes into
// unreadNumbers. Read, or Unrecognised (neither section, or not CP932: the
// ledger stays 0 / 0 / 0 without records).
FileState ReadVacationFileBytes(std::string_view bytes, VacationLedger& ledger,
                                std::vector<std::string>* unreadNumbers = nullptr);
// The paid-leave file of the ledger as bytes (CP932, CR LF). Sections, keys
// and comments of a recognised old file that the program does not use are
// kept; "VacationData" is written anew after them.
std::string VacationFileBytes(std::string_view oldBytes, const VacationLedger& ledger);

// Whether the file's bytes come back unchanged when its values and records,
// as it stores them, are written again. True of every file the program
// writes.
bool VacationFileRoundTrips(std::string_view bytes);

// What a rebuild did to the ledger it started from.
struct LedgerRebuild {
    bool rebuilt = false;       // false: the slot does not hold the year
    bool reachedLimit = false;  // more leave days than records; the first 100 are kept
    bool droppedRecord = false; // a record whose day is no longer that leave day
    bool droppedRemark = false; // a remark whose record is gone, or a second on one date
    // The rebuild drops a remark of the file, or a record that the day file
    // as it was before this save did not hold either (so not one the user
    // took back in the grid): the old file is kept as a backup.
    bool dropsFromFile = false;
};

// The year's paid-leave file as it is now: what it holds, or its status when
// it is missing or cannot be read. Notes the bytes for the next save (see
// NoteFileRead) and tells the user (see filenotices.h) of a file that cannot
// be read or is not recognised, and of a value that is no number.
struct VacationFileRead {
    ReadStatus status = ReadStatus::Missing;
    FileState state = FileState::Missing;
    VacationLedger ledger;
};
VacationFileRead ReadVacationFile(const std::filesystem::path& folder, int year);

// Reads the year's file into KuriZan, KuriFlg, NowZan and VacationRecords
// 1..VacationCount. A missing or unreadable file gives 0 / 0 / 0 and no
// records, so that no other year's values carry over. 1 when read, else 0.
int LoadVacationFile(const std::filesystem::path& folder, int year);

// Writes the ledger in memory as the year's file (VacationFileBytes over the
// file as it is at the save, then ReplaceDataFile). The ledger must be the
// year's (loaded or rebuilt for it). After a rebuild, pass it: a remark or
// record it drops keeps the old file as a backup.
DataFileWrite SaveVacationFile(const std::filesystem::path& folder, int year,
                               const LedgerRebuild& rebuild = {});

// Rebuilds the ledger's records and balances from the day kinds of days
// 1..dayCount of the year, with its carry-over, cap switch and grant
// (carry-over capped at 20 days unless the cap switch is 1). A remark stays
// with the record of its date.
LedgerRebuild RebuildLedger(VacationLedger& ledger, const YearDays& days, int dayCount, int year);

// The save's rebuild: reads the year's own paid-leave file as it is now
// (carry-over, cap switch, grant, remarks; 0 / 0 / 0 without a file), then
// rebuilds its records from the slot's day kinds into the ledger in memory.
// dayFileBefore holds the year's day file as it was before this save
// replaced it (nothing when there was none). Follow it with
// SaveVacationFile for the same year.
LedgerRebuild RebuildVacationLedger(const std::filesystem::path& folder, int slot, int year,
                                    const std::optional<std::string>& dayFileBefore = std::nullopt);

// The date moved by whole years, whole months (day of the month kept) and
// days; when the day does not exist in the target month, the date unchanged.
CivilDate AddMonthsDays(const CivilDate& date, int years, int months, int days);
