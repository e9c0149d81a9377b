#include "records/timetext.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace {

struct Typed {
    const char* typed;
    const char* expected;
};

TEST(NormalizeTimeText, TypedShapesBecomeTimeTexts) {
    const Typed cases[] = {
        {"8", "8:00"},     {"24", "24:00"},   {":5", "0:50"},     {".5", "0:50"},
        {"5:", "5:00"},    {"830", "8:30"},   {"8:3", "8:30"},    {":30", "0:30"},
        {"12:", "12:00"},  {"1230", "12:30"}, {"2400", "24:00"},  {"3000", "30:00"},
        {"12:3", "12:30"}, {"7,5", "7:50"},   {"1.30", "1:30"},   {"12:34", "12:34"},
        {"0:90", "1:30"},  {"08:05", "8:05"}, {"9959", "99:59"},  {"1:5", "1:50"},
        {"05", "5:00"},    {"0", "0:00"},     {"12.30", "12:30"}, {"1,2", "1:20"},
    };
    for (const Typed& c : cases) {
        EXPECT_EQ(NormalizeTimeText(c.typed), c.expected) << "typed " << c.typed;
    }
}

TEST(NormalizeTimeText, RightCharactersInTheWrongShapeGiveZero) {
    // "99:99" and "9999" would carry into hours of 100, a text the grid
    // cannot show; they are refused like any other shape that is no time.
    const char* shapes[] = {":",    "123:",  ":123", "12345", "1.2.3", "::",
                            "1:2:", "99:99", "9999", "1:234", "123:4", "9960"};
    for (const char* typed : shapes) {
        EXPECT_EQ(NormalizeTimeText(typed), "0:00") << "typed " << typed;
    }
}

TEST(NormalizeTimeText, ForeignOrOverlongInputBecomesEmpty) {
    const char* refused[] = {"",  "123456", "12:345", " ",     "8a",
                             "a", "-1:00",  "８",     "８:00", "8:00 "};
    for (const char* typed : refused) {
        EXPECT_EQ(NormalizeTimeText(typed), "") << "typed " << typed;
    }
}

TEST(NormalizeNumberText, IntegersAndDecimals) {
    struct Case {
        const char* typed;
        int allowDecimal;
        const char* expected;
    };
    const Case cases[] = {
        {"12000", 0, "12000"},
        {"1.5", 0, ""},
        {"0", 0, "0"},
        {"-5", 0, ""},
        {"1234567", 0, ""},
        {"123456", 0, "123456"},
        {"", 0, ""},
        {"65.5", 1, "65.5"},
        {".5", 1, ""},
        {"1.2.3", 1, ""},
        {"12.", 1, "12.0"},
        {"12345.", 1, ""},
        {"1234.", 1, "1234.0"},
        {"1234567", 1, ""},
        {"65,5", 1, ""},
        {"7", 1, "7"},
        {"", 1, ""},
        {"1.5", 2, ""},
        {"12", 2, "12"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(NormalizeNumberText(c.typed, c.allowDecimal), c.expected)
            << "typed " << c.typed << " allowDecimal " << c.allowDecimal;
    }
}

TEST(SplitTime, PartsAroundTheFirstColon) {
    struct Case {
        const char* time;
        const char* hours;
        const char* minutes;
    };
    const Case cases[] = {
        {"8:05", "8", "05"}, {"26:30", "26", "30"}, {":30", "", "30"}, {"12:", "12", ""},
        {"1:2:3", "1", "2"}, {"", "0", "0"},        {"830", "0", "0"}, {"a:b", "a", "b"},
    };
    for (const Case& c : cases) {
        TimeParts parts = SplitTime(c.time);
        EXPECT_EQ(parts.hours, c.hours) << c.time;
        EXPECT_EQ(parts.minutes, c.minutes) << c.time;
    }
}

TEST(OrderSpan, AnEarlierEndMovesToTheNextDay) {
    struct Case {
        const char* start;
        const char* end;
        const char* start2;
        const char* end2;
    };
    const Case cases[] = {
        {"22:00", "5:00", "22:0", "29:0"},
        {"8:00", "8:00", "8:0", "8:0"},
        {"8:30", "8:10", "8:30", "32:10"},
        {"8:05", "17:45", "8:5", "17:45"},
        {"", "", "0:0", "0:0"},
        {"12:00", "", "12:0", "24:0"},
        {"23:30", "0:30", "23:30", "24:30"},
        {"8:00", "26:30", "8:0", "26:30"},
    };
    for (const Case& c : cases) {
        OrderedSpan span = OrderSpan(c.start, c.end);
        EXPECT_EQ(span.start, c.start2) << c.start << "-" << c.end;
        EXPECT_EQ(span.end, c.end2) << c.start << "-" << c.end;
    }
}

struct Binary {
    const char* a;
    const char* b;
    const char* expected;
};

TEST(LenientArithmetic, DiffAndClampedSubtraction) {
    const Binary diffs[] = {
        {"23:00", "1:00", "2:00"}, {"8:30", "8:10", "23:40"},  {"8:00", "8:00", "0:00"},
        {"", "1:30", "1:30"},      {"8:x", "9:00", "1:00"},    {"22:0", "29:0", "7:00"},
        {"8:05", "8:10", "0:05"},  {"0:00", "24:00", "24:00"},
    };
    for (const Binary& c : diffs) {
        EXPECT_EQ(TimeDiff(c.a, c.b), c.expected) << c.a << " to " << c.b;
    }
    const Binary clamped[] = {
        {"8:00", "9:30", "0:00"}, {"9:30", "8:45", "0:45"}, {"26:30", "8:00", "18:30"},
        {"8:00", "8:00", "0:00"}, {"1:20", "0:30", "0:50"}, {"1:10", "1:20", "0:00"},
        {"", "", "0:00"},         {"5:00", "", "5:00"},     {"100:39", "0:40", "99:59"},
    };
    for (const Binary& c : clamped) {
        EXPECT_EQ(TimeSubClamp(c.a, c.b), c.expected) << c.a << " - " << c.b;
    }
    EXPECT_EQ(TimeSub3("17:00", "8:00", "1:00"), "8:00");
    EXPECT_EQ(TimeSub3("9:00", "8:00", "2:00"), "0:00");
    EXPECT_EQ(TimeSub3("8:00", "9:00", "0:00"), "0:00");
}

TEST(LenientArithmetic, HexadecimalPartsReadAsNothing) {
    EXPECT_EQ(TimeToMinutes("0x8:00"), 0);
    EXPECT_EQ(TimeToMinutes("$8:00"), 0);
    EXPECT_EQ(TimeToMinutes("8:0x1e"), 480);
    EXPECT_EQ(TimeToMinutes("-1:30"), -30);
}

TEST(StrictArithmetic, AddAndCompare) {
    struct Add {
        const char* a;
        const char* b;
        std::optional<std::string> expected;
    };
    const Add adds[] = {
        {"", "1:30", "1:30"},
        {"8:45", "0:30", "9:15"},
        {"99:59", "0:01", "100:00"},
        {"0:05", "0:04", "0:09"},
        {"830", "1:00", "1:00"},
        {"08:00", "1:00", "9:00"},
        {":30", "1:00", std::nullopt},
        {"8:", "1:00", std::nullopt},
        {"8:3x", "1:00", std::nullopt},
        {"1:00", "a:00", std::nullopt},
        // Times are decimal: the settings file's hexadecimal forms are no time.
        {"0x8:00", "1:00", std::nullopt},
        {"$8:00", "1:00", std::nullopt},
        {"8:0x1e", "1:00", std::nullopt},
    };
    for (const Add& c : adds) {
        EXPECT_EQ(TimeAdd(c.a, c.b), c.expected) << c.a << " + " << c.b;
    }
    struct Compare {
        const char* a;
        const char* b;
        std::optional<int> expected;
    };
    const Compare compares[] = {
        {"8:00", "7:59", 1},           {"8:00", "8:01", 2},
        {"8:00", "08:00", 0},          {"", "0:00", 0},
        {"24:00", "23:59", 1},         {"8:0x", "8:00", std::nullopt},
        {"8:00", ":00", std::nullopt},
    };
    for (const Compare& c : compares) {
        EXPECT_EQ(TimeCompare(c.a, c.b), c.expected) << c.a << " vs " << c.b;
    }
}

TEST(StrictArithmetic, DivideHalveAndMultiplyTruncate) {
    struct Scaled {
        const char* time;
        int n;
        std::optional<std::string> expected;
    };
    const Scaled divisions[] = {
        {"7:30", 4, "1:52"},  {"10:00", 3, "3:20"},  {"8:00", 0, "0:00"}, {"", 3, "0:00"},
        {"0:59", 60, "0:00"}, {"25:00", 24, "1:02"}, {"a:00", 0, "0:00"}, {":5", 2, std::nullopt},
    };
    for (const Scaled& c : divisions) {
        EXPECT_EQ(TimeDivide(c.time, c.n), c.expected) << c.time << " / " << c.n;
    }
    const Scaled products[] = {
        {"9:00", 3, "27:00"},
        {"1:45", 0, "0:00"},
        {"0:25", 3, "1:15"},
        {"8:x", 2, std::nullopt},
        // A product too large for any count of minutes is refused, not wrapped.
        {"2147483647:00", 2147483647, std::nullopt},
    };
    for (const Scaled& c : products) {
        EXPECT_EQ(TimeMultiply(c.time, c.n), c.expected) << c.time << " * " << c.n;
    }
    const Binary halves[] = {
        {"9:45", "", "4:52"}, {"8:45", "", "4:22"}, {"0:01", "", "0:00"},
        {"1:00", "", "0:30"}, {"", "", "0:00"},
    };
    for (const Binary& c : halves) {
        EXPECT_EQ(TimeHalf(c.a), c.expected) << c.a;
    }
    EXPECT_EQ(TimeHalf("x:00"), std::nullopt);
}

TEST(Durations, DaysMinutesAndHours) {
    struct Days {
        const char* time;
        int days;
        const char* hm;
    };
    const Days splits[] = {
        {"50:15", 2, "2:15"}, {"8:5", 0, "8:05"},   {"", 0, "0:00"},
        {"24:00", 1, "0:00"}, {"26:30", 1, "2:30"}, {"12:", 0, "12:"},
    };
    for (const Days& c : splits) {
        DaysAndTime split = SplitDays(c.time);
        EXPECT_EQ(split.days, c.days) << c.time;
        EXPECT_EQ(split.hm, c.hm) << c.time;
    }
    EXPECT_EQ(TimeToMinutes("10:05"), 605);
    EXPECT_EQ(TimeToMinutes(""), 0);
    EXPECT_EQ(TimeToMinutes("26:30"), 1590);
    EXPECT_EQ(MinutesToTime(605), "10:05");
    EXPECT_EQ(MinutesToTime(0), "0:00");
    EXPECT_EQ(MinutesToTime(6039), "100:39");
    EXPECT_FLOAT_EQ(TimeToHours("7:30"), 7.5f);
    EXPECT_FLOAT_EQ(TimeToHours("0:20"), 1.0f / 3.0f);
    EXPECT_FLOAT_EQ(TimeToHours(""), 0.0f);
}

TEST(Durations, ShiftingBackOverMidnightWrapsIntoTheDay) {
    // Leaving home at 0:10 with 30 minutes' commute: work ended at 23:40.
    EXPECT_EQ(MinutesToTime(TimeToMinutes("0:10") - 30), "23:40");
    EXPECT_EQ(MinutesToTime(-1), "23:59");
    EXPECT_EQ(MinutesToTime(-1440), "0:00");
    EXPECT_EQ(MinutesToTime(-1500), "23:00");
    // Forward shifts keep their hours of 24 and more, as stored times do.
    EXPECT_EQ(MinutesToTime(TimeToMinutes("23:50") + 30), "24:20");
}

TEST(Texts, PadTwoAndTextAfterFirstLine) {
    EXPECT_EQ(PadTwo("5"), "05");
    EXPECT_EQ(PadTwo("15"), "15");
    EXPECT_EQ(PadTwo(""), "");
    EXPECT_EQ(PadTwo("123"), "123");
    EXPECT_EQ(TextAfterFirstLine("休日\n休暇"), "休暇");
    EXPECT_EQ(TextAfterFirstLine("睡眠時間"), "睡眠時間");
    EXPECT_EQ(TextAfterFirstLine("時間\n"), "");
    EXPECT_EQ(TextAfterFirstLine("a\nb\nc"), "b\nc");
}

} // namespace
