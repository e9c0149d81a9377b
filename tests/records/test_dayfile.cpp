#include "records/dayfile.h"
#include "records/fileio.h"
#include "records/holidays.h"
#include "records/settings.h"
#include "records/state.h"
#include "records/vacation.h"
#include "records/yearslots.h"
#include "tests/common/tempfolder.h"
#include "tests/common/yearbytes.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <tuple>

namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

// CP932 bytes of the texts the files hold.
#define KYUJITSU "\x8b\x78\x93\xfa" // 休日
#define NENKYU "\x94\x4e\x8b\x78"   // 年休
#define DAIKYU "\x91\xe3\x8b\x78"   // 代休
#define GETSU "\x8c\x8e"            // 月
#define NICHI "\x93\xfa"            // 日
#define KIN "\x8b\xe0"              // 金

const char* const WeekdayBytes[7] = {"\x93\xfa", "\x8c\x8e", "\x89\xce", "\x90\x85",
                                     "\x96\xd8", "\x8b\xe0", "\x93\x79"};
// A 2004 day file, CP932 with CR LF: every day a plain work day
// "d=m/dd,<weekday>,,,,,,0,0," unless lines gives the text after the date.
std::string DayFile2004(const std::map<int, std::string>& lines) {
    return YearFileBytes2004("[DayData]", [&](int d, const std::string& date) {
        auto it = lines.find(d);
        return it != lines.end() ? it->second
                                 : date + "," + WeekdayBytes[(4 + d - 1) % 7] + ",,,,,,0,0,";
    });
}

// 1/05 with every field, 2/29 and 3/01 with remarks that need quotes, 12/31
// with a negative exercise value. The remark of 1/05 is 表ソ日: trail bytes
// 0x5C and 0xFA.
const std::map<int, std::string> SampleDays = {
    {5, "1/05," GETSU "," NENKYU ",6:30,8:45,19:10,23:40,8520,65.3000030517578,"
        "\x95\x5c\x83\x5c\x93\xfa"},
    {60, "2/29," NICHI "," KYUJITSU ",,,,,0,58.5,\"a,b\""},
    {61, "3/01," GETSU ",,7:00,,,,0,0,\"say \"\"hi\"\"\""},
    {366, "12/31," KIN "," DAIKYU ",,,,,-3,0,\x81\x60"},
};

auto Fields(const Recode1& r) {
    return std::tie(r.Date, r.Weekday, r.Kind, r.Rising, r.Arrival, r.Leaving, r.Bedtime,
                    r.Exercise, r.Condition, r.Remark);
}

std::vector<std::string> Lines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(bytes.substr(start, end - start));
    }
    EXPECT_EQ(start, bytes.size()) << "every line ends with CR LF";
    return lines;
}

class DayFileTest : public ::testing::Test {
protected:
    void SetUp() override { ResetProgramState(); }
    void TearDown() override { ResetProgramState(); }

    fs::path File() const { return folder / "2004.dat"; }
    int Load(const std::string& bytes) {
        WriteBytes(File(), bytes);
        return LoadYearSlots(folder.Path(), 2004);
    }

    TempFolder folder;
};

TEST_F(DayFileTest, LeapYearFileLoadsEveryValueAndSavesTheSameBytes) {
    const std::string golden = DayFile2004(SampleDays);
    ASSERT_EQ(Load(golden), 1);
    EXPECT_EQ(YearSlotDays[2], 366);
    const Recode1& jan5 = YearSlot2[5];
    EXPECT_EQ(Fields(jan5), Fields(Recode1{"1/05", "月", "年休", "6:30", "8:45", "19:10", "23:40",
                                           8520, 65.3f, "表ソ日"}));
    EXPECT_EQ(YearSlot2[60].Date, "2/29");
    EXPECT_EQ(YearSlot2[60].Condition, 58.5f);
    EXPECT_EQ(YearSlot2[60].Remark, "a,b");
    EXPECT_EQ(YearSlot2[61].Remark, "say \"hi\"");
    EXPECT_EQ(YearSlot2[366].Exercise, -3);
    EXPECT_EQ(YearSlot2[366].Remark, "～");
    EXPECT_EQ(YearSlot2[4].Kind, "") << "the stored kind wins over the Sunday";

    DataModified = 1;
    DataFileWrite saved = SaveDayFile(folder.Path(), 2, 2004);
    EXPECT_TRUE(saved.written);
    EXPECT_FALSE(saved.backedUp());
    EXPECT_EQ(saved.path, File());
    EXPECT_EQ(DataModified, 1) << "the window's flag is left to the save cycle";
    const std::string written = ReadBytes(File());
    EXPECT_EQ(written, golden);
    std::vector<std::string> lines = Lines(written);
    ASSERT_EQ(lines.size(), 367u);
    EXPECT_EQ(lines[0], "[DayData]");
    EXPECT_EQ(lines[60].substr(0, 7), "60=2/29");
}

// Conditions repeat from day to day, with rest days between: each day still
// gets its own, also when quoted texts of the same length follow each other.
TEST_F(DayFileTest, EachDayReadsItsOwnCondition) {
    const std::vector<std::string> conditions = {"65.3",     "0", "65.3", "\"65.3\"", "\"70.1\"",
                                                 "\"71.9\"", "0", "70.1", "65.3"};
    const std::vector<float> expected = {65.3f, 0.0f, 65.3f, 65.3f, 70.1f,
                                         71.9f, 0.0f, 70.1f, 65.3f};
    std::map<int, std::string> lines;
    for (std::size_t i = 0; i < conditions.size(); ++i) {
        const int d = static_cast<int>(i) + 1;
        lines[d] = "1/0" + std::to_string(d) + "," + WeekdayBytes[(4 + d - 1) % 7] + ",,,,,,0," +
                   conditions[i] + ",";
    }
    ASSERT_EQ(Load(DayFile2004(lines)), 1);
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(YearSlot2[static_cast<int>(i) + 1].Condition, expected[i]) << i + 1;
    }
}

TEST_F(DayFileTest, YearWithoutFilesIsBuiltFromTheCalendarAndNothingIsWritten) {
    Settings.WeeklyHolidays = {1, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(LoadYearSlots(folder.Path(), 2004), 0);
    EXPECT_TRUE(fs::is_empty(folder.Path()));
    EXPECT_EQ(YearSlotDays[1], 365);
    EXPECT_EQ(YearSlotDays[2], 366);
    EXPECT_EQ(YearSlotYear[1], 2003);
    EXPECT_EQ(YearSlotYear[2], 2004);
    EXPECT_EQ(HolidayCalendarDays, 366) << "the calendar of the displayed year stays";
    EXPECT_EQ(YearSlot1[1].Date, "1/01");
    EXPECT_EQ(YearSlot1[1].Weekday, "水");
    EXPECT_EQ(YearSlot1[1].Kind, "休日");

    EXPECT_EQ(Fields(YearSlot2[2]), Fields(Recode1{"1/02", "金", "", "", "", "", "", 0, 0, ""}));
    EXPECT_EQ(YearSlot2[3].Kind, "") << "Saturday";
    EXPECT_EQ(YearSlot2[4].Kind, "休日") << "Sunday";
    EXPECT_EQ(YearSlot2[12].Kind, "休日") << "成人の日";
    EXPECT_EQ(YearSlot2[60].Date, "2/29");
    EXPECT_EQ(YearSlot2[60].Weekday, "日");
    EXPECT_EQ(YearSlot2[366].Weekday, "金");
    int restDays = 0;
    for (int d = 1; d <= 366; ++d) {
        restDays += YearSlot2[d].Kind == "休日";
    }
    EXPECT_EQ(restDays, 52 + 15) << "52 Sundays and 15 holidays, none of them on a Sunday";

    Settings.WeeklyHolidays[6] = 1;
    LoadYearSlots(folder.Path(), 2004);
    EXPECT_EQ(YearSlot2[3].Kind, "休日");
}

TEST_F(DayFileTest, DamagedFilesNeverCrashAndKeepWhatTheyHold) {
    const std::string golden = DayFile2004(SampleDays);
    {
        SCOPED_TRACE("truncated inside day 5");
        std::string cut = golden.substr(0, golden.find("6:30") + 3);
        EXPECT_EQ(Load(cut), 1);
        EXPECT_EQ(YearSlot2[5].Kind, "年休");
        EXPECT_EQ(YearSlot2[5].Rising, "6:3");
        EXPECT_EQ(YearSlot2[5].Arrival, "");
        EXPECT_EQ(YearSlot2[11].Kind, "休日") << "days after the cut are built";
        DataFileWrite saved = SaveDayFile(folder.Path(), 2, 2004);
        ASSERT_TRUE(saved);
        EXPECT_EQ(Lines(ReadBytes(File())).size(), 367u);
        EXPECT_EQ(saved.backup, folder / "2004.dat.bak");
        EXPECT_EQ(ReadBytes(folder / "2004.dat.bak"), cut);
        fs::remove(saved.backup);
    }
    {
        SCOPED_TRACE("LF line ends");
        std::string lf;
        for (char c : golden) {
            if (c != '\r') {
                lf += c;
            }
        }
        EXPECT_EQ(Load(lf), 1);
        EXPECT_EQ(Fields(YearSlot2[5]), Fields(Recode1{"1/05", "月", "年休", "6:30", "8:45",
                                                       "19:10", "23:40", 8520, 65.3f, "表ソ日"}));
        EXPECT_EQ(YearSlot2[366].Remark, "～");
    }
    {
        SCOPED_TRACE("garbage numbers, missing fields, legacy comma, long line");
        const std::string longRemark = std::string(20000, 'x') + "\x95\x5c";
        Load(DayFile2004({
            {1, "1/01,x,,,,,,12abc,65.5x,"},
            {2, "1/02,x,,,,,,abc,x,"},
            {3, "1/03,x,,,,,, -7 ,1e999,"},
            {4, "1/04,x,,,,,,99999999999,--1,"},
            {5, "1/05,x,,6:00,,,,8000"},
            {6, "1/06,x,,,,,,0,0,a,b"},
            {7, "1/07,x,,,,,,0,0," + longRemark},
            {8, "\"unclosed"},
            {9, "\x00\x81\x81,\x81\x81,\x93\xfa"s},
        }));
        EXPECT_EQ(YearSlot2[1].Exercise, 12);
        EXPECT_EQ(YearSlot2[1].Condition, 65.5f);
        EXPECT_EQ(YearSlot2[2].Exercise, 0);
        EXPECT_EQ(YearSlot2[2].Condition, 0.0f);
        EXPECT_EQ(YearSlot2[3].Exercise, -7);
        EXPECT_EQ(YearSlot2[3].Condition, 0.0f);
        EXPECT_EQ(YearSlot2[4].Exercise, 0);
        EXPECT_EQ(YearSlot2[4].Condition, 0.0f);
        EXPECT_EQ(YearSlot2[5].Exercise, 8000);
        EXPECT_EQ(YearSlot2[5].Condition, 0.0f);
        EXPECT_EQ(YearSlot2[5].Remark, "");
        EXPECT_EQ(YearSlot2[6].Remark, "a") << "an unquoted comma ends the remark";
        EXPECT_EQ(YearSlot2[7].Remark, std::string(20000, 'x') + "表");
        EXPECT_EQ(YearSlot2[8].Kind, "");
        EXPECT_EQ(YearSlot2[8].Date, "1/08") << "the date is the calendar's";
        ASSERT_TRUE(SaveDayFile(folder.Path(), 2, 2004));
        LoadYearSlots(folder.Path(), 2004);
        EXPECT_EQ(YearSlot2[7].Remark, std::string(20000, 'x') + "表");
    }
}

TEST_F(DayFileTest, LinesCountFromTheLastHeaderAndStopAtTheYearsEnd) {
    std::string bytes = "1=1/01,x," DAIKYU "\r\n[DayData]\r\n1=1/01,x," NENKYU
                        "\r\n [DayData] \r\n1=1/01,x,,8:00\r\n2=1/02,x," DAIKYU "\r\n";
    std::string extra = DayFile2004({});
    bytes += extra.substr(extra.find("3="));
    bytes += "367=1/01,x," DAIKYU "\r\n";
    EXPECT_EQ(Load(bytes), 1);
    EXPECT_EQ(YearSlot2[1].Kind, "");
    EXPECT_EQ(YearSlot2[1].Rising, "8:00");
    EXPECT_EQ(YearSlot2[2].Kind, "代休");
    EXPECT_EQ(YearSlot2[366].Kind, "");
    // Read by position: the day number before "=" does not count.
    Load("[DayData]\r\n9=1/09,x," DAIKYU "\r\n");
    EXPECT_EQ(YearSlot2[1].Kind, "代休");
    EXPECT_EQ(YearSlot2[9].Kind, "");
}

TEST_F(DayFileTest, FileWithoutHeaderIsKeptAsBackupBeforeItIsReplaced) {
    std::string golden = DayFile2004(SampleDays);
    std::string headless = golden.substr(golden.find("\r\n") + 2);
    EXPECT_EQ(Load(headless), 0);
    EXPECT_EQ(YearSlot2[5].Kind, "") << "built as if the file were missing";
    EXPECT_EQ(YearSlot2[4].Kind, "休日");
    EXPECT_EQ(ReadBytes(File()), headless) << "loading writes nothing";

    DataFileWrite first = SaveDayFile(folder.Path(), 2, 2004);
    EXPECT_TRUE(first.written);
    EXPECT_TRUE(first.backedUp());
    EXPECT_EQ(ReadBytes(folder / "2004.dat.bak"), headless);
    EXPECT_EQ(Lines(ReadBytes(File()))[0], "[DayData]");
    DataFileWrite second = SaveDayFile(folder.Path(), 2, 2004);
    EXPECT_TRUE(second.written);
    EXPECT_FALSE(second.backedUp()) << "the message is shown once";
}

TEST_F(DayFileTest, SlotIsNeverWrittenIntoAnotherYearsFile) {
    LoadYearSlots(folder.Path(), 2004);
    EXPECT_FALSE(SaveDayFile(folder.Path(), 1, 2004));
    EXPECT_FALSE(SaveDayFile(folder.Path(), 2, 2003));
    EXPECT_FALSE(SaveDayFile(folder.Path(), 0, 2004));
    EXPECT_FALSE(SaveDayFile(folder.Path(), 3, 2004));
    EXPECT_TRUE(fs::is_empty(folder.Path()));
    EXPECT_TRUE(SaveDayFile(folder.Path(), 1, 2003));
}

TEST_F(DayFileTest, SavesIntoReadOnlyFolderFailAndLeaveOldFilesIntact) {
    const std::string day = DayFile2004(SampleDays);
    const std::string holiday = "[HolidayData]\r\n1=1/01,,\r\n";
    const std::string vacation = "[System]\r\nKuriZan=3\r\n\r\n";
    const std::string headless = "garbage\r\n";
    WriteBytes(File(), day);
    WriteBytes(folder / "2004H.dat", holiday);
    WriteBytes(folder / "2004V.dat", vacation);
    WriteBytes(folder / "2003.dat", headless);
    LoadYearSlots(folder.Path(), 2004);
    YearSlot2[5].Remark = "changed";
    YearSlot1[5].Remark = "changed";
    LoadVacationFile(folder.Path(), 2004);
    KuriZan = 9;
    {
        ReadOnlyFolder readOnly(folder.Path());
        if (!readOnly.Refused()) {
            GTEST_SKIP() << "this file system lets every write through";
        }
        EXPECT_FALSE(SaveDayFile(folder.Path(), 2, 2004));
        DataFileWrite backup = SaveDayFile(folder.Path(), 1, 2003);
        EXPECT_FALSE(backup.written);
        EXPECT_FALSE(backup.backedUp());
        EXPECT_FALSE(SaveHolidayFile(folder.Path(), 2004));
        EXPECT_FALSE(SaveVacationFile(folder.Path(), 2004));
    }
    EXPECT_EQ(ReadBytes(File()), day);
    EXPECT_EQ(ReadBytes(folder / "2004H.dat"), holiday);
    EXPECT_EQ(ReadBytes(folder / "2004V.dat"), vacation);
    EXPECT_EQ(ReadBytes(folder / "2003.dat"), headless);
    int files = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder.Path())) {
        ++files;
    }
    EXPECT_EQ(files, 4) << "no temporary or backup file left behind";
}

TEST_F(DayFileTest, RederivingRestDaysKeepsEveryOtherKindAndValue) {
    LoadYearSlots(folder.Path(), 2004);
    YearSlot2[3].Kind = "年休";    // Saturday
    YearSlot2[4].Rising = "9:00";  // Sunday, 休日
    YearSlot2[10].Remark = "memo"; // Saturday, work day
    Settings.WeeklyHolidays = {0, 0, 0, 0, 0, 0, 1};
    HolidayCalendar[2].Mark = "休日";
    ASSERT_TRUE(RederiveRestDays(2, 2004));
    EXPECT_EQ(YearSlot2[3].Kind, "年休");
    EXPECT_EQ(YearSlot2[4].Kind, "");
    EXPECT_EQ(YearSlot2[4].Rising, "9:00");
    EXPECT_EQ(YearSlot2[10].Kind, "休日");
    EXPECT_EQ(YearSlot2[10].Remark, "memo");
    EXPECT_EQ(YearSlot2[2].Kind, "休日");
    EXPECT_EQ(YearSlot2[1].Kind, "休日");
    EXPECT_FALSE(RederiveRestDays(1, 2004)) << "slot 1 holds 2003";
}

} // namespace
