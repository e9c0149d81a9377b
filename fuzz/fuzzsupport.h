#pragma once

#include "records/dayfile.h"
#include "records/holidays.h"
#include "records/state.h"

#include <cstdio>
#include <cstdlib>
#include <string>

// A file written from what was read, read and written again, must come out
// the same: what the program saves is what it loads.
inline void RequireSame(const std::string& first, const std::string& second) {
    if (first != second) {
        std::fprintf(stderr, "a written file changed when it was read and written again\n");
        std::abort();
    }
}

inline void Require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "%s\n", what);
        std::abort();
    }
}

// The days of 2004 as a slot is built before its file is read over it; the
// first call also leaves them in YearSlot2.
inline const YearDays& BuiltYear2004() {
    static const YearDays days = [] {
        ResetProgramState();
        BuildHolidayTable(2004);
        BuildYearCalendar(2004);
        InitDayTable(2, 2004);
        MarkWeeklyHolidays(2, 2004);
        return YearSlot2;
    }();
    return days;
}
