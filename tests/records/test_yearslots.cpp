#include "records/holidays.h"
#include "records/state.h"
#include "records/yearslots.h"
#include "tests/common/tempfolder.h"

#include <gtest/gtest.h>

namespace {

#define NENKYU "\x94\x4e\x8b\x78" // 年休
#define DAIKYU "\x91\xe3\x8b\x78" // 代休
#define SUI "\x90\x85"            // 水
#define KYUJITSU "\x8b\x78\x93\xfa"

class PeriodLoaderTest : public ::testing::Test {
protected:
    void SetUp() override { ResetProgramState(); }
    void TearDown() override { ResetProgramState(); }

    std::vector<std::string> Row(int element) const {
        const Workdt& w = SummaryWork[element];
        std::vector<std::string> row{w.DateWeek[0], w.DateWeek[1], w.Kind};
        row.insert(row.end(), w.Values.begin(), w.Values.end());
        return row;
    }

    TempFolder folder;
};

using Texts = std::vector<std::string>;

TEST_F(PeriodLoaderTest, ReadsDaysByKeyAcrossTheYearEnd) {
    // The last days of 2003 in reverse order; day 362 is missing.
    WriteBytes(folder / "2003.dat",
               "[DayData]\r\n"
               "365=12/31," SUI "," NENKYU ",7:00,8:30,18:00,23:00,8520,65.3000030517578,memo\r\n"
               "364=12/30,x," DAIKYU ",,,,,0,0,\r\n"
               "363=12/29,x,,6:00,,,,0,0,\r\n"
               "361=12/27,x,,,,,,0,0,\"a,b\"\r\n");
    WriteBytes(folder / "2004.dat", "[DayData]\r\n1=1/01,x," KYUJITSU ",,,,,0,0,\r\n"
                                    "2=1/02,x,,8:00,,,,0,0,\r\n");
    for (Workdt& w : SummaryWork) {
        w.FullDate = "kept";
        w.Values[0] = "stale";
    }
    int count = -1;
    EXPECT_EQ(LoadPeriodDays(folder.Path(), 2003, 361, 365, count), 1);
    EXPECT_EQ(count, 4);
    EXPECT_EQ(LoadPeriodDays(folder.Path(), 2004, 1, 3, count), 1);
    EXPECT_EQ(count, 7);

    EXPECT_EQ(Row(0), (Texts{"12/27", "x", "", "", "", "", "", "0", "0", "a,b"}));
    EXPECT_EQ(Row(1), (Texts{"12/28", "日", "休日", "", "", "", "", "", "", ""}))
        << "a day the file lacks is built, not left as it was";
    EXPECT_EQ(Row(2), (Texts{"12/29", "x", "", "6:00", "", "", "", "0", "0", ""}));
    EXPECT_EQ(Row(4), (Texts{"12/31", "水", "年休", "7:00", "8:30", "18:00", "23:00", "8520",
                             "65.3000030517578", "memo"}));
    EXPECT_EQ(Row(5), (Texts{"1/01", "x", "休日", "", "", "", "", "0", "0", ""}));
    EXPECT_EQ(Row(6)[3], "8:00");
    EXPECT_EQ(Row(7), (Texts{"1/03", "土", "", "", "", "", "", "", "", ""}));
    EXPECT_EQ(SummaryWork[0].FullDate, "kept");
    EXPECT_EQ(SummaryWork[8].Values[0], "stale") << "elements after the period stay";
}

TEST_F(PeriodLoaderTest, YearWithoutDayFileIsBuiltWithoutReplacingTheProgramCalendar) {
    BuildHolidayTable(2004);
    BuildYearCalendar(2004);
    // The holiday file of 2005 makes 1/03 a rest day.
    WriteBytes(folder / "2005H.dat",
               "[HolidayData]\r\n1=1/01," KYUJITSU ",x\r\n2=1/02,,\r\n3=1/03," KYUJITSU ",\r\n");
    SummaryWork[3].Values[6] = "stale";
    int count = -1;
    EXPECT_EQ(LoadPeriodDays(folder.Path(), 2005, 1, 10, count), 0);
    EXPECT_EQ(count, 9);
    EXPECT_EQ(Row(0), (Texts{"1/01", "土", "休日", "", "", "", "", "", "", ""}));
    EXPECT_EQ(Row(1)[2], "休日") << "Sunday";
    EXPECT_EQ(Row(2)[2], "休日") << "from the holiday file";
    EXPECT_EQ(Row(3), (Texts{"1/04", "火", "", "", "", "", "", "", "", ""}));
    EXPECT_EQ(Row(9)[2], "休日") << "成人の日 2005";
    EXPECT_EQ(HolidayCalendarDays, 366);
    EXPECT_EQ(HolidayCalendar[12].Name, "成人の日") << "still the calendar of 2004";
    EXPECT_FALSE(std::filesystem::exists(folder / "2005.dat"));

    // A file without its header counts as missing.
    WriteBytes(folder / "2005.dat", "1=1/01,x," DAIKYU "\r\n");
    count = -1;
    EXPECT_EQ(LoadPeriodDays(folder.Path(), 2005, 1, 1, count), 0);
    EXPECT_EQ(Row(0)[2], "休日");
}

TEST_F(PeriodLoaderTest, NeverWritesPastTheEndOfTheSummaryRows) {
    int count = -1;
    LoadPeriodDays(folder.Path(), 2004, 1, 40, count);
    EXPECT_EQ(count, SummaryWorkSize - 1);
    LoadPeriodDays(folder.Path(), 2004, 41, 45, count);
    EXPECT_EQ(count, SummaryWorkSize - 1);
    count = -1;
    LoadPeriodDays(folder.Path(), 2004, 360, 400, count);
    EXPECT_EQ(count, 6);
    EXPECT_EQ(Row(6)[0], "12/31");
    count = -1;
    LoadPeriodDays(folder.Path(), 2004, -5, 1, count);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(Row(0)[0], "1/01");
}

TEST_F(PeriodLoaderTest, PositionAndKeyReadersDisagreeOnReorderedLines) {
    WriteBytes(folder / "2004.dat", "[DayData]\r\n2=1/02,x," DAIKYU ",,,,,0,0,\r\n"
                                    "1=1/01,x," NENKYU ",,,,,0,0,\r\n");
    int count = -1;
    LoadPeriodDays(folder.Path(), 2004, 1, 2, count);
    EXPECT_EQ(Row(0)[2], "年休");
    EXPECT_EQ(Row(1)[2], "代休");
    LoadYearSlots(folder.Path(), 2004);
    EXPECT_EQ(YearSlot2[1].Kind, "代休");
    EXPECT_EQ(YearSlot2[2].Kind, "年休");
}

} // namespace
