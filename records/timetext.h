#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Time texts: every clock time and duration of the program is held as hours
// without leading zeros, ":" and two-digit minutes ("8:05", "26:30",
// "100:39"). Hours of 24 and more are the next day (as a clock time) or
// simply count (as a duration). The empty text is a time not entered and
// reads as 0:00 everywhere.
//
// Reading: the hour part is what stands before the first ":", the minute
// part what follows it up to a second ":". A text without ":" reads 0:00.
// Most operations read the parts leniently (a part that is no integer counts
// as 0). The strict ones (TimeAdd, TimeDivide, TimeHalf, TimeCompare,
// TimeMultiply) refuse such a part and give std::nullopt, which the caller
// must handle. All arithmetic is on whole minutes; division truncates toward
// zero.

inline constexpr std::int64_t MinutesPerDay = 24 * 60;

// What a user typed into a time field as a time text: "" for empty input,
// input over 5 characters or input holding anything but digits, ":", ","
// and "."; "0:00" for such characters in a shape that is not a time,
// including one whose hours would reach 100; otherwise the time ("830" gives
// "8:30", "7,5" gives "7:50", "0:90" gives "1:30").
std::string NormalizeTimeText(std::string_view typed);

// What a user typed into a number field: digits only (allowDecimal 0) or
// digits with one inner "." (allowDecimal 1; "12." gives "12.0"), at most 6
// characters; "" for anything else.
std::string NormalizeNumberText(std::string_view typed, int allowDecimal);

// The two parts of a time text as written; both "0" when it has no ":".
struct TimeParts {
    std::string hours;
    std::string minutes;
};
TimeParts SplitTime(std::string_view time);

// A span put in order: an end earlier than its start is moved to the next
// day (hours + 24). Numbers are written plainly ("22:0", "29:0"); equal start
// and end stay equal (zero length, never a whole day). Lenient.
struct OrderedSpan {
    std::string start;
    std::string end;
};
OrderedSpan OrderSpan(std::string_view start, std::string_view end);

// The time from a to b, b taken on the next day when earlier; equal texts
// give "0:00". Lenient.
std::string TimeDiff(std::string_view a, std::string_view b);

// A one-character text with "0" in front; any other text unchanged.
std::string PadTwo(std::string_view text);

// a + b. Strict.
[[nodiscard]] std::optional<std::string> TimeAdd(std::string_view a, std::string_view b);

// a - b, "0:00" when b is later than a. Lenient.
std::string TimeSubClamp(std::string_view a, std::string_view b);

// (a - b1) - b2, each step not below "0:00". Lenient.
std::string TimeSub3(std::string_view a, std::string_view b1, std::string_view b2);

// time / n truncated; "0:00" for the empty text or n of 0. Strict.
[[nodiscard]] std::optional<std::string> TimeDivide(std::string_view time, int n);

// Whole days and the rest of a duration: "50:15" gives 2 days and "2:15".
// The minute part is kept as written. Lenient hours.
struct DaysAndTime {
    std::string hm;
    int days = 0;
};
DaysAndTime SplitDays(std::string_view time);

// time / 2 truncated ("9:45" gives "4:52"). Strict.
[[nodiscard]] std::optional<std::string> TimeHalf(std::string_view time);

// 0 when equal, 1 when b is earlier than a, 2 when b is later. Strict.
[[nodiscard]] std::optional<int> TimeCompare(std::string_view a, std::string_view b);

// time × n. Strict.
[[nodiscard]] std::optional<std::string> TimeMultiply(std::string_view time, int n);

// Hours as a single-precision number ("7:30" gives 7.5). Lenient.
float TimeToHours(std::string_view time);

// h × 60 + m. Lenient.
std::int64_t TimeToMinutes(std::string_view time);

// A minute count as a time text (605 gives "10:05"). A negative count comes
// from a clock time shifted back over midnight by the commuting time; it
// wraps into the day (-20 gives "23:40"), so no negative text is ever
// written: MinutesToTime(TimeToMinutes("0:10") - 30) is "23:40".
std::string MinutesToTime(std::int64_t minutes);

// All that follows the first "\n" of text; the whole text without one.
std::string TextAfterFirstLine(std::string_view text);
