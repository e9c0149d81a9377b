#pragma once

#include <array>
#include <cstdint>
#include <string>

// Record types shared by the whole program. Texts are UTF-8; times are time
// texts ("8:30", "" = not entered).

// One day of a displayed or summarised period. The ten grid columns are, in
// order, DateWeek[0], DateWeek[1], Kind and Values[0..6].
struct Workdt {
    std::string FullDate;                // "2004/9/27"
    std::array<std::string, 2> DateWeek; // "9/05", weekday "日".."土"
    std::string Kind;                    // a text of LeaveKinds
    std::array<std::string, 7> Values;   // see WorkValue

    // Grid column 0..9 of the main grid.
    std::string& Column(int column);
    const std::string& Column(int column) const;
};

// Index into Workdt::Values.
enum WorkValue {
    WorkRising = 0,
    WorkArrival = 1,
    WorkLeaving = 2,
    WorkBedtime = 3,
    WorkExercise = 4,
    WorkCondition = 5,
    WorkRemark = 6,
};

// One day of a year slot.
struct Recode1 {
    std::string Date;    // "m/dd"
    std::string Weekday; // "日".."土"
    std::string Kind;
    std::string Rising;
    std::string Arrival;
    std::string Leaving;
    std::string Bedtime;
    std::int32_t Exercise = 0; // 0 = none
    float Condition = 0.0f;    // 0 = none
    std::string Remark;
};
using Recode2 = Recode1;

// One day of the year calendar.
struct Holiday {
    std::string Date; // "m/dd"
    std::string Mark; // "休日" or ""
    std::string Name;
};

// One entry of the national-holiday table.
struct DefHoliday {
    std::string Date; // "m/d"
    std::string Name;
};

// One paid-leave record.
struct Vacation {
    std::string Date; // "yyyy/mm/dd"
    std::string Weekday;
    std::string Kind;    // "年休", "前休" or "後休"
    std::string Days;    // "1.0" or "0.5"
    std::string Balance; // one decimal
    std::string Remark;
};

// Computed times of one summary day: 0 sleep, 1 work, 2 overtime, 3 late night.
struct RectotalM {
    std::array<std::string, 6> Times;
};

// One row of a 12-month table.
struct Rectotal {
    std::string Label;
    std::array<std::string, 6> Values;
};
