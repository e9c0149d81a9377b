#pragma once

#include "datafilewrite.h"
#include "dates.h"

#include <filesystem>
#include <string>

// The paid-leave file of a year ("2004V.dat", INI sections "System" and
// "VacationData") and the paid-leave ledger held in KuriZan, KuriFlg, NowZan,
// VacationRecords 1..VacationCount.

std::string VacationFileName(int year); // "2004V.dat"

// Reads the year's file into the ledger. Records are renumbered from 1 in
// key order; dates become "yyyy/mm/dd" with the weekday taken from the date.
// A missing file (or one with neither section) gives 0 / 0 / 0 and no
// records, so that no other year's values carry over. 1 when read, else 0.
int LoadVacationFile(const std::filesystem::path& folder, int year);

// Writes the ledger as the year's file, keeping sections and keys of an
// existing file that the program does not use; "VacationData" is written
// anew after them. The ledger must be the year's (loaded or rebuilt for it).
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

// Copies the kind of each record dated in the year into that day of the slot.
// False when the slot does not hold the year.
bool ApplyVacationsToDays(int slot, int year);

// The date moved by whole years, whole months (day of the month kept) and
// days; when the day does not exist in the target month, the date unchanged.
CivilDate AddMonthsDays(const CivilDate& date, int years, int months, int days);
