#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

// Worked time from spans of time texts. A span is a start and an end put in
// order with OrderSpan (an end on the next day carries hours of 24 and
// more), so work, windows and breaks may cross midnight and work may last
// whole days.
//
// A time of day that cannot be read as one (minutes of 60 and more, a part
// that is no number) makes these operations give std::nullopt; the caller
// decides what such a day counts as.

// The five break starts and ends of the settings (Settings.Breaks and
// Settings.Breake). A break with either end empty is no break.
using BreakTimes = std::array<std::string, 5>;

// The time that span A and span B share, as the pieces of the day that make
// it up (times of day "h:mm" with hours 0..23; a piece may cross midnight)
// and, when A lasts 24 hours or more, B once more for each whole day of A.
struct SpanOverlap {
    std::string overlap; // time text; "" when B has an empty end
    int count = 0;       // pieces set, 0..2
    std::array<std::string, 2> pieceStarts;
    std::array<std::string, 2> pieceEnds;
};
[[nodiscard]] std::optional<SpanOverlap> OverlapSpans(std::string_view aStart,
                                                      std::string_view aEnd,
                                                      std::string_view bStart,
                                                      std::string_view bEnd);

// The length of the ordered work span less the time of the breaks inside
// it; a work span of whole days counts each break once per whole day.
[[nodiscard]] std::optional<std::string> WorkTimeLessBreaks(std::string_view start,
                                                            std::string_view end,
                                                            const BreakTimes& breakStarts,
                                                            const BreakTimes& breakEnds);

// The time of the ordered work span inside the ordered window (shorter than
// a day), less the breaks inside that part, plus the window less its breaks
// for each whole day of work. LateNightTime is called with the late-night
// window, RegularHoursTime with the office hours; both compute the same.
[[nodiscard]] std::optional<std::string>
LateNightTime(std::string_view workStart, std::string_view workEnd, std::string_view windowStart,
              std::string_view windowEnd, const BreakTimes& breakStarts,
              const BreakTimes& breakEnds);
[[nodiscard]] std::optional<std::string>
RegularHoursTime(std::string_view workStart, std::string_view workEnd, std::string_view windowStart,
                 std::string_view windowEnd, const BreakTimes& breakStarts,
                 const BreakTimes& breakEnds);

// A time of day "h:mm" (hours 0..23, minutes 0..59, digits only, leading
// zeros allowed: "08:00") as minutes after midnight; nothing for any other
// text ("24:00", "8:75", "8:7x", "", "8").
[[nodiscard]] std::optional<int> StrToTime(std::string_view time);
