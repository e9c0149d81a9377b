#include "worktime.h"

#include "datanumbers.h"
#include "timetext.h"

#include <algorithm>
#include <cstdint>

namespace {

// The time from x to y within one day, y on the next day when earlier; x and
// y are minutes after midnight.
std::int64_t Diff(std::int64_t x, std::int64_t y) {
    return (y - x + MinutesPerDay) % MinutesPerDay;
}

// The time of day of a span end as minutes after midnight: its hours modulo
// 24 with its minutes as written, which must make a time of day.
// This is StrToTime(SplitDays(time).hm) read straight from the text: the
// summaries ask it four times for every break of every day.
std::optional<int> TimeOfDay(std::string_view time) {
    const std::size_t colon = time.find(':');
    if (colon == std::string_view::npos) {
        return 0;
    }
    const std::int64_t hours = ParseDecimal(time.substr(0, colon)).value_or(0) % 24;
    std::string_view rest = time.substr(colon + 1);
    std::string_view minutes = rest.substr(0, rest.find(':'));
    if (hours < 0 || minutes.empty()) {
        return std::nullopt;
    }
    int value = 0;
    for (char c : minutes) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = std::min(value * 10 + (c - '0'), 60);
    }
    if (value > 59) {
        return std::nullopt;
    }
    return static_cast<int>(hours) * 60 + value;
}

struct Piece {
    int start = 0;
    int end = 0;
};

// The overlap in minutes with its pieces of the day.
struct OverlapMinutes {
    std::int64_t minutes = 0;
    int count = 0;
    std::array<Piece, 2> pieces{};
};

OverlapMinutes None() {
    return {};
}
OverlapMinutes One(int s, int e) {
    return {Diff(s, e), 1, {Piece{s, e}, Piece{}}};
}
// Two pieces: [s1, e1] and [s2, e2], with the time they share given.
OverlapMinutes Two(int s1, int e1, int s2, int e2, std::int64_t minutes) {
    return {minutes, 2, {Piece{s1, e1}, Piece{s2, e2}}};
}

// The shared part of two spans by their times of day. Each block of rows
// below is searched in its order and the first row that holds decides, so a
// span touching the other at one instant gives a piece of zero length or
// none. The last row of each block holds for every pair the rows above it
// leave, so it needs no test of its own.
OverlapMinutes ShareOfDay(int as, int ae, int bs, int be) {
    const bool aCrosses = ae < as;
    const bool bCrosses = be < bs;
    if (!aCrosses && !bCrosses) {
        if (as <= bs && bs <= ae && as <= be && be <= ae) {
            return One(bs, be);
        }
        if (as <= bs && bs <= ae && ae <= be) {
            return One(bs, ae);
        }
        if (bs <= as && as <= be && be <= ae) {
            return One(as, be);
        }
        if (bs <= as && ae <= be) {
            return One(as, ae);
        }
        return None();
    }
    if (aCrosses && !bCrosses) {
        if (ae <= bs && bs <= as && ae <= be && be <= as) {
            return None();
        }
        if (ae <= bs && bs <= as && as <= be) {
            return One(as, be);
        }
        if (bs <= ae && ae <= be && be <= as) {
            return One(bs, ae);
        }
        if (bs <= ae && as <= be) {
            return Two(bs, ae, as, be, Diff(bs, ae) + Diff(as, be));
        }
        return One(bs, be);
    }
    if (!aCrosses && bCrosses) {
        if (as <= be && be <= ae && as <= bs && bs <= ae) {
            return Two(as, be, bs, ae, Diff(as, be) + Diff(bs, ae));
        }
        if (as <= be && be <= ae && ae <= bs) {
            return One(as, be);
        }
        if (be <= as && as <= bs && bs <= ae) {
            return One(bs, ae);
        }
        if (be <= as && ae <= bs) {
            return None();
        }
        return One(as, ae);
    }
    if (ae <= be && be <= as && ae <= bs && bs <= as) {
        return One(as, ae);
    }
    if (ae <= be && be <= as && as <= bs) {
        return One(bs, ae);
    }
    if (be <= ae && ae <= bs && bs <= as) {
        return One(as, be);
    }
    if (be <= ae && as <= bs) {
        return One(bs, be);
    }
    return Two(as, be, bs, ae, MinutesPerDay - (Diff(be, bs) + Diff(ae, as)));
}

std::int64_t HoursOf(const std::string& time) {
    return ParseDecimal(SplitTime(time).hours).value_or(0);
}

// What OverlapSpans computes, in minutes; no pieces when B has an empty end.
// Nothing when a time of day cannot be read or the result would not fit.
std::optional<OverlapMinutes> Overlap(std::string_view aStart, std::string_view aEnd,
                                      std::string_view bStart, std::string_view bEnd) {
    if (bStart.empty() || bEnd.empty()) {
        return OverlapMinutes{};
    }
    std::optional<int> as = TimeOfDay(aStart);
    std::optional<int> ae = TimeOfDay(aEnd);
    std::optional<int> bs = TimeOfDay(bStart);
    std::optional<int> be = TimeOfDay(bEnd);
    if (!as || !ae || !bs || !be) {
        return std::nullopt;
    }
    // B comes round once more for each whole day that A lasts.
    const std::int64_t days = HoursOf(TimeDiff(aStart, aEnd)) / 24;
    std::int64_t extra = 0;
    OverlapMinutes share = ShareOfDay(*as, *ae, *bs, *be);
    if (__builtin_mul_overflow(TimeToMinutes(TimeDiff(bStart, bEnd)), days, &extra) ||
        __builtin_add_overflow(share.minutes, extra, &share.minutes)) {
        return std::nullopt;
    }
    return share;
}

bool IsSet(const BreakTimes& starts, const BreakTimes& ends, std::size_t i) {
    // A break with only one end filled in is a half-finished entry; taken as
    // it stands it would run to or from midnight and eat the working day.
    return !starts[i].empty() && !ends[i].empty();
}

// The time that the set breaks share with span A, each break counted on its
// own.
std::optional<std::int64_t> BreaksInside(std::string_view aStart, std::string_view aEnd,
                                         const BreakTimes& breakStarts,
                                         const BreakTimes& breakEnds) {
    std::int64_t sum = 0;
    for (std::size_t i = 0; i < breakStarts.size(); ++i) {
        if (!IsSet(breakStarts, breakEnds, i)) {
            continue;
        }
        OrderedSpan ordered = OrderSpan(breakStarts[i], breakEnds[i]);
        std::optional<OverlapMinutes> part = Overlap(aStart, aEnd, ordered.start, ordered.end);
        if (!part) {
            return std::nullopt;
        }
        sum += part->minutes;
    }
    return sum;
}

std::int64_t AtLeastZero(std::int64_t minutes) {
    return minutes < 0 ? 0 : minutes;
}

} // namespace

std::optional<SpanOverlap> OverlapSpans(std::string_view aStart, std::string_view aEnd,
                                        std::string_view bStart, std::string_view bEnd) {
    if (bStart.empty() || bEnd.empty()) {
        return SpanOverlap{};
    }
    std::optional<OverlapMinutes> share = Overlap(aStart, aEnd, bStart, bEnd);
    if (!share) {
        return std::nullopt;
    }
    SpanOverlap result;
    result.overlap = MinutesToTime(share->minutes);
    result.count = share->count;
    for (int i = 0; i < share->count; ++i) {
        result.pieceStarts[i] = MinutesToTime(share->pieces[i].start);
        result.pieceEnds[i] = MinutesToTime(share->pieces[i].end);
    }
    return result;
}

std::optional<std::string> WorkTimeLessBreaks(std::string_view start, std::string_view end,
                                              const BreakTimes& breakStarts,
                                              const BreakTimes& breakEnds) {
    // A work span that is not a time of day is refused even when no break
    // is set, so the answer never depends on the breaks being filled in.
    if (!TimeOfDay(start) || !TimeOfDay(end)) {
        return std::nullopt;
    }
    std::optional<std::int64_t> breaks = BreaksInside(start, end, breakStarts, breakEnds);
    if (!breaks) {
        return std::nullopt;
    }
    return TimeSub3(end, start, MinutesToTime(*breaks));
}

std::optional<std::string> LateNightTime(std::string_view workStart, std::string_view workEnd,
                                         std::string_view windowStart, std::string_view windowEnd,
                                         const BreakTimes& breakStarts,
                                         const BreakTimes& breakEnds) {
    // The parts of the work's time of day inside the window. The window is
    // shorter than a day, so this adds nothing for whole days of work.
    std::optional<OverlapMinutes> inside = Overlap(windowStart, windowEnd, workStart, workEnd);
    if (!inside) {
        return std::nullopt;
    }
    std::int64_t length = 0;
    std::int64_t breaks = 0;
    for (int j = 0; j < inside->count; ++j) {
        const Piece& piece = inside->pieces[j];
        length += Diff(piece.start, piece.end);
        std::optional<std::int64_t> pieceBreaks = BreaksInside(
            MinutesToTime(piece.start), MinutesToTime(piece.end), breakStarts, breakEnds);
        if (!pieceBreaks) {
            return std::nullopt;
        }
        breaks += *pieceBreaks;
    }
    std::int64_t result = AtLeastZero(length - breaks);

    // Each whole day of work holds the whole window less its breaks.
    const std::int64_t days = HoursOf(TimeSubClamp(workEnd, workStart)) / 24;
    if (days > 0) {
        std::optional<std::int64_t> windowBreaks =
            BreaksInside(windowStart, windowEnd, breakStarts, breakEnds);
        if (!windowBreaks) {
            return std::nullopt;
        }
        const std::int64_t share =
            AtLeastZero(TimeToMinutes(TimeSubClamp(windowEnd, windowStart)) - *windowBreaks);
        std::int64_t whole = 0;
        if (__builtin_mul_overflow(share, days, &whole)) {
            return std::nullopt;
        }
        result += whole;
    }
    return MinutesToTime(result);
}

std::optional<std::string> RegularHoursTime(std::string_view workStart, std::string_view workEnd,
                                            std::string_view windowStart,
                                            std::string_view windowEnd,
                                            const BreakTimes& breakStarts,
                                            const BreakTimes& breakEnds) {
    return LateNightTime(workStart, workEnd, windowStart, windowEnd, breakStarts, breakEnds);
}

std::optional<int> StrToTime(std::string_view time) {
    const std::size_t colon = time.find(':');
    if (colon == std::string_view::npos) {
        return std::nullopt;
    }
    // Digits only: no sign, no blanks.
    auto readDigits = [](std::string_view digits) -> std::optional<int> {
        if (digits.empty() || digits.front() < '0' || digits.front() > '9') {
            return std::nullopt;
        }
        return ParseDecimal(digits);
    };
    std::optional<int> hours = readDigits(time.substr(0, colon));
    std::optional<int> minutes = readDigits(time.substr(colon + 1));
    if (!hours || !minutes || *hours > 23 || *minutes > 59) {
        return std::nullopt;
    }
    return *hours * 60 + *minutes;
}
