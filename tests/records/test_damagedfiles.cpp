#include "records/dayfile.h"
#include "records/filenotices.h"
#include "records/holidays.h"
#include "records/leftovers.h"
#include "records/settings.h"
#include "records/state.h"
#include "records/vacation.h"
#include "records/yearslots.h"
#include "tests/common/tempfolder.h"
#include "tests/common/yearbytes.h"

#include <chrono>
#include <gtest/gtest.h>
#include <sys/stat.h>

// Files the program did not write itself, or that were damaged: each one
// keeps every byte it held, and the user is told.

namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

// The same records in CP932 and as an editor re-saves them in UTF-8.
const std::string DayLineCp932 =
    "1/05,\x8c\x8e,\x94\x4e\x8b\x78,,,,,0,0,\x89\xef\x8b\x63"; // 月 年休 会議
const std::string DayLineUtf8 = "1/05,月,年休,,,,,0,0,会議";
const std::string HolidayCp932 = "[HolidayData]\r\n1=1/01,\x8b\x78\x93\xfa,\x8c\xb3\x92\x55\r\n";
const std::string HolidayUtf8 = "[HolidayData]\r\n1=1/01,休日,元旦\r\n";
const std::string VacationUtf8 = "[System]\r\nKuriZan=3\r\nKuriFlg=0\r\nNowZan=20\r\n\r\n"
                                 "[VacationData]\r\n1=2004/01/05,月,年休,1.0,22.0,通院\r\n\r\n";

std::string DayFile(const std::string& day5) {
    return YearFileBytes2004("[DayData]", [&](int d, const std::string& date) {
        return d == 5 ? day5 : date + ",x,,,,,,0,0,";
    });
}

// The day file with day d's remark "d", cut off after day `last`.
std::string DayFileCutAfter(int last) {
    std::string bytes = YearFileBytes2004("[DayData]", [](int d, const std::string& date) {
        return date + ",x,,8:00,,,,0,0," + std::to_string(d);
    });
    std::size_t end = bytes.find("\r\n" + std::to_string(last + 1) + "=");
    return bytes.substr(0, end + 2);
}

mode_t Mode(const fs::path& file) {
    struct stat info {};
    ::stat(file.c_str(), &info);
    return info.st_mode & 07777;
}

class DamagedFiles : public ::testing::Test {
protected:
    void SetUp() override { ResetProgramState(); }
    void TearDown() override { ResetProgramState(); }

    TempFolder folder;
};

TEST_F(DamagedFiles, ReEncodedFilesAreToldOnceKeptAndReplacedByFreshOnes) {
    WriteBytes(folder / "2004.dat", DayFile(DayLineUtf8));
    WriteBytes(folder / "2004H.dat", HolidayUtf8);
    WriteBytes(folder / "2004V.dat", VacationUtf8);
    EXPECT_EQ(LoadYearSlots(folder.Path(), 2004), 0) << "read as if missing";
    EXPECT_EQ(YearSlot2[5].Kind, "") << "no mojibake kind";
    EXPECT_EQ(YearSlot2[5].Remark, "");
    EXPECT_EQ(YearSlot2[1].Kind, "休日") << "the calendar of the table";
    EXPECT_EQ(TakeUnreadableFiles(),
              (std::vector<FileNotice>{{folder / "2004H.dat", FileState::Unrecognised},
                                       {folder / "2004.dat", FileState::Unrecognised},
                                       {folder / "2004V.dat", FileState::Unrecognised}}));
    LoadYearSlots(folder.Path(), 2004);
    EXPECT_TRUE(TakeUnreadableFiles().empty()) << "each file is told once";

    DataFileWrite day = SaveDayFile(folder.Path(), 2, 2004);
    ASSERT_TRUE(LoadHolidayFile(folder.Path(), 2004) == 0 && HolidayCalendarYear == 2004);
    DataFileWrite holiday = SaveHolidayFile(folder.Path(), 2004);
    EXPECT_EQ(LoadVacationFile(folder.Path(), 2004), 0);
    EXPECT_EQ(KuriZan, 0.0f);
    DataFileWrite vacation = SaveVacationFile(folder.Path(), 2004);
    for (const DataFileWrite* write : {&day, &holiday, &vacation}) {
        SCOPED_TRACE(write->path);
        EXPECT_TRUE(write->written);
        EXPECT_EQ(write->backup, fs::path(write->path.string() + ".bak"));
    }
    EXPECT_EQ(ReadBytes(folder / "2004.dat.bak"), DayFile(DayLineUtf8));
    EXPECT_EQ(ReadBytes(folder / "2004H.dat.bak"), HolidayUtf8);
    EXPECT_EQ(ReadBytes(folder / "2004V.dat.bak"), VacationUtf8);
    EXPECT_EQ(ReadBytes(folder / "2004.dat").substr(0, 11), "[DayData]\r\n");
    EXPECT_EQ(ReadBytes(folder / "2004V.dat"),
              "[System]\r\nKuriZan=0\r\nKuriFlg=0\r\nNowZan=0\r\n\r\n");
    EXPECT_FALSE(SaveDayFile(folder.Path(), 2, 2004).backedUp()) << "the fresh file is ours";

    // The same records in CP932 are read as they are.
    WriteBytes(folder / "2004.dat", DayFile(DayLineCp932));
    WriteBytes(folder / "2004H.dat", HolidayCp932);
    EXPECT_EQ(LoadYearSlots(folder.Path(), 2004), 1);
    EXPECT_EQ(YearSlot2[5].Kind, "年休");
    EXPECT_EQ(YearSlot2[5].Remark, "会議");
    EXPECT_EQ(HolidayCalendar[1].Name, "元旦");
    EXPECT_TRUE(TakeUnreadableFiles().empty());
}

TEST_F(DamagedFiles, FilesCutShortLoadWhatTheyHoldAndAreKeptByTheFirstSave) {
    const std::string cut = DayFileCutAfter(100);
    WriteBytes(folder / "2004.dat", cut);
    EXPECT_EQ(LoadYearSlots(folder.Path(), 2004), 1);
    EXPECT_EQ(YearSlot2[1].Remark, "1");
    EXPECT_EQ(YearSlot2[100].Remark, "100");
    EXPECT_EQ(YearSlot2[100].Rising, "8:00");
    EXPECT_EQ(YearSlot2[101].Rising, "") << "built as if the file had no day 101";
    EXPECT_TRUE(TakeUnreadableFiles().empty()) << "a file cut short is read, not refused";
    DataFileWrite first = SaveDayFile(folder.Path(), 2, 2004);
    EXPECT_TRUE(first.written);
    EXPECT_EQ(first.backup, folder / "2004.dat.bak");
    EXPECT_EQ(ReadBytes(folder / "2004.dat.bak"), cut);
    LoadYearSlots(folder.Path(), 2004);
    EXPECT_EQ(YearSlot2[100].Remark, "100");
    EXPECT_FALSE(SaveDayFile(folder.Path(), 2, 2004).backedUp());

    const std::string holidays = "[HolidayData]\r\n1=1/01,,\x90\xb3\x8c\x8e\r\n2=1/02,,\r\n";
    WriteBytes(folder / "2004H.dat", holidays);
    ASSERT_EQ(LoadHolidayFile(folder.Path(), 2004), 1);
    EXPECT_EQ(HolidayCalendar[1].Name, "正月");
    EXPECT_EQ(HolidayCalendar[1].Mark, "") << "the file's mark wins";
    EXPECT_EQ(HolidayCalendar[12].Mark, "休日") << "days past the end keep the table's";
    EXPECT_EQ(SaveHolidayFile(folder.Path(), 2004).backup, folder / "2004H.dat.bak");
    EXPECT_EQ(ReadBytes(folder / "2004H.dat.bak"), holidays);

    const std::string ledger = "[System]\r\nKuriZan=3\r\nKuriFlg=0\r\nNowZan=20\r\n\r\n"
                               "[VacationData]\r\n1=2004/01/05,x,\x94\x4e\x8b\x78,1.0,22.0,a\r\n"
                               "2=2004/02/1";
    WriteBytes(folder / "2004V.dat", ledger);
    EXPECT_EQ(LoadVacationFile(folder.Path(), 2004), 1);
    EXPECT_EQ(KuriZan, 3.0f);
    EXPECT_EQ(VacationCount, 2);
    EXPECT_EQ(VacationRecords[1].Remark, "a");
    EXPECT_EQ(SaveVacationFile(folder.Path(), 2004).backup, folder / "2004V.dat.bak");
    EXPECT_EQ(ReadBytes(folder / "2004V.dat.bak"), ledger);
    EXPECT_TRUE(TakeUnreadableFiles().empty());
}

TEST_F(DamagedFiles, DayFilesThatDoNotFitTheirYearAreReadByPositionToldAndKept) {
    // 2004's 366 lines as 2003.dat: from 2/29 on every value sits one date
    // later; 2004.dat with a line past its last day.
    const std::string leap = YearFileBytes2004("[DayData]", [](int d, const std::string& date) {
        return date + ",x,,,,,,0,0,r" + std::to_string(d);
    });
    const std::string tooLong = leap + "367=12/32,x,,,,,,0,0,extra\r\n";
    WriteBytes(folder / "2003.dat", leap);
    WriteBytes(folder / "2004.dat", tooLong);
    EXPECT_EQ(LoadYearSlots(folder.Path(), 2004), 1);
    EXPECT_EQ(YearSlot1[60].Remark, "r60") << "read by position, as the reader always did";
    EXPECT_EQ(YearSlot1[365].Remark, "r365");
    EXPECT_EQ(YearSlot2[366].Remark, "r366");
    EXPECT_EQ(TakeUnreadableFiles(),
              (std::vector<FileNotice>{{folder / "2003.dat", FileState::DoesNotFit},
                                       {folder / "2004.dat", FileState::DoesNotFit}}));
    LoadYearSlots(folder.Path(), 2004);
    EXPECT_TRUE(TakeUnreadableFiles().empty()) << "told once";
    EXPECT_EQ(SaveDayFile(folder.Path(), 1, 2003).backup, folder / "2003.dat.bak");
    EXPECT_EQ(SaveDayFile(folder.Path(), 2, 2004).backup, folder / "2004.dat.bak");
    EXPECT_EQ(ReadBytes(folder / "2003.dat.bak"), leap);
    EXPECT_EQ(ReadBytes(folder / "2004.dat.bak"), tooLong);
    EXPECT_FALSE(SaveDayFile(folder.Path(), 2, 2004).backedUp()) << "the new file is ours";

    // Text the reader passes over: before the header, past the tenth field.
    for (const std::string& more :
         {"memo\r\n" + leap, std::string(leap).replace(leap.find("r5\r\n"), 2, "r5,x")}) {
        WriteBytes(folder / "2004.dat", more);
        LoadYearSlots(folder.Path(), 2004);
        EXPECT_TRUE(TakeUnreadableFiles().empty());
        DataFileWrite write = SaveDayFile(folder.Path(), 2, 2004);
        ASSERT_TRUE(write.backedUp());
        EXPECT_EQ(ReadBytes(write.backup), more);
    }
}

TEST_F(DamagedFiles, ATemporaryFileBesideALinksTargetIsRemovedAtStart) {
    TempFolder elsewhere;
    WriteBytes(elsewhere / "days.dat", "x");
    fs::create_symlink(elsewhere / "days.dat", folder / "2004.dat");
    WriteBytes(elsewhere / ".days.dat.a1B2c3", "half a save");
    WriteBytes(elsewhere / ".other.dat.a1B2c3", "not ours");
    EXPECT_EQ(RemoveLeftoverTemporaryFiles(folder.Path()), 1);
    EXPECT_FALSE(fs::exists(elsewhere / ".days.dat.a1B2c3"));
    EXPECT_TRUE(fs::exists(elsewhere / ".other.dat.a1B2c3"));
    EXPECT_TRUE(fs::exists(elsewhere / "days.dat"));
}

TEST_F(DamagedFiles, ABackupNeverReplacesAnotherBackup) {
    LoadYearSlots(folder.Path(), 2004);
    const std::string first = "first damaged file\r\n";
    const std::string second = DayFileCutAfter(3);
    WriteBytes(folder / "2004.dat", first);
    EXPECT_EQ(SaveDayFile(folder.Path(), 2, 2004).backup, folder / "2004.dat.bak");
    WriteBytes(folder / "2004.dat", second);
    EXPECT_EQ(SaveDayFile(folder.Path(), 2, 2004).backup, folder / "2004.dat.bak2");
    WriteBytes(folder / "2004.dat", "\x81");
    EXPECT_EQ(SaveDayFile(folder.Path(), 2, 2004).backup, folder / "2004.dat.bak3");
    EXPECT_EQ(ReadBytes(folder / "2004.dat.bak"), first);
    EXPECT_EQ(ReadBytes(folder / "2004.dat.bak2"), second);
    EXPECT_EQ(ReadBytes(folder / "2004.dat.bak3"), "\x81");
}

TEST_F(DamagedFiles, SafeWritesKeepLinksAndPermissionsAndRefuseReadOnlyFiles) {
    TempFolder elsewhere;
    WriteBytes(elsewhere / "settings.ini", "[Memo]\r\nKeep=1\r\n\r\n");
    fs::create_symlink(elsewhere / "settings.ini", folder / SettingsFileName);
    Settings.Deadline = 20;
    ASSERT_TRUE(SaveSettings(folder.Path(), 0));
    EXPECT_TRUE(fs::is_symlink(folder / SettingsFileName));
    EXPECT_EQ(fs::read_symlink(folder / SettingsFileName), elsewhere / "settings.ini");
    std::string written = ReadBytes(elsewhere / "settings.ini");
    EXPECT_EQ(written.substr(0, 18), "[Memo]\r\nKeep=1\r\n\r\n");
    EXPECT_NE(written.find("Deadline=20\r\n"), std::string::npos);

    LoadYearSlots(folder.Path(), 2004);
    ASSERT_TRUE(SaveDayFile(folder.Path(), 2, 2004));
    fs::permissions(folder / "2004.dat", fs::perms(0600));
    YearSlot2[1].Remark = "private";
    ASSERT_TRUE(SaveDayFile(folder.Path(), 2, 2004));
    EXPECT_EQ(Mode(folder / "2004.dat"), 0600u);

    // Made read-only by the user: refused, also for a user whose rights
    // would let the write through.
    fs::permissions(folder / "2004.dat", fs::perms(0444));
    const std::string before = ReadBytes(folder / "2004.dat");
    YearSlot2[1].Remark = "changed";
    EXPECT_FALSE(SaveDayFile(folder.Path(), 2, 2004).written);
    EXPECT_EQ(ReadBytes(folder / "2004.dat"), before);
    EXPECT_EQ(Mode(folder / "2004.dat"), 0444u);
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder.Path())) {
        ++entries;
    }
    EXPECT_EQ(entries, 2) << "no temporary file left beside the day file and the link";
}

TEST_F(DamagedFiles, SpecialFilesNeverBlockAndAreNeverWrittenOver) {
    ASSERT_EQ(::mkfifo((folder / "2004.dat").c_str(), 0644), 0);
    ASSERT_EQ(::mkfifo((folder / SettingsFileName).c_str(), 0644), 0);
    fs::create_directory(folder / "2004V.dat");
    auto started = std::chrono::steady_clock::now();
    int firstRun = 0;
    EXPECT_EQ(LoadSettings(folder.Path(), &firstRun), SettingsLoad::Unreadable);
    EXPECT_EQ(firstRun, 0);
    EXPECT_EQ(LoadYearSlots(folder.Path(), 2004), 0);
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(1));
    EXPECT_EQ(TakeUnreadableFiles(),
              (std::vector<FileNotice>{{folder / "2004.dat", FileState::Unreadable},
                                       {folder / "2004V.dat", FileState::Unreadable}}));
    EXPECT_FALSE(SaveSettings(folder.Path(), 0));
    EXPECT_FALSE(SaveDayFile(folder.Path(), 2, 2004).written);
    EXPECT_FALSE(SaveVacationFile(folder.Path(), 2004).written);
    EXPECT_TRUE(fs::is_fifo(folder / "2004.dat"));
    EXPECT_TRUE(fs::is_fifo(folder / SettingsFileName));
    EXPECT_TRUE(fs::is_directory(folder / "2004V.dat"));
}

TEST_F(DamagedFiles, OnlyTheWritersOwnLeftoverTemporaryFilesAreRemoved) {
    const char* const leftovers[] = {".2004.dat.a1B2c3", ".2004H.dat.ZZZZZZ", ".2012V.dat.000000",
                                     ".tolmar.ini.Xy9aQ1"};
    const char* const others[] = {".2004.dat.a1B2c",    ".2004.dat.a1B2c34", ".2004.dat.a1B2_3",
                                  ".report.csv.a1B2c3", ".204.dat.a1B2c3",   "2004.dat.a1B2c3",
                                  ".2004X.dat.a1B2c3",  "2004.dat",          "2004.dat.bak"};
    for (const char* name : leftovers) {
        WriteBytes(folder / name, "x");
    }
    for (const char* name : others) {
        WriteBytes(folder / name, "x");
    }
    fs::create_directory(folder / ".2005.dat.abcdef");
    EXPECT_EQ(RemoveLeftoverTemporaryFiles(folder.Path()), 4);
    for (const char* name : leftovers) {
        EXPECT_FALSE(fs::exists(folder / name)) << name;
    }
    for (const char* name : others) {
        EXPECT_TRUE(fs::exists(folder / name)) << name;
    }
    EXPECT_TRUE(fs::is_directory(folder / ".2005.dat.abcdef"));
}

TEST_F(DamagedFiles, ACalendarIsUsedOnlyForItsOwnYear) {
    LoadYearSlots(folder.Path(), 2006); // slots 2005 and 2006, calendar 2006
    ASSERT_EQ(HolidayCalendarYear, 2006);
    const std::array<Recode1, YearSlotSize> before = YearSlot1;
    YearSlot1[3].Remark = "kept";
    EXPECT_FALSE(InitDayTable(1, 2005));
    EXPECT_FALSE(RederiveRestDays(1, 2005));
    EXPECT_EQ(YearSlot1[3].Remark, "kept");
    EXPECT_FALSE(MarkWeeklyHolidays(1, 2006)) << "slot 1 holds 2005";
    EXPECT_FALSE(SaveHolidayFile(folder.Path(), 2005).written);
    EXPECT_EQ(YearSlot1[1].Kind, before[1].Kind);

    BuildHolidayTable(2005);
    LoadHolidayFile(folder.Path(), 2005);
    EXPECT_TRUE(InitDayTable(1, 2005));
    EXPECT_TRUE(MarkWeeklyHolidays(1, 2005));
    EXPECT_EQ(YearSlot1[10].Kind, "休日") << "成人の日 2005";
    EXPECT_TRUE(RederiveRestDays(1, 2005));
}

} // namespace
