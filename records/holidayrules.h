#pragma once

#include <string_view>
#include <vector>

// Japan's national holidays as the holiday law has stood since 2014, worked
// out from its rules for any year from then on: the fixed days, the holidays
// on a Monday of their month, the equinoxes, the one-off days of 2019 to
// 2021, and the days off the law adds (振替休日 after a holiday on a Sunday,
// 国民の休日 between two holidays).

inline constexpr int FirstYearByLaw = 2014;

struct DatedHoliday {
    int month = 0;
    int day = 0;
    std::string_view name;
};

// Every holiday and day off of the year (FirstYearByLaw on), in date order.
std::vector<DatedHoliday> HolidaysByLaw(int year);
