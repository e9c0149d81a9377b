// The worked-time operations against a plain model: walk the work span
// minute by minute and count the minutes whose time of day lies where it
// should. Random spans (some over whole days) and breaks, with a fixed seed.

#include "records/timetext.h"
#include "records/worktime.h"

#include <algorithm>
#include <array>
#include <bitset>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int Day = 24 * 60;
constexpr int Rounds = 5000;

using DaySet = std::bitset<Day>; // one bit per minute of the day

// A span of the day from start to end, over midnight when end < start.
struct Arc {
    int start = 0;
    int end = 0;
};

DaySet Minutes(Arc arc) {
    DaySet set;
    for (int m = arc.start; m != arc.end; m = (m + 1) % Day) {
        set.set(m);
    }
    return set;
}

std::string Text(int minutes, bool padded) {
    const std::string m = std::to_string(minutes % 60);
    return std::to_string(minutes / 60) + ":" + (padded && m.size() == 1 ? "0" + m : m);
}

// Minutes of [start, start + length) whose time of day is in the set.
int CountIn(int start, int length, const DaySet& set) {
    int count = 0;
    for (int m = start; m < start + length; ++m) {
        count += set.test(m % Day) ? 1 : 0;
    }
    return count;
}

class Random {
public:
    int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(gen_); }
    bool Chance(int percent) { return Between(1, 100) <= percent; }
    // Half of the times fall on whole hours, so that spans often touch.
    int TimeOfDay() { return Chance(50) ? Between(0, 23) * 60 : Between(0, Day - 1); }
    std::mt19937& Engine() { return gen_; }

private:
    std::mt19937 gen_{20240611};
};

struct Work {
    int start = 0;
    int length = 0;
    OrderedSpan texts;
};

// A work span as the engine has it after ordering: sometimes typed with the
// end as a time of day (ordered onto the next day), sometimes with hours of
// 24 and more for spans of whole days.
Work RandomWork(Random& random) {
    Work work;
    work.start = random.TimeOfDay();
    work.length = random.Chance(60) ? random.Between(0, Day - 1) : random.Between(0, 3 * Day);
    if (random.Chance(10)) {
        work.length = Day * random.Between(0, 2);
    }
    const bool padded = random.Chance(50);
    const int endText = work.length < Day && random.Chance(50) ? (work.start + work.length) % Day
                                                               : work.start + work.length;
    work.texts = OrderSpan(Text(work.start, padded), Text(endText, padded));
    return work;
}

struct RandomBreaks {
    BreakTimes starts;
    BreakTimes ends;
    DaySet minutes; // the minutes of the day that the set breaks cover
};

// Up to five breaks that do not overlap each other, as in the settings; one
// may cross midnight. The others are unset, or have one end only, which
// makes them no break.
RandomBreaks MakeBreaks(Random& random) {
    RandomBreaks breaks;
    const int set = random.Between(0, 5);
    std::vector<int> points;
    while (static_cast<int>(points.size()) < 2 * set) {
        const int p = random.TimeOfDay();
        if (std::find(points.begin(), points.end(), p) == points.end()) {
            points.push_back(p);
        }
    }
    std::sort(points.begin(), points.end());
    const int turn = random.Chance(30) ? random.Between(0, Day - 1) : 0;
    std::array<int, 5> order{0, 1, 2, 3, 4};
    std::shuffle(order.begin(), order.end(), random.Engine());
    for (int i = 0; i < 5; ++i) {
        const int slot = order[i];
        if (i < set) {
            Arc arc{(points[2 * i] + turn) % Day, (points[2 * i + 1] + turn) % Day};
            breaks.starts[slot] = Text(arc.start, true);
            breaks.ends[slot] = Text(arc.end, true);
            breaks.minutes |= Minutes(arc);
        } else if (random.Chance(40)) {
            (random.Chance(50) ? breaks.starts : breaks.ends)[slot] =
                Text(random.TimeOfDay(), true);
        }
    }
    return breaks;
}

Arc RandomArc(Random& random) {
    return {random.TimeOfDay(), random.TimeOfDay()};
}

std::string Describe(const Work& work, const RandomBreaks& breaks) {
    std::string text = "work " + work.texts.start + "-" + work.texts.end + ", breaks";
    for (int i = 0; i < 5; ++i) {
        text += " [" + breaks.starts[i] + "-" + breaks.ends[i] + "]";
    }
    return text;
}

TEST(WorkedTimeModel, NetWorkedTimeIsTheMinutesOutsideEveryBreak) {
    Random random;
    for (int round = 0; round < Rounds; ++round) {
        const Work work = RandomWork(random);
        const RandomBreaks breaks = MakeBreaks(random);
        SCOPED_TRACE(Describe(work, breaks));
        const int expected = CountIn(work.start, work.length, ~breaks.minutes);
        std::optional<std::string> net =
            WorkTimeLessBreaks(work.texts.start, work.texts.end, breaks.starts, breaks.ends);
        ASSERT_TRUE(net.has_value());
        ASSERT_EQ(*net, MinutesToTime(expected));
    }
}

TEST(WorkedTimeModel, WindowTimeIsTheMinutesInsideTheWindowOutsideEveryBreak) {
    Random random;
    for (int round = 0; round < Rounds; ++round) {
        const Work work = RandomWork(random);
        const RandomBreaks breaks = MakeBreaks(random);
        const Arc window = RandomArc(random);
        const OrderedSpan windowTexts =
            OrderSpan(Text(window.start, false), Text(window.end, false));
        SCOPED_TRACE(Describe(work, breaks) + ", window " + windowTexts.start + "-" +
                     windowTexts.end);
        const int expected = CountIn(work.start, work.length, Minutes(window) & ~breaks.minutes);
        std::optional<std::string> late =
            LateNightTime(work.texts.start, work.texts.end, windowTexts.start, windowTexts.end,
                          breaks.starts, breaks.ends);
        ASSERT_TRUE(late.has_value());
        ASSERT_EQ(*late, MinutesToTime(expected));
    }
}

TEST(WorkedTimeModel, OverlapCountsBForEveryDayAndItsPiecesAreTheSharedMinutes) {
    Random random;
    for (int round = 0; round < Rounds; ++round) {
        const Work work = RandomWork(random);
        const Arc b = RandomArc(random);
        const OrderedSpan bTexts = OrderSpan(Text(b.start, true), Text(b.end, true));
        SCOPED_TRACE("A " + work.texts.start + "-" + work.texts.end + ", B " + bTexts.start + "-" +
                     bTexts.end);
        std::optional<SpanOverlap> result =
            OverlapSpans(work.texts.start, work.texts.end, bTexts.start, bTexts.end);
        ASSERT_TRUE(result.has_value());
        ASSERT_EQ(result->overlap, MinutesToTime(CountIn(work.start, work.length, Minutes(b))));

        // The pieces cover exactly the minutes of the day that B shares with
        // what is left of A after its whole days, each minute once.
        const Arc rest{work.start, (work.start + work.length) % Day};
        const DaySet shared = Minutes(rest) & Minutes(b);
        DaySet covered;
        std::size_t pieceMinutes = 0;
        ASSERT_LE(result->count, 2);
        for (int i = 0; i < result->count; ++i) {
            std::optional<int> from = StrToTime(result->pieceStarts[i]);
            std::optional<int> to = StrToTime(result->pieceEnds[i]);
            ASSERT_TRUE(from && to);
            const DaySet piece = Minutes({*from, *to});
            pieceMinutes += piece.count();
            covered |= piece;
        }
        ASSERT_EQ(covered, shared);
        ASSERT_EQ(pieceMinutes, shared.count());
    }
}

// The arithmetic of time texts against plain minute arithmetic.
TEST(TimeTextModel, ArithmeticAgreesWithMinutes) {
    Random random;
    for (int round = 0; round < Rounds; ++round) {
        const int a = random.Between(0, 200 * 60);
        const int b = random.Chance(20) ? a : random.Between(0, 200 * 60);
        const int n = random.Between(1, 40);
        const std::string at = Text(a, random.Chance(50));
        const std::string bt = Text(b, random.Chance(50));
        SCOPED_TRACE(at + " and " + bt + ", n " + std::to_string(n));
        ASSERT_EQ(TimeAdd(at, bt), MinutesToTime(a + b));
        ASSERT_EQ(TimeSubClamp(at, bt), MinutesToTime(std::max(a - b, 0)));
        ASSERT_EQ(TimeToMinutes(TimeDiff(at, bt)), b >= a ? b - a : b - a + Day);
        ASSERT_EQ(TimeDivide(at, n), MinutesToTime(a / n));
        ASSERT_EQ(TimeHalf(at), MinutesToTime(a / 2));
        ASSERT_EQ(TimeMultiply(at, n), MinutesToTime(a * n));
        ASSERT_EQ(TimeCompare(at, bt), b < a ? 1 : b > a ? 2 : 0);
        ASSERT_EQ(TimeToMinutes(MinutesToTime(a)), a);
    }
}

} // namespace
