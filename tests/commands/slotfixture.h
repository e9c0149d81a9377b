#pragma once

#include "records/dates.h"
#include "records/state.h"

// Fills a year slot by hand: dates and weekdays, every value empty, so the
// period commands can be tested apart from the file readers.
inline void FillSlotByHand(int slot, int year) {
    auto& days = slot == 1 ? YearSlot1 : YearSlot2;
    YearSlotYear[static_cast<std::size_t>(slot)] = year;
    YearSlotDays[static_cast<std::size_t>(slot)] = DaysInYear(year);
    for (int d = 1; d <= DaysInYear(year); ++d) {
        CivilDate date = DateFromDayOfYear(year, d);
        days[static_cast<std::size_t>(d)] = Recode1{};
        days[static_cast<std::size_t>(d)].Date = MonthDayText(date);
        days[static_cast<std::size_t>(d)].Weekday = WeekdayText(WeekdayIndex(date));
    }
}

inline Recode1& SlotDay(int slot, int month, int day) {
    auto& days = slot == 1 ? YearSlot1 : YearSlot2;
    int year = YearSlotYear[static_cast<std::size_t>(slot)];
    return days[static_cast<std::size_t>(DayOfYear({year, month, day}))];
}
