#include "vacation.h"

#include "datanumbers.h"
#include "dayfile.h"
#include "initable.h"
#include "state.h"

#include <algorithm>
#include <map>
#include <set>

namespace {

constexpr float CarryOverCap = 20.0f;

bool IsLeaveKind(const std::string& kind) {
    return kind == "年休" || kind == "前休" || kind == "後休";
}

bool SlotHolds(int slot, int year) {
    return SlotRecords(slot) != nullptr && YearSlotYear[slot] == year;
}

int SlotDayCount(int slot, int year) {
    return std::min({YearSlotDays[slot], DaysInYear(year), YearSlotSize - 1});
}

} // namespace

LedgerRebuild RebuildLedger(VacationLedger& ledger, const YearDays& days, int dayCount, int year) {
    LedgerRebuild result;
    // Remarks belong to the day they were written for, wherever that day's
    // record ends up after the rebuild; so does the record itself.
    struct OldDay {
        std::set<std::string> kinds;
        std::string remark;
        bool remarkTaken = false;
    };
    std::map<long, OldDay> old;
    for (const Vacation& record : ledger.records) {
        std::optional<CivilDate> date = ParseFullDate(TrimBlanks(record.Date));
        if (!date) {
            continue;
        }
        OldDay& day = old[DaySerial(*date)];
        day.kinds.insert(record.Kind);
        if (record.Remark.empty()) {
            continue;
        }
        if (day.remark.empty()) {
            day.remark = record.Remark;
        } else if (day.remark != record.Remark) {
            // Two records of one date: only one of them can come back.
            result.droppedRemark = true;
        }
    }

    float carry = ledger.kuriZan;
    if (ledger.kuriFlg != 1 && ledger.kuriZan > CarryOverCap) {
        carry = CarryOverCap;
    }
    float balance = ledger.nowZan + carry;

    ledger.records.clear();
    dayCount = std::clamp(dayCount, 0, YearSlotSize - 1);
    for (int d = 1; d <= dayCount; ++d) {
        const Recode1& day = days[d];
        if (!IsLeaveKind(day.Kind)) {
            continue;
        }
        if (static_cast<int>(ledger.records.size()) == MaxVacationRecords) {
            result.reachedLimit = true;
            continue;
        }
        Vacation& record = ledger.records.emplace_back();
        record.Date = std::to_string(year) + "/" + day.Date;
        record.Weekday = day.Weekday;
        record.Kind = day.Kind;
        bool fullDay = day.Kind == "年休";
        record.Days = fullDay ? "1.0" : "0.5";
        balance -= fullDay ? 1.0f : 0.5f;
        record.Balance = FormatOneDecimal(balance);
        auto found = old.find(DaySerial(DateFromDayOfYear(year, d)));
        if (found != old.end()) {
            record.Remark = found->second.remark;
            found->second.remarkTaken = true;
            found->second.kinds.erase(day.Kind);
        }
    }
    for (const auto& [serial, day] : old) {
        result.droppedRecord = result.droppedRecord || !day.kinds.empty();
        result.droppedRemark = result.droppedRemark || (!day.remark.empty() && !day.remarkTaken);
    }
    result.rebuilt = true;
    return result;
}

bool RebuildKeepsAll(const VacationLedger& ledger, int slot, int year) {
    if (!SlotHolds(slot, year)) {
        return false;
    }
    VacationLedger rebuilt = ledger;
    LedgerRebuild result =
        RebuildLedger(rebuilt, *SlotRecords(slot), SlotDayCount(slot, year), year);
    return !result.droppedRecord && !result.droppedRemark;
}

LedgerRebuild RebuildVacationRecords(int slot, int year) {
    if (!SlotHolds(slot, year)) {
        return {};
    }
    VacationLedger ledger = LedgerInMemory();
    LedgerRebuild result =
        RebuildLedger(ledger, *SlotRecords(slot), SlotDayCount(slot, year), year);
    UseLedger(ledger);
    return result;
}

LedgerRebuild RebuildVacationLedger(const std::filesystem::path& folder, int slot, int year) {
    if (!SlotHolds(slot, year)) {
        return {};
    }
    LoadVacationFile(folder, year);
    return RebuildVacationRecords(slot, year);
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
