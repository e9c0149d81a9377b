#include "records/timetext.h"
#include "records/worktime.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace {

BreakTimes Starts(std::string a = "", std::string b = "", std::string c = "") {
    return {a, b, c, "", ""};
}

struct Breaks {
    BreakTimes starts;
    BreakTimes ends;
};

const Breaks NoBreaks{};
const Breaks Lunch{Starts("12:00"), Starts("13:00")};

// The engine orders every span before it asks.
OrderedSpan Ordered(const char* start, const char* end) {
    return OrderSpan(start, end);
}

TEST(OverlapSpans, CasesOfTheDay) {
    struct Case {
        const char* aStart;
        const char* aEnd;
        const char* bStart;
        const char* bEnd;
        const char* overlap;
        int count;
        const char* pieces; // "start-end start-end"
    };
    const Case cases[] = {
        // Neither crosses midnight.
        {"8:0", "17:0", "12:0", "13:0", "1:00", 1, "12:00-13:00"},
        {"8:0", "12:0", "11:0", "14:0", "1:00", 1, "11:00-12:00"},
        {"8:0", "12:0", "13:0", "14:0", "0:00", 0, ""},
        // Touching at one instant gives a piece of zero length.
        {"8:0", "12:0", "12:0", "13:0", "0:00", 1, "12:00-12:00"},
        // The window crosses midnight, the work does not.
        {"22:0", "29:0", "22:30", "23:30", "1:00", 1, "22:30-23:30"},
        {"22:0", "29:0", "4:0", "23:0", "2:00", 2, "4:00-5:00 22:00-23:00"},
        {"22:0", "29:0", "8:0", "17:0", "0:00", 0, ""},
        // The work crosses, the break does not.
        {"21:0", "30:0", "0:0", "1:0", "1:00", 1, "0:00-1:00"},
        // Both cross, one inside the other: the inner span's length.
        {"22:0", "30:0", "23:0", "28:0", "5:00", 1, "23:00-4:00"},
        {"23:0", "28:0", "22:0", "30:0", "5:00", 1, "23:00-4:00"},
        // A lasts whole days: B once more for each.
        {"8:0", "56:0", "12:0", "13:0", "2:00", 0, ""},
        {"8:0", "34:0", "12:0", "13:0", "1:00", 0, ""},
        {"8:0", "34:0", "9:0", "11:0", "3:00", 1, "9:00-10:00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.aStart) + "-" + c.aEnd + " with " + c.bStart + "-" + c.bEnd);
        std::optional<SpanOverlap> result = OverlapSpans(c.aStart, c.aEnd, c.bStart, c.bEnd);
        ASSERT_TRUE(result.has_value());
        EXPECT_EQ(result->overlap, c.overlap);
        EXPECT_EQ(result->count, c.count);
        std::string pieces;
        for (int i = 0; i < result->count; ++i) {
            pieces += (i > 0 ? " " : "") + result->pieceStarts[i] + "-" + result->pieceEnds[i];
        }
        EXPECT_EQ(pieces, c.pieces);
    }
}

TEST(OverlapSpans, AnEmptyEndOfBSetsNothingAndUnreadableTimesFail) {
    std::optional<SpanOverlap> empty = OverlapSpans("x:y", "8:75", "", "13:00");
    ASSERT_TRUE(empty.has_value());
    EXPECT_EQ(empty->overlap, "");
    EXPECT_EQ(empty->count, 0);

    EXPECT_EQ(OverlapSpans("8:75", "17:00", "12:0", "13:0"), std::nullopt);
    EXPECT_EQ(OverlapSpans("8:00", "17:00", "12:7x", "13:0"), std::nullopt);
    EXPECT_EQ(OverlapSpans("-1:00", "17:00", "12:0", "13:0"), std::nullopt);
}

TEST(WorkedTime, NetTimeLateNightAndRegularHours) {
    struct Case {
        const char* name;
        const char* start;
        const char* end;
        const Breaks* breaks;
        const char* net;
        const char* lateNight; // window 22:00 to 5:00
        const char* regular;   // office hours 8:00 to 17:00
    };
    const Breaks overMidnight{Starts("23:30"), Starts("0:30")};
    const Breaks twoBreaks{Starts("12:00", "23:00"), Starts("13:00", "23:30")};
    const Case cases[] = {
        {"office day", "8:00", "17:00", &Lunch, "8:00", "0:00", "8:00"},
        {"evening inside the window", "22:30", "23:30", &NoBreaks, "1:00", "1:00", "0:00"},
        {"night shift", "21:00", "6:00", &NoBreaks, "9:00", "7:00", "0:00"},
        {"night shift with a break", "21:00", "6:00", &overMidnight, "8:00", "6:00", "0:00"},
        {"26 hours", "8:00", "34:00", &Lunch, "25:00", "7:00", "10:00"},
        {"48 hours", "8:00", "56:00", &Lunch, "46:00", "14:00", "16:00"},
        {"no breaks", "8:15", "17:40", &NoBreaks, "9:25", "0:00", "8:45"},
        {"zero length", "9:00", "9:00", &Lunch, "0:00", "0:00", "0:00"},
        {"late evening", "13:00", "23:45", &twoBreaks, "10:15", "1:15", "4:00"},
        {"minutes without a zero", "8:5", "17:5", &Lunch, "8:00", "0:00", "7:55"},
    };
    const OrderedSpan night = Ordered("22:00", "5:00");
    const OrderedSpan office = Ordered("8:00", "17:00");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const OrderedSpan work = Ordered(c.start, c.end);
        const BreakTimes& s = c.breaks->starts;
        const BreakTimes& e = c.breaks->ends;
        EXPECT_EQ(WorkTimeLessBreaks(work.start, work.end, s, e), c.net);
        EXPECT_EQ(LateNightTime(work.start, work.end, night.start, night.end, s, e), c.lateNight);
        EXPECT_EQ(RegularHoursTime(work.start, work.end, office.start, office.end, s, e),
                  c.regular);
    }
}

TEST(WorkedTime, ABreakWithOneEndIsNoBreak) {
    // Taken as it stands, "15:00" to "" would run to midnight and take two
    // hours off an office day.
    const Breaks halfFilled[] = {
        {Starts("12:00", "15:00"), Starts("13:00", "")},
        {Starts("12:00", ""), Starts("13:00", "15:00")},
        {Starts("12:00", "", "23:00"), Starts("13:00", "", "")},
    };
    const OrderedSpan night = Ordered("22:00", "5:00");
    for (const Breaks& b : halfFilled) {
        EXPECT_EQ(WorkTimeLessBreaks("8:0", "17:0", b.starts, b.ends), "8:00");
        EXPECT_EQ(RegularHoursTime("8:0", "17:0", "8:0", "17:0", b.starts, b.ends), "8:00");
        EXPECT_EQ(LateNightTime("21:0", "30:0", night.start, night.end, b.starts, b.ends), "7:00");
        EXPECT_EQ(LateNightTime("8:0", "56:0", night.start, night.end, b.starts, b.ends), "14:00");
    }
}

TEST(WorkedTime, UnreadableTimesAreReportedNotCounted) {
    const OrderedSpan night = Ordered("22:00", "5:00");
    // Refused also without a break to compare with.
    EXPECT_EQ(WorkTimeLessBreaks("8:75", "17:0", NoBreaks.starts, NoBreaks.ends), std::nullopt);
    EXPECT_EQ(WorkTimeLessBreaks("8:0", "17:75", Lunch.starts, Lunch.ends), std::nullopt);
    EXPECT_EQ(LateNightTime("8:75", "17:0", night.start, night.end, Lunch.starts, Lunch.ends),
              std::nullopt);
    EXPECT_EQ(LateNightTime("8:0", "17:0", "22:0", "29:60", Lunch.starts, Lunch.ends),
              std::nullopt);
    const Breaks badBreak{Starts("12:75"), Starts("13:00")};
    EXPECT_EQ(WorkTimeLessBreaks("8:0", "17:0", badBreak.starts, badBreak.ends), std::nullopt);
}

TEST(StrToTime, OnlyTimesOfTheDay) {
    struct Case {
        const char* text;
        std::optional<int> minutes;
    };
    const Case cases[] = {
        {"0:00", 0},
        {"08:00", 480},
        {"8:5", 485},
        {"23:59", 1439},
        {"24:00", std::nullopt},
        {"8:75", std::nullopt},
        {"8:7x", std::nullopt},
        {"", std::nullopt},
        {"8", std::nullopt},
        {"-1:00", std::nullopt},
        {":30", std::nullopt},
        {"8:", std::nullopt},
        {"+8:00", std::nullopt},
        {"8:00:00", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(StrToTime(c.text), c.minutes) << c.text;
    }
}

} // namespace
