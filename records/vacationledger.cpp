#include "vacation.h"

#include "datanumbers.h"
#include "dayfile.h"
#include "initable.h"
#include "state.h"

#include <algorithm>
#include <memory>
#include <utility>

namespace {

constexpr float CarryOverCap = 20.0f;

bool IsLeaveKind(std::string_view kind) {
    return kind == DayKindText(DayKind::AnnualLeave) ||
           kind == DayKindText(DayKind::MorningLeave) ||
           kind == DayKindText(DayKind::AfternoonLeave);
}

bool SlotHolds(int slot, int year) {
    return SlotRecords(slot) != nullptr && YearSlotYear[slot] == year;
}

int SlotDayCount(int slot, int year) {
    return std::min({YearSlotDays[slot], DaysInYear(year), YearSlotSize - 1});
}

// Walks the leave days of days 1..dayCount in order, at most one record's
// worth each up to the ledger's limit, and gives take(d, day, remark) each,
// with the remark its record carries: the first remark an old record of
// that date had. Says which old records and remarks no leave day took back.
template <typename Take>
LedgerRebuild MatchLeaveDays(const std::vector<Vacation>& previous, const YearDays& days,
                             int dayCount, int year, Take take) {
    LedgerRebuild result;
    // Remarks belong to the day they were written for, wherever that day's
    // record ends up after the rebuild; so does the record itself. The old
    // records by date, to see which of them and of their remarks come back.
    struct OldRecord {
        long serial;
        const Vacation* record;
        bool kept = false;       // a rebuilt record of its date and kind
        bool remarkKept = false; // its remark is the one its date's record took
    };
    std::vector<OldRecord> old;
    old.reserve(previous.size());
    for (const Vacation& record : previous) {
        if (std::optional<CivilDate> date = ParseFullDate(TrimBlanks(record.Date))) {
            old.push_back({DaySerial(*date), &record});
        }
    }
    std::stable_sort(old.begin(), old.end(),
                     [](const OldRecord& a, const OldRecord& b) { return a.serial < b.serial; });

    static const std::string NoRemark;
    int records = 0;
    dayCount = std::clamp(dayCount, 0, YearSlotSize - 1);
    for (int d = 1; d <= dayCount; ++d) {
        const Recode1& day = days[d];
        if (!IsLeaveKind(day.Kind)) {
            continue;
        }
        if (records == MaxVacationRecords) {
            result.reachedLimit = true;
            continue;
        }
        ++records;
        const long serial = DaySerial(DateFromDayOfYear(year, d));
        auto [first, last] = std::equal_range(
            old.begin(), old.end(), OldRecord{serial, nullptr},
            [](const OldRecord& a, const OldRecord& b) { return a.serial < b.serial; });
        const std::string* remark = &NoRemark;
        for (auto it = first; it != last; ++it) {
            if (remark->empty()) {
                remark = &it->record->Remark;
            }
            it->kept = it->kept || it->record->Kind == day.Kind;
        }
        for (auto it = first; it != last; ++it) {
            it->remarkKept = it->record->Remark.empty() || it->record->Remark == *remark;
        }
        take(d, day, *remark);
    }
    for (const OldRecord& record : old) {
        result.droppedRecord = result.droppedRecord || !record.kept;
        result.droppedRemark =
            result.droppedRemark || (!record.record->Remark.empty() && !record.remarkKept);
    }
    result.rebuilt = true;
    return result;
}

} // namespace

LedgerRebuild RebuildLedger(VacationLedger& ledger, const YearDays& days, int dayCount, int year) {
    const std::vector<Vacation> previous = std::move(ledger.records);
    float carry = ledger.kuriZan;
    if (ledger.kuriFlg != 1 && ledger.kuriZan > CarryOverCap) {
        carry = CarryOverCap;
    }
    float balance = ledger.nowZan + carry;
    ledger.records.clear();
    ledger.records.reserve(previous.size());
    const std::string yearPrefix = std::to_string(year) + "/";
    return MatchLeaveDays(previous, days, dayCount, year,
                          [&](int, const Recode1& day, const std::string& remark) {
                              Vacation& record = ledger.records.emplace_back();
                              record.Date = yearPrefix + day.Date;
                              record.Weekday = day.Weekday;
                              record.Kind = day.Kind;
                              bool fullDay = day.Kind == DayKindText(DayKind::AnnualLeave);
                              record.Days = fullDay ? "1.0" : "0.5";
                              balance -= fullDay ? 1.0f : 0.5f;
                              record.Balance = FormatOneDecimal(balance);
                              record.Remark = remark;
                          });
}

namespace {

// Whether the day kinds of the day file's bytes rebuild every record of the
// ledger: then a record the save drops is one whose leave day the user took
// back. No day file holds no leave day.
bool DayFileHoldsEveryRecord(const std::optional<std::string>& dayFile,
                             const std::vector<Vacation>& records, int year) {
    auto days = std::make_unique<YearDays>();
    const int count = DaysInYear(year);
    for (int d = 1; d <= count; ++d) {
        (*days)[d].Date = MonthDayText(DateFromDayOfYear(year, d));
    }
    if (dayFile) {
        ReadDayFileBytes(*dayFile, *days, count);
    }
    return !MatchLeaveDays(records, *days, count, year,
                           [](int, const Recode1&, const std::string&) {})
                .droppedRecord;
}

} // namespace

LedgerRebuild RebuildVacationLedger(const std::filesystem::path& folder, int slot, int year,
                                    const std::optional<std::string>& dayFileBefore) {
    if (!SlotHolds(slot, year)) {
        return {};
    }
    VacationLedger ledger = ReadVacationFile(folder, year).ledger;
    const std::vector<Vacation> old = ledger.records;
    LedgerRebuild result =
        RebuildLedger(ledger, *SlotRecords(slot), SlotDayCount(slot, year), year);
    result.dropsFromFile =
        result.droppedRemark ||
        (result.droppedRecord && !DayFileHoldsEveryRecord(dayFileBefore, old, year));
    UseLedger(std::move(ledger));
    return result;
}

CivilDate AddMonthsDays(const CivilDate& date, int years, int months, int days) {
    long long y = static_cast<long long>(date.year) + years;
    long long m = static_cast<long long>(date.month) + months;
    if (m <= 0) {
        y += m / 12 - 1;
        m = 12 - (-m) % 12;
    } else if (m > 12) {
        y += (m - 1) / 12;
        m = (m - 1) % 12 + 1;
    }
    if (y < 1 || y > 9999 || !IsValidDate(static_cast<int>(y), static_cast<int>(m), date.day)) {
        return date;
    }
    return AddDays({static_cast<int>(y), static_cast<int>(m), date.day}, days);
}
