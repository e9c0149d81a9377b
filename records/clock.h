#pragma once

#include <optional>

// Every "now" of the program is read here, so tests can fix the time.
struct LocalDateTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

LocalDateTime ClockNow();

// A fixed time for tests; std::nullopt returns to the system clock.
void SetClockForTest(std::optional<LocalDateTime> fixed);
