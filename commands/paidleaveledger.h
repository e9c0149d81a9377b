#pragma once

#include "records/csvfile.h"
#include "records/datafilewrite.h"

#include <array>
#include <filesystem>
#include <string>
#include <vector>

class SavePort;

// The paid-leave ledger window's working copy and its rules, as plain code
// over the program-wide ledger (KuriZan, KuriFlg, NowZan, VacationRecords,
// VacationCount, LeaveYear). The window only moves these texts to and from
// its controls.

inline constexpr int LeaveSheetRows = 100; // rows 1..100 below the header row 0
inline constexpr int LeaveSheetCols = 7;   // No., date, weekday, kind, days, balance, remark
inline constexpr int LeaveRemarkByteLimit = 200;

enum LeaveColumn {
    LeaveNoCol = 0,
    LeaveDateCol = 1,
    LeaveWeekdayCol = 2,
    LeaveKindCol = 3,
    LeaveDaysCol = 4,
    LeaveBalanceCol = 5,
    LeaveRemarkCol = 6,
};

// The window's boxes and grid as texts.
struct LeaveSheet {
    std::string carryOver; // "前年繰越日数"
    int capIndex = 0;      // 0 "20日とする", 1 "制限なし"
    std::string grant;     // "本年付与日数"
    std::string remaining; // "現在残日数"
    std::array<std::array<std::string, LeaveSheetCols>, LeaveSheetRows + 1> cells{};

    std::string& Cell(int col, int row) { return cells[row][col]; }
    const std::string& Cell(int col, int row) const { return cells[row][col]; }
};

// "4月から2005年3月まで": from the grant month of the settings (clamped into
// 1..12) of the year to the month before the next grant.
std::string LeaveSpanText(int year);

// The sheet of the ledger in memory (the window's build step). A cap switch
// other than 1 becomes 0 in the ledger too.
LeaveSheet BuildLeaveSheet();

// "再計算" without the sort: formats the boxes, and from the carry-over (cut
// to 20 days when capIndex is 0) plus the grant takes each row's days away,
// writing the balance after each row that has a date and a kind. Sets
// VacationCount to the number of such rows.
void RecalcLeaveBalance(LeaveSheet& sheet);

// Normalises each row's date (and its weekday from it), clears rows whose
// date is missing or no date, sorts the rows ascending by the column with
// blank cells last, and renumbers them. A column outside the sheet changes
// nothing.
void SortLeaveRows(LeaveSheet& sheet, int column);

// True when the sheet differs from the ledger in memory; numbers are
// compared as the window shows them, one decimal.
bool IsLeaveDataChanged(const LeaveSheet& sheet);

// Sort and recompute, take the sheet into the ledger in memory, and write
// the paid-leave file of LeaveYear. The day kinds of the year slots are not
// touched: the sheet cannot change a kind.
DataFileWrite SaveLeaveSheet(const std::filesystem::path& folder, LeaveSheet& sheet);

// Loads LeaveYear's ledger and gives its sheet, recomputed.
LeaveSheet OpenLeaveLedger(const std::filesystem::path& folder);

// "保存" with its messages: a failed write or a backed-up file is reported
// through the port. True when the file was written.
bool SaveLeaveCommand(const std::filesystem::path& folder, LeaveSheet& sheet, SavePort& port);

// Before the shown ledger is left: without changes, or after "いいえ", true;
// after "はい" (or with "Saveflg" on) the save, true when it was written;
// "キャンセル" false.
bool MayLeaveLedger(const std::filesystem::path& folder, LeaveSheet& sheet, SavePort& port);

// The year list's choice: asks as above, then loads newYear into LeaveYear
// and the sheet. False when the shown year stays (same year, or cancelled).
bool ChangeLeaveYear(const std::filesystem::path& folder, LeaveSheet& sheet, SavePort& port,
                     int newYear);

// The CSV export of the sheet of a year: title lines, the header row and
// every row that has any text.
std::vector<CsvRow> LeaveCsvRows(const LeaveSheet& sheet, int year);
std::string LeaveCsvFileName(int year); // "2004年度有給休暇.csv"

// The texts of the cap list.
const std::array<std::string, 2>& LeaveCapTexts();
