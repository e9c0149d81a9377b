#include "paidleaveledger.h"

#include "commands/savecycle.h"
#include "records/datanumbers.h"
#include "records/dates.h"
#include "records/initable.h"
#include "records/settings.h"
#include "records/state.h"
#include "records/vacation.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>

namespace {

constexpr float CarryOverCap = 20.0f;

const std::array<std::string, LeaveSheetCols>& HeaderTexts() {
    static const std::array<std::string, LeaveSheetCols> headers{
        "No．", "日　付", "曜", "区分", "日数", "残数", "　備　考　"};
    return headers;
}

std::string RowNumber(int row) {
    return std::to_string(row) + " ";
}

std::string PaddedDate(const CivilDate& date) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d/%02d/%02d", date.year, date.month, date.day);
    return text;
}

std::optional<CivilDate> CellDate(const std::string& text) {
    return ParseFullDate(TrimBlanks(text));
}

// A box's or cell's number as the window reads it: the whole text, blanks
// around it allowed; anything else counts as 0.
float NumberOf(const std::string& text) {
    return WholeSingle(text);
}

std::string Shown(float value) {
    return FormatOneDecimal(value);
}

// The whole text as a number, or nothing: the sort's test whether a column
// holds numbers.
std::optional<double> WholeNumber(std::string_view text) {
    text = TrimBlanks(text);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    double value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() ||
        !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

bool Blank(const std::string& text) {
    return TrimBlanks(text).empty();
}

// Whether row j's cell belongs before row i's.
bool MovesUp(const std::string& upper, const std::string& lower) {
    if (Blank(lower)) {
        return false;
    }
    if (Blank(upper)) {
        return true;
    }
    std::optional<double> a = WholeNumber(upper);
    std::optional<double> b = WholeNumber(lower);
    if (a && b) {
        return *a > *b;
    }
    return upper > lower;
}

// The ledger in memory from the sheet; the records past the sheet's dated
// rows are emptied so that nothing stale stays behind them.
void StoreLeaveSheet(const LeaveSheet& sheet) {
    KuriZan = NumberOf(sheet.carryOver);
    KuriFlg = sheet.capIndex == 1 ? 1 : 0;
    NowZan = NumberOf(sheet.grant);
    int count = 0;
    for (int r = 1; r <= LeaveSheetRows; ++r) {
        if (sheet.Cell(LeaveDateCol, r).empty()) {
            continue;
        }
        Vacation& record = VacationRecords[++count];
        record.Date = sheet.Cell(LeaveDateCol, r);
        record.Weekday = sheet.Cell(LeaveWeekdayCol, r);
        record.Kind = sheet.Cell(LeaveKindCol, r);
        record.Days = sheet.Cell(LeaveDaysCol, r);
        record.Balance = sheet.Cell(LeaveBalanceCol, r);
        record.Remark = sheet.Cell(LeaveRemarkCol, r);
    }
    for (int i = count + 1; i <= MaxVacationRecords; ++i) {
        VacationRecords[i] = {};
    }
    VacationCount = count;
}

} // namespace

const std::array<std::string, 2>& LeaveCapTexts() {
    static const std::array<std::string, 2> texts{"20日とする", "制限なし"};
    return texts;
}

std::string LeaveSpanText(int year) {
    int month = EffectiveLeaveGrantMonth();
    CivilDate end = AddMonthsDays({year, month, 1}, 0, 11, 0);
    return std::to_string(month) + "月から" + std::to_string(end.year) + "年" +
           std::to_string(end.month) + "月まで";
}

LeaveSheet BuildLeaveSheet() {
    LeaveSheet sheet;
    sheet.carryOver = Shown(KuriZan);
    sheet.grant = Shown(NowZan);
    if (KuriFlg != 1) {
        KuriFlg = 0;
    }
    sheet.capIndex = KuriFlg;
    sheet.cells[0] = HeaderTexts();
    for (int r = 1; r <= LeaveSheetRows; ++r) {
        sheet.Cell(LeaveNoCol, r) = RowNumber(r);
        const Vacation& record = VacationRecords[r];
        std::optional<CivilDate> date = CellDate(record.Date);
        if (!date) {
            continue;
        }
        sheet.Cell(LeaveDateCol, r) = PaddedDate(*date);
        sheet.Cell(LeaveWeekdayCol, r) = record.Weekday;
        sheet.Cell(LeaveKindCol, r) = record.Kind;
        sheet.Cell(LeaveDaysCol, r) = record.Days;
        sheet.Cell(LeaveBalanceCol, r) = record.Balance;
        sheet.Cell(LeaveRemarkCol, r) = record.Remark;
    }
    return sheet;
}

void RecalcLeaveBalance(LeaveSheet& sheet) {
    sheet.carryOver = Shown(NumberOf(sheet.carryOver));
    sheet.grant = Shown(NumberOf(sheet.grant));
    float carry = NumberOf(sheet.carryOver);
    if (sheet.capIndex == 0 && carry > CarryOverCap) {
        carry = CarryOverCap;
    }
    float balance = NumberOf(sheet.grant) + carry;
    int count = 0;
    for (int r = 1; r <= LeaveSheetRows; ++r) {
        if (Blank(sheet.Cell(LeaveDateCol, r)) || Blank(sheet.Cell(LeaveKindCol, r))) {
            continue;
        }
        ++count;
        float days = NumberOf(sheet.Cell(LeaveDaysCol, r));
        balance -= days;
        sheet.Cell(LeaveDaysCol, r) = Shown(days);
        sheet.Cell(LeaveBalanceCol, r) = Shown(balance);
    }
    VacationCount = count;
    sheet.remaining = Shown(balance);
}

void SortLeaveRows(LeaveSheet& sheet, int column) {
    if (column < 0 || column >= LeaveSheetCols) {
        return;
    }
    for (int r = 1; r <= LeaveSheetRows; ++r) {
        std::optional<CivilDate> date = CellDate(sheet.Cell(LeaveDateCol, r));
        if (sheet.Cell(LeaveDateCol, r).empty() || !date) {
            for (int c = LeaveDateCol; c < LeaveSheetCols; ++c) {
                sheet.Cell(c, r).clear();
            }
            continue;
        }
        sheet.Cell(LeaveDateCol, r) = PaddedDate(*date);
        sheet.Cell(LeaveWeekdayCol, r) = WeekdayText(WeekdayIndex(*date));
    }
    for (int i = 1; i < LeaveSheetRows; ++i) {
        for (int j = i + 1; j <= LeaveSheetRows; ++j) {
            if (MovesUp(sheet.Cell(column, i), sheet.Cell(column, j))) {
                std::swap(sheet.cells[i], sheet.cells[j]);
            }
        }
        sheet.Cell(LeaveNoCol, i) = RowNumber(i);
    }
    sheet.Cell(LeaveNoCol, LeaveSheetRows) = RowNumber(LeaveSheetRows);
}

bool IsLeaveDataChanged(const LeaveSheet& sheet) {
    auto shownNumber = [](const std::string& text) { return Shown(NumberOf(text)); };
    if (shownNumber(sheet.carryOver) != Shown(KuriZan) || sheet.capIndex != KuriFlg ||
        shownNumber(sheet.grant) != Shown(NowZan)) {
        return true;
    }
    for (int r = 1; r <= LeaveSheetRows; ++r) {
        const Vacation& record = VacationRecords[r];
        if (sheet.Cell(LeaveDateCol, r) != record.Date ||
            sheet.Cell(LeaveWeekdayCol, r) != record.Weekday ||
            sheet.Cell(LeaveKindCol, r) != record.Kind ||
            shownNumber(sheet.Cell(LeaveDaysCol, r)) != shownNumber(record.Days) ||
            shownNumber(sheet.Cell(LeaveBalanceCol, r)) != shownNumber(record.Balance) ||
            sheet.Cell(LeaveRemarkCol, r) != record.Remark) {
            return true;
        }
    }
    return false;
}

DataFileWrite SaveLeaveSheet(const std::filesystem::path& folder, LeaveSheet& sheet) {
    SortLeaveRows(sheet, LeaveDateCol);
    RecalcLeaveBalance(sheet);
    // A failed write leaves the ledger in memory as it was, so the sheet
    // still counts as changed and is not given up without a question.
    const float kuriZan = KuriZan;
    const std::int32_t kuriFlg = KuriFlg;
    const float nowZan = NowZan;
    const auto records = VacationRecords;
    StoreLeaveSheet(sheet);
    DataFileWrite write = SaveVacationFile(folder, LeaveYear);
    if (!write.written) {
        KuriZan = kuriZan;
        KuriFlg = kuriFlg;
        NowZan = nowZan;
        VacationRecords = records;
    }
    return write;
}

LeaveSheet OpenLeaveLedger(const std::filesystem::path& folder) {
    LoadVacationFile(folder, LeaveYear);
    LeaveSheet sheet = BuildLeaveSheet();
    RecalcLeaveBalance(sheet);
    return sheet;
}

bool SaveLeaveCommand(const std::filesystem::path& folder, LeaveSheet& sheet, SavePort& port) {
    return ReportedWrite(SaveLeaveSheet(folder, sheet), port);
}

bool MayLeaveLedger(const std::filesystem::path& folder, LeaveSheet& sheet, SavePort& port) {
    if (!IsLeaveDataChanged(sheet)) {
        return true;
    }
    SavePort::Answer answer = Settings.Saveflg != 0 ? SavePort::Answer::Yes : port.AskSave();
    switch (answer) {
    case SavePort::Answer::Yes:
        return SaveLeaveCommand(folder, sheet, port);
    case SavePort::Answer::No:
        return true;
    case SavePort::Answer::Cancel:
        break;
    }
    return false;
}

bool ChangeLeaveYear(const std::filesystem::path& folder, LeaveSheet& sheet, SavePort& port,
                     int newYear) {
    if (newYear == LeaveYear || !MayLeaveLedger(folder, sheet, port)) {
        return false;
    }
    LeaveYear = newYear;
    sheet = OpenLeaveLedger(folder);
    return true;
}

std::vector<CsvRow> LeaveCsvRows(const LeaveSheet& sheet, int year) {
    std::vector<CsvRow> rows;
    const std::string& cap = LeaveCapTexts()[sheet.capIndex == 1 ? 1 : 0];
    rows.push_back({std::to_string(year) + "年"});
    rows.push_back({"前年繰越日数:" + sheet.carryOver + "日" + "  20日を超える場合：" + cap});
    rows.push_back({"本年付与日数:" + sheet.grant + "日"});
    rows.push_back({"現在残日数  :" + sheet.remaining + "日"});
    CsvRow header(sheet.cells[0].begin(), sheet.cells[0].end());
    for (std::string& title : header) {
        std::erase(title, '\n');
    }
    rows.push_back(header);
    for (int r = 1; r <= LeaveSheetRows; ++r) {
        const auto& row = sheet.cells[r];
        if (std::any_of(row.begin() + 1, row.end(), [](const auto& c) { return !c.empty(); })) {
            rows.emplace_back(row.begin(), row.end());
        }
    }
    return rows;
}

std::string LeaveCsvFileName(int year) {
    return std::to_string(year) + "年度有給休暇.csv";
}
