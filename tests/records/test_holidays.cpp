#include "records/holidays.h"
#include "records/state.h"
#include "tests/common/tempfolder.h"
#include "tests/common/yearbytes.h"

#include <gtest/gtest.h>

#include <map>

namespace {

// CP932 bytes of the texts the files hold.
#define KYUJITSU "\x8b\x78\x93\xfa" // 休日
#define GANTAN "\x8c\xb3\x92\x55"   // 元旦
#define KAIGI "\x89\xef\x8b\x63"    // 会議

// A 2004 holiday file: every day "d=m/dd,," unless rest gives the text after
// the date's comma.
std::string HolidayFile2004(const std::map<int, std::string>& rest) {
    return YearFileBytes2004("[HolidayData]", [&](int d, const std::string& date) {
        auto it = rest.find(d);
        return date + "," + (it == rest.end() ? "," : it->second);
    });
}

class HolidayCalendarTest : public ::testing::Test {
protected:
    void SetUp() override { ResetProgramState(); }
    void TearDown() override { ResetProgramState(); }

    // The marked days of the built calendar as "m/dd name".
    static std::vector<std::string> MarkedDays() {
        std::vector<std::string> marked;
        for (int d = 1; d <= HolidayCalendarDays; ++d) {
            if (HolidayCalendar[d].Mark == "休日") {
                marked.push_back(HolidayCalendar[d].Date + " " + HolidayCalendar[d].Name);
            }
        }
        return marked;
    }
    static void Build(int year) {
        BuildHolidayTable(year);
        BuildYearCalendar(year);
    }

    TempFolder folder;
};

TEST_F(HolidayCalendarTest, Year2004HasFifteenHolidays) {
    Build(2004);
    EXPECT_EQ(HolidayCalendarDays, 366);
    EXPECT_EQ(NationalHolidayLast, 14);
    EXPECT_EQ(MarkedDays(),
              (std::vector<std::string>{
                  "1/01 元旦", "1/12 成人の日", "2/11 建国記念日", "3/20 春分の日",
                  "4/29 みどりの日", "5/03 憲法記念日", "5/04 国民の休日", "5/05 こどもの日",
                  "7/19 海の日", "9/20 敬老の日", "9/23 秋分の日", "10/11 体育の日",
                  "11/03 文化の日", "11/23 勤労感謝の日", "12/23 天皇誕生日"}));
    EXPECT_EQ(HolidayCalendar[60].Date, "2/29");
    EXPECT_EQ(HolidayCalendar[366].Date, "12/31");
    EXPECT_TRUE(NationalHolidays[15].Date.empty());
}

TEST_F(HolidayCalendarTest, YearRulesOfTheTable) {
    for (int year = 1985; year <= 2013; ++year) {
        Build(year);
        EXPECT_EQ(HolidayCalendar[31 + (year % 4 == 0 ? 29 : 28) + 31 + 30 + 4].Name, "国民の休日")
            << year;
    }
    Build(1984);
    EXPECT_EQ(HolidayCalendar[31 + 29 + 31 + 30 + 4].Mark, "");
    EXPECT_EQ(HolidayCalendar[31 + 29 + 31 + 30 + 4].Date, "5/04");
    Build(1960);
    EXPECT_EQ(MarkedDays().size(), 12u) << "no 建国記念日, 国民の休日, 天皇誕生日";
}

TEST_F(HolidayCalendarTest, AutumnalEquinoxOf2012IsOnTheTwentySecond) {
    Build(2012);
    int sep22 = 31 + 29 + 31 + 30 + 31 + 30 + 31 + 31 + 22;
    EXPECT_EQ(HolidayCalendar[sep22].Name, "秋分の日");
    EXPECT_EQ(HolidayCalendar[sep22 + 1].Mark, "");
    Build(2011);
    EXPECT_EQ(HolidayCalendar[sep22].Name, "秋分の日") << "9/23 in a common year";
}

TEST_F(HolidayCalendarTest, HolidayFileMarksWinOverTheTable) {
    // 1/01 cleared by the user, 1/02 made a rest day with a remark, 1/03 only
    // a date, 1/05 a mark that is not exactly the rest mark.
    std::string bytes = HolidayFile2004({{1, ","},
                                         {2, KYUJITSU "," KAIGI},
                                         {5, "x" KYUJITSU ",name"},
                                         {6, " " KYUJITSU " , " GANTAN " "}});
    bytes.replace(bytes.find("3=1/03,,"), 8, "3=1/03");
    WriteBytes(folder / "2004H.dat", bytes);
    BuildHolidayTable(2004);
    for (int load = 0; load < 2; ++load) {
        EXPECT_EQ(LoadHolidayFile(folder.Path(), 2004), 1);
        EXPECT_EQ(HolidayCalendar[1].Mark, "");
        EXPECT_EQ(HolidayCalendar[1].Name, "");
        EXPECT_EQ(HolidayCalendar[2].Mark, "休日");
        EXPECT_EQ(HolidayCalendar[2].Name, "会議");
        EXPECT_EQ(HolidayCalendar[3].Mark, "");
        EXPECT_EQ(HolidayCalendar[3].Name, "");
        EXPECT_EQ(HolidayCalendar[5].Mark, "");
        EXPECT_EQ(HolidayCalendar[5].Name, "name");
        EXPECT_EQ(HolidayCalendar[6].Mark, "休日");
        EXPECT_EQ(HolidayCalendar[6].Name, "元旦");
        EXPECT_EQ(HolidayCalendar[12].Mark, "") << "the file decides, not the table";
    }
}

TEST_F(HolidayCalendarTest, SavedFileIsTheGoldenBytesAndRoundTrips) {
    Build(2004);
    HolidayCalendar[2].Mark = "休日";
    HolidayCalendar[2].Name = "会議, 午後";
    ASSERT_TRUE(SaveHolidayFile(folder.Path(), 2004));
    const std::string golden = HolidayFile2004({
        {1, KYUJITSU "," GANTAN},
        {2, KYUJITSU ",\"" KAIGI ", \x8c\xdf\x8c\xe3\""},
        {12, KYUJITSU ",\x90\xac\x90\x6c\x82\xcc\x93\xfa"},
        {42, KYUJITSU ",\x8c\x9a\x8d\x91\x8b\x4c\x94\x4f\x93\xfa"},
        {80, KYUJITSU ",\x8f\x74\x95\xaa\x82\xcc\x93\xfa"},
        {120, KYUJITSU ",\x82\xdd\x82\xc7\x82\xe8\x82\xcc\x93\xfa"},
        {124, KYUJITSU ",\x8c\x9b\x96\x40\x8b\x4c\x94\x4f\x93\xfa"},
        {125, KYUJITSU ",\x8d\x91\x96\xaf\x82\xcc\x8b\x78\x93\xfa"},
        {126, KYUJITSU ",\x82\xb1\x82\xc7\x82\xe0\x82\xcc\x93\xfa"},
        {201, KYUJITSU ",\x8a\x43\x82\xcc\x93\xfa"},
        {264, KYUJITSU ",\x8c\x68\x98\x56\x82\xcc\x93\xfa"},
        {267, KYUJITSU ",\x8f\x48\x95\xaa\x82\xcc\x93\xfa"},
        {285, KYUJITSU ",\x91\xcc\x88\xe7\x82\xcc\x93\xfa"},
        {308, KYUJITSU ",\x95\xb6\x89\xbb\x82\xcc\x93\xfa"},
        {328, KYUJITSU ",\x8b\xce\x98\x4a\x8a\xb4\x8e\xd3\x82\xcc\x93\xfa"},
        {358, KYUJITSU ",\x93\x56\x8d\x63\x92\x61\x90\xb6\x93\xfa"},
    });
    const std::string written = ReadBytes(folder / "2004H.dat");
    EXPECT_EQ(written, golden);

    ResetProgramState();
    BuildHolidayTable(2004);
    ASSERT_EQ(LoadHolidayFile(folder.Path(), 2004), 1);
    EXPECT_EQ(HolidayCalendar[2].Name, "会議, 午後");
    ASSERT_TRUE(SaveHolidayFile(folder.Path(), 2004));
    EXPECT_EQ(ReadBytes(folder / "2004H.dat"), written);
}

TEST_F(HolidayCalendarTest, FileWithoutHeaderIsIgnoredAndBackedUpOnSave) {
    const std::string damaged = "1=1/01,,\r\n2=1/02," KYUJITSU ",x\r\n";
    WriteBytes(folder / "2004H.dat", damaged);
    BuildHolidayTable(2004);
    EXPECT_EQ(LoadHolidayFile(folder.Path(), 2004), 0);
    EXPECT_EQ(HolidayCalendar[1].Mark, "休日");
    EXPECT_EQ(HolidayCalendar[2].Mark, "");

    DataFileWrite first = SaveHolidayFile(folder.Path(), 2004);
    EXPECT_TRUE(first.written);
    EXPECT_TRUE(first.backedUp());
    EXPECT_EQ(ReadBytes(folder / "2004H.dat.bak"), damaged);
    DataFileWrite second = SaveHolidayFile(folder.Path(), 2004);
    EXPECT_TRUE(second.written);
    EXPECT_FALSE(second.backedUp());
}

TEST_F(HolidayCalendarTest, CalendarOfAnotherYearIsNotSavedUnderThisYear) {
    Build(2005);
    EXPECT_FALSE(SaveHolidayFile(folder.Path(), 2004));
    EXPECT_FALSE(std::filesystem::exists(folder / "2004H.dat"));
}

} // namespace
