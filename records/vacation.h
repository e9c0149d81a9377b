#pragma once

#include "datafilewrite.h"
#include "dates.h"
#include "records.h"

#include <cstdint>
#include <filesystem>
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
void UseLedger(const VacationLedger& ledger);

// Reads a paid-leave file's bytes. Records are renumbered from 1 in key
// order; dates become "yyyy/mm/dd" with the weekday taken from the date; a
// value whose date cannot be read keeps its place as an empty record. Read,
// CutShort (the file ends inside a "VacationData" line: read as far as it
// goes) or Unrecognised (neither section, or not CP932: the ledger stays 0 /
// 0 / 0 without records).
FileState ReadVacationFileBytes(std::string_view bytes, VacationLedger& ledger);
// What ReadVacationFileBytes would find, without reading the records.
FileState CheckVacationFileBytes(std::string_view bytes);
// The paid-leave file of the ledger as bytes (CP932, CR LF). Sections and
// keys of a recognised old file that the program does not use are kept;
// "VacationData" is written anew after them.
std::string VacationFileBytes(std::string_view oldBytes, const VacationLedger& ledger);

// Notes the year's paid-leave file for the user when it is there but cannot
// be read (see filenotices.h); reads nothing into the ledger.
void CheckVacationFile(const std::filesystem::path& folder, int year);

// Reads the year's file into KuriZan, KuriFlg, NowZan and VacationRecords
// 1..VacationCount. A missing or unreadable file gives 0 / 0 / 0 and no
// records, so that no other year's values carry over. 1 when read (also when
// cut short), else 0.
int LoadVacationFile(const std::filesystem::path& folder, int year);

// Writes the ledger in memory as the year's file (VacationFileBytes, then
// ReplaceDataFile). The ledger must be the year's (loaded or rebuilt for it).
DataFileWrite SaveVacationFile(const std::filesystem::path& folder, int year);

struct LedgerRebuild {
    bool rebuilt = false;      // false: the slot does not hold the year
    bool reachedLimit = false; // more leave days than records; the first 100 are kept
};

// Rebuilds the records and balances from the slot's day kinds with the
// carry-over, cap switch and grant in memory (carry-over capped at 20 days
// unless KuriFlg is 1). A remark stays with the record of its date.
LedgerRebuild RebuildVacationRecords(int slot, int year);

// The save's rebuild: reads the year's own paid-leave file first (carry-over,
// cap switch, grant, remarks; 0 / 0 / 0 without a file), then
// RebuildVacationRecords. Follow it with SaveVacationFile for the same year.
LedgerRebuild RebuildVacationLedger(const std::filesystem::path& folder, int slot, int year);

// The date moved by whole years, whole months (day of the month kept) and
// days; when the day does not exist in the target month, the date unchanged.
CivilDate AddMonthsDays(const CivilDate& date, int years, int months, int days);
