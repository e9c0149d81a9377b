#include "engine/monthsummarytexts.h"
#include "engine/periodsummary.h"
#include "records/cp932.h"
#include "records/settings.h"
#include "records/state.h"
#include "tests/common/tempfolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::string>;

// One keyed day line: "d=m/dd,weekday,kind,rise,arrival,leaving,bed,
// exercise,condition,remark", written in UTF-8 here and stored as CP932.
struct DayLine {
    int day;
    const char* fields;
};

class EngineTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProgramState();
        ProgramFolder = folder.Path();
    }
    void TearDown() override { ResetProgramState(); }

    void WriteYear(int year, const std::vector<DayLine>& lines) {
        std::string text = "[DayData]\r\n";
        for (const DayLine& line : lines) {
            text += std::to_string(line.day) + "=" + line.fields + "\r\n";
        }
        WriteBytes(folder / (std::to_string(year) + ".dat"), Utf8ToCp932(text).value());
    }

    int LoadMonth(int year, int month) {
        int days = 0;
        EXPECT_TRUE(LoadSummaryPeriod(folder.Path(), SummaryClosingDayMonth, year, month, days));
        EXPECT_EQ(days, SummaryDays);
        return days;
    }

    int LoadFree(const char* from, const char* to) {
        PeriodFrom = from;
        PeriodTo = to;
        int days = 0;
        EXPECT_TRUE(LoadSummaryPeriod(folder.Path(), SummaryFreePeriod, 0, 0, days));
        return days;
    }

    static Texts Times(int dayRow) {
        return Texts(DayTimes[dayRow - 1].Times.begin(), DayTimes[dayRow - 1].Times.begin() + 4);
    }
    static Texts Head(int row) {
        const Workdt& w = SummaryWork[row];
        return {w.DateWeek[0], w.DateWeek[1], w.Kind};
    }

    TempFolder folder;
};

TEST_F(EngineTest, DayShiftNightShiftLateLeavingAndDayKinds) {
    Settings.Breaks[0] = "12:00";
    Settings.Breake[0] = "13:00";
    Settings.Breaks[1] = "18:00";
    Settings.Breake[1] = "18:30";
    // September 2004; 8/31 is day 244, 9/1 day 245.
    WriteYear(2004, {
                        {244, "8/31,火,,,,,23:30,0,0,"},
                        {245, "9/01,水,,6:30,8:00,19:00,0:30,0,0,"},
                        {246, "9/02,木,,9:00,21:00,6:00,,0,0,"},
                        {247, "9/03,金,,10:00,10:00,26:30,,0,0,"},
                        {248, "9/04,土,休日,,9:00,18:00,,0,0,"},
                        {250, "9/06,月,前休,,13:00,17:00,,0,0,"},
                        {251, "9/07,火,年休,,,,,0,0,"},
                        {252, "9/08,水,代休,,,,,0,0,"},
                        {253, "9/09,木,欠勤,,,,,0,0,"},
                        {254, "9/10,金,前欠,,,,,0,0,"},
                    });
    ASSERT_EQ(LoadMonth(2004, 9), 31);
    SummarizePeriodDays();

    // Day shift: 8:00-19:00 less both breaks; 8:00-17:00 less lunch is
    // regular time.
    EXPECT_EQ(Times(1), (Texts{"7:00", "9:30", "1:30", "0:00"}));
    // Night shift 21:00-6:00: 22:00-5:00 is late-night time and not
    // overtime; nothing falls into office hours.
    EXPECT_EQ(Times(2), (Texts{"8:30", "9:00", "2:00", "7:00"}));
    // Leaving at 26:30 (2:30 next morning); no bedtime the day before.
    EXPECT_EQ(Times(3), (Texts{"", "15:00", "4:30", "4:30"}));
    // A rest day worked: all of it is overtime.
    EXPECT_EQ(Times(4), (Texts{"", "8:00", "8:00", "0:00"}));
    EXPECT_EQ(Times(5), (Texts{"", "", "", ""}));
    // Morning leave: four hours are half a regular day, no overtime.
    EXPECT_EQ(Times(6), (Texts{"", "4:00", "0:00", "0:00"}));

    EXPECT_EQ(PeriodTotals,
              (std::array<std::string, 6>{"15:30", "45:30", "16:00", "11:30", "0", ""}));
    EXPECT_EQ(PeriodAverages,
              (std::array<std::string, 6>{"7:45", "9:06", "3:12", "2:18", "0", "0.0"}));
    EXPECT_EQ(PeriodValueCounts, (std::array<std::int32_t, 6>{2, 5, 5, 5, 0, 0}));
    // Overtime of exactly two hours is not over two hours.
    EXPECT_EQ(PeriodThresholdCounts, (std::array<std::int32_t, 6>{0, 0, 2, 2, 0, 0}));
    // Rest days: 9/4 from the file, the Sundays 5, 12, 19, 26 and the
    // holidays 9/20 and 9/23 from the calendar.
    EXPECT_EQ(PeriodDayCounts, (std::array<float, 6>{5.0f, 1.0f, 7.0f, 1.5f, 1.0f, 1.5f}));
}

TEST_F(EngineTest, ThresholdsAtTheirEdgesAndValues) {
    Settings.Scheduledstart = "8:00";
    Settings.Scheduledend = "17:00";
    // 9/30 is day 274.
    WriteYear(2004, {
                        {274, "9/30,木,,,,,0:00,0,0,"},
                        {275, "10/01,金,,6:00,8:00,19:00,1:01,10000,65.3,"},
                        {276, "10/02,土,,7:00,8:00,19:01,23:00,9999,65.2,"},
                        {277, "10/03,日,,3:59,8:00,20:00,,13000,0,"},
                        {278, "10/04,月,,,8:00,20:01,,0,,"},
                    });
    ASSERT_EQ(LoadFree("2004/10/1", "2004/10/4"), 5);
    SummarizePeriodDays();

    // Sleep 6:00, 5:59, 4:59; overtime 2:00, 2:01, 3:00, 3:01.
    EXPECT_EQ(DayTimes[0].Times[0], "6:00");
    EXPECT_EQ(DayTimes[1].Times[0], "5:59");
    EXPECT_EQ(DayTimes[2].Times[0], "4:59");
    EXPECT_EQ(DayTimes[3].Times[2], "3:01");
    EXPECT_EQ(PeriodThresholdCounts, (std::array<std::int32_t, 6>{2, 1, 3, 1, 2, 1}));
    EXPECT_EQ(PeriodTotals[4], "32999");
    EXPECT_EQ(PeriodAverages[4], "10999");
    // 65.25 rounds half away from zero.
    EXPECT_EQ(PeriodAverages[5], "65.3");
    EXPECT_EQ(PeriodValueCounts[4], 3);
    EXPECT_EQ(PeriodValueCounts[5], 2);

    // A step threshold of 0 still counts only the days with a value, and a
    // second run starts from zero.
    Settings.Walking1 = 0;
    SummarizePeriodDays();
    EXPECT_EQ(PeriodThresholdCounts[4], 3);
    EXPECT_EQ(PeriodThresholdCounts[5], 1);
    EXPECT_EQ(PeriodTotals[4], "32999");
}

TEST_F(EngineTest, HomeDepartureTimesOrderTheSpanBeforeShiftingIt) {
    Settings.Breaks[0] = "12:00";
    Settings.Breake[0] = "13:00";
    Settings.Standflg = 1;
    Settings.Standtime = 30;
    WriteYear(2004, {
                        {275, "10/01,金,,,7:30,18:30,,0,0,"},
                        {276, "10/02,土,,,9:00,9:40,,0,0,"},
                        {277, "10/03,日,,,21:30,6:30,,0,0,"},
                    });
    ASSERT_EQ(LoadFree("2004/10/1", "2004/10/3"), 4);
    SummarizePeriodDays();
    // Work 8:00-18:00, regular time over 7:45-18:15.
    EXPECT_EQ(Times(1), (Texts{"", "9:00", "1:00", "0:00"}));
    // A short trip: shifted, its start passes its end, so it counts zero
    // rather than nearly a whole day.
    EXPECT_EQ(Times(2), (Texts{"", "0:00", "0:00", "0:00"}));
    // A night shift: 22:00-6:00 at work.
    EXPECT_EQ(Times(3), (Texts{"", "8:00", "1:00", "7:00"}));
    EXPECT_EQ(PeriodDayCounts[0], 3.0f);

    // Overtime keeps half of the commuting time, truncated: 45 minutes give
    // a span from 8:22 to 18:38.
    Settings.Standtime = 45;
    WriteYear(2004, {{275, "10/01,金,,,8:00,19:00,,0,0,"}});
    ASSERT_EQ(LoadFree("2004/10/1", "2004/10/1"), 2);
    SummarizePeriodDays();
    EXPECT_EQ(Times(1), (Texts{"", "8:30", "0:52", "0:00"}));
}

TEST_F(EngineTest, PeriodsAcrossTheYearEndUseTheirOwnCalendar) {
    WriteYear(2004, {
                        {1, "1/01,木,休日,7:00,,,,0,0,"},
                        {2, "1/02,金,,6:30,9:00,17:00,,0,0,"},
                        {20, "1/20,火,,,,,,500,,"},
                        {21, "1/21,水,,,,,,700,,"},
                    });
    HolidayCalendar[1].Name = "the displayed year's";
    HolidayCalendarDays = 365;
    NationalHolidays[0].Name = "kept";

    // Closing day 20: 2003/12/21 to 2004/1/20, row 0 the closing day; 2003
    // has no file, so its days come from its calendar.
    Settings.Deadline = 20;
    ASSERT_EQ(LoadMonth(2004, 1), 32);
    EXPECT_EQ(Head(0), (Texts{"12/20", "土", ""}));
    EXPECT_EQ(Head(1), (Texts{"12/21", "日", "休日"}));
    EXPECT_EQ(Head(3), (Texts{"12/23", "火", "休日"}));
    EXPECT_EQ(Head(12), (Texts{"1/01", "木", "休日"}));
    EXPECT_EQ(Head(31), (Texts{"1/20", "火", ""}));
    EXPECT_TRUE(SummaryWork[32].DateWeek[0].empty());
    SummarizePeriodDays();
    EXPECT_EQ(DayTimes[11].Times[0], "") << "12/31 has no bedtime";
    EXPECT_EQ(PeriodTotals[4], "500") << "1/21 lies after the period";
    EXPECT_EQ(PeriodTotals[1], "8:00");

    EXPECT_EQ(HolidayCalendar[1].Name, "the displayed year's");
    EXPECT_EQ(HolidayCalendarDays, 365);
    EXPECT_EQ(NationalHolidays[0].Name, "kept");

    // A closing day out of range is the calendar month; month 13 is January
    // of the next year.
    Settings.Deadline = 0;
    ASSERT_EQ(LoadMonth(2003, 13), 32);
    EXPECT_EQ(Head(0), (Texts{"12/31", "水", ""}));
    EXPECT_EQ(Head(31), (Texts{"1/31", "土", ""}));

    // Closing day 25 in a leap year: 2/25 to 3/25.
    Settings.Deadline = 25;
    ASSERT_EQ(LoadMonth(2004, 3), 30);
    EXPECT_EQ(Head(0)[0], "2/25");
    EXPECT_EQ(Head(4)[0], "2/29");

    // A free period over the year end reads each date from its own year.
    Settings.Deadline = 31;
    WriteYear(2003, {{365, "12/31,水,,,,,23:00,0,0,"}});
    ASSERT_EQ(LoadFree("2003/12/31", "2004/1/2"), 4);
    SummarizePeriodDays();
    EXPECT_EQ(Head(0)[0], "12/30");
    EXPECT_EQ(Times(2), (Texts{"8:00", "", "", ""}));
    EXPECT_EQ(Times(3), (Texts{"", "8:00", "0:00", "0:00"}));
}

TEST_F(EngineTest, UnreadableTimesCountAsEmptyAndTheRunGoesOn) {
    WriteYear(2004, {
                        {274, "9/30,木,,,,,23:00,0,0,"},
                        {275, "10/01,金,,08:00,8:7x,17:00,23:00,0,0,"},
                        {276, "10/02,土,,8:75,08:00,17:00,22:00,abc,x,"},
                        {277, "10/03,日,,6:00,9:00,18:00,,1200,60,"},
                    });
    Settings.Breaks[0] = "12:00";
    Settings.Breake[0] = "13:00";
    ASSERT_EQ(LoadFree("2004/10/1", "2004/10/3"), 4);
    SummarizePeriodDays();
    EXPECT_EQ(Times(1), (Texts{"9:00", "", "", ""}));
    EXPECT_EQ(Times(2), (Texts{"", "8:00", "0:00", "0:00"}));
    EXPECT_EQ(Times(3), (Texts{"8:00", "8:00", "1:00", "0:00"}));
    EXPECT_EQ(PeriodValueCounts, (std::array<std::int32_t, 6>{2, 2, 2, 2, 1, 1}));
    EXPECT_EQ(PeriodDayCounts[0], 2.0f);
    EXPECT_EQ(PeriodTotals[0], "17:00");
    EXPECT_EQ(PeriodAverages[5], "60.0");
}

TEST_F(EngineTest, FreePeriodOfOneDayAndRefusedPeriods) {
    WriteYear(2004, {
                        {245, "9/01,水,,,,,23:00,0,0,"},
                        {246, "9/02,木,,,,,,0,0,"},
                        {247, "9/03,金,,6:00,8:00,20:00,,9000,70,"},
                    });
    ASSERT_EQ(LoadFree("2004/9/2", "2004/9/2"), 2);
    EXPECT_EQ(Head(0)[0], "9/01");
    EXPECT_EQ(Head(1)[0], "9/02");
    EXPECT_TRUE(SummaryWork[2].DateWeek[0].empty()) << "the day after is not loaded";
    SummarizePeriodDays();
    EXPECT_EQ(PeriodTotals, (std::array<std::string, 6>{"0:00", "0:00", "0:00", "0:00", "0", ""}));
    EXPECT_EQ(PeriodAverages,
              (std::array<std::string, 6>{"0:00", "0:00", "0:00", "0:00", "0", "0.0"}));
    EXPECT_EQ(PeriodValueCounts, (std::array<std::int32_t, 6>{}));

    int days = -5;
    PeriodFrom = "2004/9/31";
    EXPECT_FALSE(LoadSummaryPeriod(folder.Path(), SummaryFreePeriod, 0, 0, days));
    EXPECT_EQ(days, 1);
    PeriodFrom = "2004/9/1";
    PeriodTo = "2004/10/3"; // 33 days
    EXPECT_FALSE(LoadSummaryPeriod(folder.Path(), SummaryFreePeriod, 0, 0, days));
    EXPECT_EQ(SummaryDays, 1);
    EXPECT_TRUE(SummaryWork[0].DateWeek[0].empty());
    SummarizePeriodDays();
    EXPECT_EQ(PeriodTotals[0], "0:00");

    MonthCountTable[0].Label = "1月";
    MonthCountTable[0].Values[2] = "3";
    MonthTotalTable[11].Values[5] = "1:00";
    MonthAverageTable[12].Values[0] = "total";
    ClearRectotalTables();
    EXPECT_EQ(MonthCountTable[0].Label, "1月");
    EXPECT_EQ(MonthCountTable[0].Values[2], "");
    EXPECT_EQ(MonthTotalTable[11].Values[5], "");
    EXPECT_EQ(MonthAverageTable[12].Values[0], "total");
}

TEST_F(EngineTest, ConditionSumsTakeEachValueAsReadAndStepTotalsPass32Bits) {
    // 18 days of condition values summing to 1187.1: 64.1 once, 66.2 five
    // times, 66.0 twelve times. Added as read, the single-precision sum ends
    // on 1187.1000976..., whose average 65.95000054 rounds to 66.0; values
    // narrowed before adding would end on 1187.0999755... and give 65.9.
    // Two days of 2,000,000,000 steps pass the 32-bit range.
    std::vector<DayLine> lines{{274, "9/30,木,,,,,,0,0,"}};
    std::vector<std::string> texts;
    texts.reserve(18);
    for (int d = 1; d <= 18; ++d) {
        const char* condition = d == 1 ? "64.1" : d <= 6 ? "66.2" : "66.0";
        const char* steps = d <= 2 ? "2000000000" : "0";
        texts.push_back("10/" + std::string(d < 10 ? "0" : "") + std::to_string(d) + ",金,,,,,," +
                        steps + "," + condition + ",");
        lines.push_back({274 + d, texts.back().c_str()});
    }
    WriteYear(2004, lines);
    ASSERT_EQ(LoadFree("2004/10/1", "2004/10/18"), 19);
    SummarizePeriodDays();
    EXPECT_EQ(PeriodValueCounts[5], 18);
    EXPECT_EQ(PeriodAverages[5], "66.0");
    EXPECT_EQ(PeriodValueCounts[4], 2);
    EXPECT_EQ(PeriodTotals[4], "4000000000");
    EXPECT_EQ(PeriodAverages[4], "2000000000");

    // The month summary shows the 64-bit total like the average.
    SummaryGridTexts grid = SummaryGridTitles();
    FillSummaryFigures(grid);
    EXPECT_EQ(grid[3][6], "4,000,000,000");
    EXPECT_EQ(grid[5][6], "2,000,000,000");
    EXPECT_EQ(grid[5][8], "66.0");

    // Blanks around a value are read; a text that is not wholly a number,
    // infinity and values beyond single precision are no value.
    const char* const conditions[] = {" 66.0 ", "+66", "inf", "nan", "1e39", "66x", "-", "."};
    for (int d = 1; d <= 8; ++d) {
        SummaryWork[static_cast<std::size_t>(d)].Values[WorkCondition] = conditions[d - 1];
    }
    SummarizePeriodDays();
    EXPECT_EQ(PeriodValueCounts[5], 12);
}

TEST_F(EngineTest, DailyConditionCellRoundsTheTextAsWrittenToOneDecimal) {
    // A value typed into the file elsewhere rounds from its decimal text;
    // the 15-digit texts the program writes for singles show as before.
    WriteYear(2004, {{11, "1/11,日,前欠,8:31,11:02,16:59,2:54,5000,64.35,"},
                     {12, "1/12,月,,,,,,0,64.3499984741211,"},
                     {13, "1/13,火,,,,,,0,65.3000030517578,"},
                     {14, "1/14,水,,,,,,0,-0.05,"}});
    ASSERT_EQ(LoadMonth(2004, 1), 32);
    SummarizePeriodDays();
    EXPECT_EQ(DailyRow(11)[0], "1/11 ");
    EXPECT_EQ(DailyRow(11)[8], "64.4");
    EXPECT_EQ(DailyRow(12)[8], "64.3");
    EXPECT_EQ(DailyRow(13)[8], "65.3");
    EXPECT_EQ(DailyRow(14)[8], "-0.1");
    EXPECT_EQ(DailyRow(15)[8], "");
}

} // namespace
