#include "dates.h"

#include "datanumbers.h"

#include <array>
#include <chrono>

namespace chr = std::chrono;

namespace {

// 1899-12-30 as days since 1970-01-01.
constexpr long EpochOffset = -25569;

chr::year_month_day ToYmd(const CivilDate& d) {
    return chr::year_month_day{chr::year{d.year}, chr::month{static_cast<unsigned>(d.month)},
                               chr::day{static_cast<unsigned>(d.day)}};
}

CivilDate FromYmd(const chr::year_month_day& ymd) {
    return {static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
            static_cast<int>(static_cast<unsigned>(ymd.day()))};
}

std::optional<int> ReadNumber(std::string_view& text) {
    std::size_t consumed = 0;
    std::optional<std::int32_t> value = ScanDecimal(text, consumed);
    if (!value || (text.front() == '+')) {
        return std::nullopt;
    }
    text.remove_prefix(consumed);
    return value;
}

} // namespace

bool IsLeapYear(int year) {
    return chr::year{year}.is_leap();
}

int DaysInYear(int year) {
    return IsLeapYear(year) ? 366 : 365;
}

int DaysInMonth(int year, int month) {
    if (month < 1 || month > 12) {
        return 0;
    }
    auto last = chr::year_month_day_last{chr::year{year} /
                                         chr::month{static_cast<unsigned>(month)} / chr::last};
    return static_cast<int>(static_cast<unsigned>(last.day()));
}

bool IsValidDate(int year, int month, int day) {
    return year >= 1 && year <= 9999 && day >= 1 && day <= DaysInMonth(year, month);
}

int DayOfYear(const CivilDate& date) {
    return static_cast<int>(DaySerial(date) - DaySerial({date.year, 1, 1})) + 1;
}

CivilDate DateFromDayOfYear(int year, int day) {
    return DateFromSerial(DaySerial({year, 1, 1}) + day - 1);
}

int WeekdayIndex(const CivilDate& date) {
    return static_cast<int>(chr::weekday{chr::sys_days{ToYmd(date)}}.c_encoding());
}

long DaySerial(const CivilDate& date) {
    return static_cast<long>(chr::sys_days{ToYmd(date)}.time_since_epoch().count()) - EpochOffset;
}

CivilDate DateFromSerial(long serial) {
    return FromYmd(chr::year_month_day{chr::sys_days{chr::days{serial + EpochOffset}}});
}

CivilDate AddDays(const CivilDate& date, int days) {
    return DateFromSerial(DaySerial(date) + days);
}

const std::string& WeekdayText(int weekdayIndex) {
    static const std::array<std::string, 7> Names{"日", "月", "火", "水", "木", "金", "土"};
    // Asked for every day of a year: an index already in range needs no division.
    if (weekdayIndex < 0 || weekdayIndex > 6) {
        weekdayIndex = ((weekdayIndex % 7) + 7) % 7;
    }
    return Names[static_cast<std::size_t>(weekdayIndex)];
}

std::string FullDateText(const CivilDate& date) {
    return std::to_string(date.year) + "/" + std::to_string(date.month) + "/" +
           std::to_string(date.day);
}

std::string MonthDayText(const CivilDate& date) {
    if (date.month >= 1 && date.month <= 12 && date.day >= 1 && date.day <= 31) {
        // Asked for every day of a period, so without building pieces.
        char digits[5];
        std::size_t n = 0;
        if (date.month >= 10) {
            digits[n++] = '1';
        }
        digits[n++] = static_cast<char>('0' + date.month % 10);
        digits[n++] = '/';
        digits[n++] = static_cast<char>('0' + date.day / 10);
        digits[n++] = static_cast<char>('0' + date.day % 10);
        return std::string(digits, n);
    }
    std::string day = std::to_string(date.day);
    return std::to_string(date.month) + "/" + (day.size() < 2 ? "0" + day : day);
}

const std::array<std::string, 367>& MonthDayTexts(int year) {
    // Every calendar a load builds names its days: the texts are copied from
    // here rather than formatted each time.
    auto make = [](int days) {
        std::array<std::string, 367> texts;
        const int sample = days == 366 ? 2004 : 2003;
        for (int d = 1; d <= days; ++d) {
            texts[static_cast<std::size_t>(d)] = MonthDayText(DateFromDayOfYear(sample, d));
        }
        return texts;
    };
    static const std::array<std::string, 367> common = make(365);
    static const std::array<std::string, 367> leap = make(366);
    return IsLeapYear(year) ? leap : common;
}

std::optional<CivilDate> ParseFullDate(std::string_view text) {
    auto year = ReadNumber(text);
    if (!year || text.empty() || text.front() != '/') {
        return std::nullopt;
    }
    text.remove_prefix(1);
    auto month = ReadNumber(text);
    if (!month || text.empty() || text.front() != '/') {
        return std::nullopt;
    }
    text.remove_prefix(1);
    auto day = ReadNumber(text);
    if (!day || !text.empty() || !IsValidDate(*year, *month, *day)) {
        return std::nullopt;
    }
    return CivilDate{*year, *month, *day};
}
