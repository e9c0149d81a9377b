#include "vacation.h"

#include "datanumbers.h"
#include "dayfile.h"
#include "initable.h"
#include "state.h"

#include <algorithm>
#include <map>

namespace {

constexpr float CarryOverCap = 20.0f;

bool IsLeaveKind(const std::string& kind) {
    return kind == "年休" || kind == "前休" || kind == "後休";
}

bool SlotHolds(int slot, int year) {
    return SlotRecords(slot) != nullptr && YearSlotYear[slot] == year;
}

int RecordsInUse() {
    return std::clamp(VacationCount, 0, MaxVacationRecords);
}

} // namespace

LedgerRebuild RebuildVacationRecords(int slot, int year) {
    LedgerRebuild result;
    if (!SlotHolds(slot, year)) {
        return result;
    }
    // Remarks belong to the day they were written for, wherever that day's
    // record ends up after the rebuild.
    std::map<long, std::string> remarks;
    for (int i = 1; i <= RecordsInUse(); ++i) {
        const Vacation& record = VacationRecords[i];
        std::optional<CivilDate> date = ParseFullDate(TrimBlanks(record.Date));
        if (date && !record.Remark.empty()) {
            remarks.emplace(DaySerial(*date), record.Remark);
        }
    }

    float carry = KuriZan;
    if (KuriFlg != 1 && KuriZan > CarryOverCap) {
        carry = CarryOverCap;
    }
    float balance = NowZan + carry;

    for (int i = 1; i <= MaxVacationRecords; ++i) {
        VacationRecords[i] = {};
    }
    int count = 0;
    const auto& days = *SlotRecords(slot);
    int dayCount = std::min({YearSlotDays[slot], DaysInYear(year), YearSlotSize - 1});
    for (int d = 1; d <= dayCount; ++d) {
        const Recode1& day = days[d];
        if (!IsLeaveKind(day.Kind)) {
            continue;
        }
        if (count == MaxVacationRecords) {
            result.reachedLimit = true;
            continue;
        }
        Vacation& record = VacationRecords[++count];
        record.Date = std::to_string(year) + "/" + day.Date;
        record.Weekday = day.Weekday;
        record.Kind = day.Kind;
        bool fullDay = day.Kind == "年休";
        record.Days = fullDay ? "1.0" : "0.5";
        balance -= fullDay ? 1.0f : 0.5f;
        record.Balance = FormatOneDecimal(balance);
        auto remark = remarks.find(DaySerial(DateFromDayOfYear(year, d)));
        if (remark != remarks.end()) {
            record.Remark = remark->second;
        }
    }
    VacationCount = count;
    result.rebuilt = true;
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
