#include "records/dates.h"

#include <gtest/gtest.h>

namespace {

TEST(Dates, SerialsWeekdaysAndDaysOfTheYear) {
    EXPECT_EQ(DaySerial({1899, 12, 30}), 0);
    EXPECT_EQ(DaySerial({2004, 9, 27}), 38257);
    EXPECT_EQ(DateFromSerial(38257), (CivilDate{2004, 9, 27}));
    EXPECT_EQ(WeekdayIndex({2004, 9, 27}), 1); // a Monday
    EXPECT_EQ(WeekdayText(WeekdayIndex({2004, 9, 26})), "日");
    EXPECT_EQ(DayOfYear({2004, 2, 29}), 60);
    EXPECT_EQ(DayOfYear({2004, 12, 31}), 366);
    EXPECT_EQ(DateFromDayOfYear(2005, 365), (CivilDate{2005, 12, 31}));
    EXPECT_EQ(AddDays({2004, 12, 31}, 1), (CivilDate{2005, 1, 1}));
    EXPECT_EQ(DaysInMonth(2004, 2), 29);
    EXPECT_EQ(DaysInMonth(2100, 2), 28);
    EXPECT_EQ(DaysInMonth(2004, 13), 0);
}

TEST(Dates, TextsInBothForms) {
    EXPECT_EQ(FullDateText({2004, 9, 5}), "2004/9/5");
    EXPECT_EQ(MonthDayText({2004, 9, 5}), "9/05");
    EXPECT_EQ(MonthDayText({2004, 12, 31}), "12/31");
    EXPECT_EQ(ParseFullDate("2004/09/05"), (CivilDate{2004, 9, 5}));
    EXPECT_FALSE(ParseFullDate("2004/2/30"));
    EXPECT_FALSE(ParseFullDate("2004/2/3x"));
    EXPECT_FALSE(ParseFullDate("2004-2-3"));
    EXPECT_FALSE(ParseFullDate(""));
}

} // namespace
