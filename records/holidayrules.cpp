#include "holidayrules.h"

#include "dates.h"

namespace {

// The day of the month of the n-th Monday.
int NthMonday(int year, int month, int n) {
    const int firstWeekday = WeekdayIndex({year, month, 1}); // 0 = Sunday
    const int firstMonday = 1 + (8 - firstWeekday) % 7;
    return firstMonday + 7 * (n - 1);
}

// The equinox day of its month by the formula the observatory's dates follow
// from 1980 to 2099; base is the day's constant in millionths.
int EquinoxDay(int year, long base) {
    const long since = year - 1980;
    return static_cast<int>((base + 242194 * since) / 1000000 - since / 4);
}

// The holidays the law names, without the days off that follow from them.
std::vector<DatedHoliday> NamedHolidays(int year) {
    std::vector<DatedHoliday> days = {
        {1, 1, "元日"},
        {1, NthMonday(year, 1, 2), "成人の日"},
        {2, 11, "建国記念の日"},
        {3, EquinoxDay(year, 20843100), "春分の日"},
        {4, 29, "昭和の日"},
        {5, 3, "憲法記念日"},
        {5, 4, "みどりの日"},
        {5, 5, "こどもの日"},
        {9, NthMonday(year, 9, 3), "敬老の日"},
        {9, EquinoxDay(year, 23248800), "秋分の日"},
        {11, 3, "文化の日"},
        {11, 23, "勤労感謝の日"},
    };
    // The summer of the Tokyo games moved three holidays, twice.
    if (year == 2020) {
        days.insert(days.end(), {{7, 23, "海の日"}, {7, 24, "スポーツの日"}, {8, 10, "山の日"}});
    } else if (year == 2021) {
        days.insert(days.end(), {{7, 22, "海の日"}, {7, 23, "スポーツの日"}, {8, 8, "山の日"}});
    } else {
        days.push_back({7, NthMonday(year, 7, 3), "海の日"});
        days.push_back({10, NthMonday(year, 10, 2), year < 2020 ? "体育の日" : "スポーツの日"});
        if (year >= 2016) {
            days.push_back({8, 11, "山の日"});
        }
    }
    // The Emperor's birthday follows the reigning Emperor; in the year of
    // the accession there was none.
    if (year <= 2018) {
        days.push_back({12, 23, "天皇誕生日"});
    } else if (year >= 2020) {
        days.push_back({2, 23, "天皇誕生日"});
    } else {
        days.insert(days.end(), {{5, 1, "即位の日"}, {10, 22, "即位礼正殿の儀"}});
    }
    return days;
}

} // namespace

std::vector<DatedHoliday> HolidaysByLaw(int year) {
    const std::vector<DatedHoliday> named = NamedHolidays(year);
    // By day of the year, 1..365 or 366.
    std::vector<std::string_view> byDay(static_cast<std::size_t>(DaysInYear(year)) + 1);
    std::vector<bool> isNamed(byDay.size());
    for (const DatedHoliday& holiday : named) {
        const auto d = static_cast<std::size_t>(DayOfYear({year, holiday.month, holiday.day}));
        byDay[d] = holiday.name;
        isNamed[d] = true;
    }
    const std::size_t lastDay = byDay.size() - 1;
    for (std::size_t d = 1; d <= lastDay; ++d) {
        // A holiday on a Sunday gives the first following day that is no
        // holiday itself.
        if (isNamed[d] && WeekdayIndex(DateFromDayOfYear(year, static_cast<int>(d))) == 0) {
            std::size_t off = d + 1;
            while (off <= lastDay && isNamed[off]) {
                ++off;
            }
            if (off <= lastDay && byDay[off].empty()) {
                byDay[off] = "振替休日";
            }
        }
    }
    for (std::size_t d = 2; d < lastDay; ++d) {
        // Only named holidays on both sides make a day between them free.
        if (byDay[d].empty() && isNamed[d - 1] && isNamed[d + 1]) {
            byDay[d] = "国民の休日";
        }
    }
    std::vector<DatedHoliday> days;
    for (std::size_t d = 1; d <= lastDay; ++d) {
        if (!byDay[d].empty()) {
            const CivilDate date = DateFromDayOfYear(year, static_cast<int>(d));
            days.push_back({date.month, date.day, byDay[d]});
        }
    }
    return days;
}
