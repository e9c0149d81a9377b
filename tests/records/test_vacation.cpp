#include "records/cp932.h"
#include "records/datafields.h"
#include "records/datanumbers.h"
#include "records/dayfile.h"
#include "records/initable.h"
#include "records/state.h"
#include "records/vacation.h"
#include "records/yearslots.h"
#include "tests/common/tempfolder.h"

#include <cstdio>
#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <utility>

namespace {

namespace fs = std::filesystem;

#define NENKYU "\x94\x4e\x8b\x78" // 年休
#define ZENKYU "\x91\x4f\x8b\x78" // 前休
#define GETSU "\x8c\x8e"          // 月
#define KIN "\x8b\xe0"            // 金
#define KAIGI "\x89\xef\x8b\x63"  // 会議
#define HYOU "\x95\x5c"           // 表

class VacationTest : public ::testing::Test {
protected:
    void SetUp() override { ResetProgramState(); }
    void TearDown() override { ResetProgramState(); }

    std::string FileOf(int year) const { return ReadBytes(folder / VacationFileName(year)); }
    // The save of both year slots as the main window runs it.
    void SaveBothYears() {
        for (int slot = 1; slot <= 2; ++slot) {
            int year = YearSlotYear[slot];
            ASSERT_TRUE(SaveDayFile(folder.Path(), slot, year));
            ASSERT_TRUE(RebuildVacationLedger(folder.Path(), slot, year).rebuilt);
            ASSERT_TRUE(SaveVacationFile(folder.Path(), year));
        }
    }
    std::vector<std::string> Balances() const {
        std::vector<std::string> balances;
        for (int i = 1; i <= VacationCount; ++i) {
            balances.push_back(VacationRecords[i].Balance);
        }
        return balances;
    }

    TempFolder folder;
};

using Texts = std::vector<std::string>;

// The ledger in memory rebuilt from the kinds of slot 2, which holds 2004.
LedgerRebuild RebuildVacationRecords(int slot, int year) {
    VacationLedger ledger = LedgerInMemory();
    LedgerRebuild rebuild = RebuildLedger(ledger, *SlotRecords(slot), YearSlotDays[slot], year);
    UseLedger(std::move(ledger));
    return rebuild;
}

// Writes the text over the file in place and sets its modification time back
// to what it was, as an editor or a copy tool might.
void WriteInPlaceKeepingTime(const fs::path& file, const std::string& text) {
    const auto mtime = fs::last_write_time(file);
    std::FILE* out = std::fopen(file.c_str(), "r+b");
    ASSERT_NE(out, nullptr);
    std::fwrite(text.data(), 1, text.size(), out);
    std::fclose(out);
    fs::last_write_time(file, mtime);
}

TEST_F(VacationTest, FileWithUnknownSectionLoadsAndSavesTheSameBytes) {
    const std::string golden = "[System]\r\nKuriZan=12.5\r\nKuriFlg=0\r\nNowZan=20\r\n\r\n"
                               "[Memo]\r\nOwner=" KAIGI "\r\n\r\n"
                               "[VacationData]\r\n"
                               "1=2004/01/05," GETSU "," NENKYU ",1.0,31.5," HYOU "\r\n"
                               "2=2004/02/13," KIN "," ZENKYU ",0.5,31.0,\"a,b\"\r\n\r\n";
    WriteBytes(folder / "2004V.dat", golden);
    EXPECT_EQ(LoadVacationFile(folder.Path(), 2004), 1);
    EXPECT_EQ(KuriZan, 12.5f);
    EXPECT_EQ(KuriFlg, 0);
    EXPECT_EQ(NowZan, 20.0f);
    ASSERT_EQ(VacationCount, 2);
    const Vacation& first = VacationRecords[1];
    EXPECT_EQ(
        (Texts{first.Date, first.Weekday, first.Kind, first.Days, first.Balance, first.Remark}),
        (Texts{"2004/01/05", "月", "年休", "1.0", "31.5", "表"}));
    EXPECT_EQ(VacationRecords[2].Remark, "a,b");
    DataFileWrite saved = SaveVacationFile(folder.Path(), 2004);
    EXPECT_TRUE(saved.written);
    EXPECT_FALSE(saved.backedUp());
    EXPECT_EQ(FileOf(2004), golden);
}

TEST_F(VacationTest, RecordsAreRenumberedAndDatesNormalised) {
    WriteBytes(folder / "2004V.dat", "[VacationData]\r\n5=2004/3/1,x," NENKYU ",1.0,1.0,\r\n"
                                     "2=no date,x," NENKYU "\r\n1=2004/1/5,x,\r\n7=\r\n"
                                     "[System]\r\nKuriZan=abc\r\nKuriFlg=$1\r\nNowZan= 7.5 \r\n");
    EXPECT_EQ(LoadVacationFile(folder.Path(), 2004), 1);
    EXPECT_EQ(KuriZan, 0.0f);
    EXPECT_EQ(KuriFlg, 1);
    EXPECT_EQ(NowZan, 7.5f);
    ASSERT_EQ(VacationCount, 3);
    EXPECT_EQ(VacationRecords[1].Date, "2004/01/05");
    EXPECT_EQ(VacationRecords[1].Weekday, "月") << "from the date, not from the file";
    EXPECT_EQ(VacationRecords[1].Kind, "");
    EXPECT_EQ(VacationRecords[2].Date, "") << "a value without a date keeps its place";
    EXPECT_EQ(VacationRecords[2].Kind, "");
    EXPECT_EQ(VacationRecords[3].Date, "2004/03/01");
    EXPECT_EQ(VacationRecords[3].Weekday, "月");
    // The empty record is left out on saving, so the key numbers have a gap.
    SaveVacationFile(folder.Path(), 2004);
    std::string saved = FileOf(2004);
    EXPECT_NE(saved.find("[VacationData]\r\n1=2004/01/05,"), std::string::npos) << saved;
    EXPECT_EQ(saved.find("\r\n2="), std::string::npos) << saved;
    EXPECT_NE(saved.find("\r\n3=2004/03/01,"), std::string::npos) << saved;
}

TEST_F(VacationTest, RebuildGivesTheFilePartExample) {
    LoadYearSlots(folder.Path(), 2004);
    YearSlot2[5].Kind = "年休";
    YearSlot2[44].Kind = "前休";
    KuriZan = 12.5f;
    NowZan = 20;
    LedgerRebuild rebuild = RebuildVacationRecords(2, 2004);
    EXPECT_TRUE(rebuild.rebuilt);
    EXPECT_FALSE(rebuild.reachedLimit);
    ASSERT_EQ(VacationCount, 2);
    const Vacation& second = VacationRecords[2];
    EXPECT_EQ((Texts{second.Date, second.Weekday, second.Kind, second.Days, second.Balance}),
              (Texts{"2004/2/13", "金", "前休", "0.5", "31.0"}));
    ASSERT_TRUE(SaveVacationFile(folder.Path(), 2004));
    EXPECT_EQ(FileOf(2004), "[System]\r\nKuriZan=12.5\r\nKuriFlg=0\r\nNowZan=20\r\n\r\n"
                            "[VacationData]\r\n"
                            "1=2004/1/05," GETSU "," NENKYU ",1.0,31.5,\r\n"
                            "2=2004/2/13," KIN "," ZENKYU ",0.5,31.0,\r\n\r\n");
}

TEST_F(VacationTest, CarryOverIsCappedAtTwentyDaysUnlessSwitchedOff) {
    LoadYearSlots(folder.Path(), 2004);
    YearSlot2[5].Kind = "年休";
    struct Case {
        float kuriZan;
        int kuriFlg;
        float nowZan;
        const char* balance;
    };
    for (Case c : {Case{25, 0, 20, "39.0"}, Case{25, 1, 20, "44.0"}, Case{20, 0, 20, "39.0"},
                   Case{25, 7, 20, "39.0"}, Case{0.25f, 0, 0, "-0.8"}}) {
        KuriZan = c.kuriZan;
        KuriFlg = c.kuriFlg;
        NowZan = c.nowZan;
        RebuildVacationRecords(2, 2004);
        EXPECT_EQ(Balances(), Texts{c.balance}) << c.kuriZan << " " << c.kuriFlg;
    }
    KuriZan = NowZan = 0;
    YearSlot2[6].Kind = "後休";
    RebuildVacationRecords(2, 2004);
    EXPECT_EQ(Balances(), (Texts{"-1.0", "-1.5"})) << "nothing stops at zero";
}

TEST_F(VacationTest, RebuildRecordsTheFirstHundredLeaveDaysAndSaysWhenMoreWereLeftOut) {
    LoadYearSlots(folder.Path(), 2004);
    for (int d = 1; d <= 100; ++d) {
        YearSlot2[d].Kind = d % 2 ? "年休" : "後休";
    }
    LedgerRebuild hundred = RebuildVacationRecords(2, 2004);
    EXPECT_EQ(VacationCount, 100);
    EXPECT_FALSE(hundred.reachedLimit);
    YearSlot2[101].Kind = "前休";
    YearSlot2[366].Kind = "年休";
    LedgerRebuild more = RebuildVacationRecords(2, 2004);
    EXPECT_TRUE(more.rebuilt);
    EXPECT_TRUE(more.reachedLimit);
    EXPECT_EQ(VacationCount, 100);
    EXPECT_EQ(VacationRecords[100].Date, "2004/4/09");
    EXPECT_EQ(VacationRecords[101].Date, "");
}

TEST_F(VacationTest, EachYearKeepsItsOwnValuesThroughASaveOfBothYears) {
    WriteBytes(folder / "2003V.dat",
               "[System]\r\nKuriZan=5\r\nKuriFlg=1\r\nNowZan=10\r\n\r\n"
               "[VacationData]\r\n1=2003/03/03,x," NENKYU ",1.0,14.0," KAIGI "\r\n\r\n");
    WriteBytes(folder / "2004V.dat",
               "[System]\r\nKuriZan=25\r\nKuriFlg=0\r\nNowZan=20\r\n\r\n"
               "[VacationData]\r\n1=2004/01/05,x," NENKYU ",1.0,39.0," HYOU "\r\n\r\n");
    const std::string expected2003 =
        "[System]\r\nKuriZan=5\r\nKuriFlg=1\r\nNowZan=10\r\n\r\n"
        "[VacationData]\r\n1=2003/3/03," GETSU "," NENKYU ",1.0,14.0," KAIGI "\r\n\r\n";
    // 1/02 is a new leave day before 1/05: the remark stays on 1/05.
    const std::string expected2004 =
        "[System]\r\nKuriZan=25\r\nKuriFlg=0\r\nNowZan=20\r\n\r\n"
        "[VacationData]\r\n1=2004/1/02," KIN "," NENKYU ",1.0,39.0,\r\n2=2004/1/05," GETSU
        "," NENKYU ",1.0,38.0," HYOU "\r\n\r\n";
    auto markLeaveDays = [] {
        YearSlot1[62].Kind = "年休"; // 2003/3/03
        YearSlot2[2].Kind = "年休";
        YearSlot2[5].Kind = "年休";
    };
    {
        SCOPED_TRACE("after another year's ledger was loaded and changed");
        LoadYearSlots(folder.Path(), 2004);
        markLeaveDays();
        LoadVacationFile(folder.Path(), 2003);
        KuriZan = 99;
        VacationRecords[1].Remark = "unsaved";
        SaveBothYears();
        EXPECT_EQ(FileOf(2003), expected2003);
        EXPECT_EQ(FileOf(2004), expected2004);
    }
    {
        SCOPED_TRACE("on a fresh start");
        ResetProgramState();
        LoadYearSlots(folder.Path(), 2004);
        markLeaveDays();
        SaveBothYears();
        EXPECT_EQ(FileOf(2003), expected2003);
        EXPECT_EQ(FileOf(2004), expected2004);
    }
    {
        SCOPED_TRACE("a year without its own file");
        LoadYearSlots(folder.Path(), 2005);
        SaveBothYears();
        EXPECT_EQ(FileOf(2004), expected2004);
        EXPECT_EQ(FileOf(2005), "[System]\r\nKuriZan=0\r\nKuriFlg=0\r\nNowZan=0\r\n\r\n");
    }
}

// The load's reading of a paid-leave file serves the save while the file
// stays as it was. A file changed outside the program in between, even to the
// same size and modification time, is read anew: the save keeps its new
// values, remark and unknown section, and nothing of the old text.
TEST_F(VacationTest, FileChangedOutsideBetweenLoadAndSaveIsReadAnew) {
    auto text = [](const char* kuriZan, const char* remark, const char* owner) {
        return std::string("[System]\r\nKuriZan=") + kuriZan +
               "\r\nKuriFlg=0\r\nNowZan=20\r\n\r\n[Memo]\r\nOwner=" + owner +
               "\r\n\r\n[VacationData]\r\n1=2004/01/05,x," NENKYU ",1.0,39.0," + remark +
               "\r\n\r\n";
    };
    const std::string loaded = text("25", "aaa", "bob");
    const std::string changed = text("17", "zzz", "eve");
    ASSERT_EQ(loaded.size(), changed.size());
    const std::string savedFromChanged =
        "[System]\r\nKuriZan=17\r\nKuriFlg=0\r\nNowZan=20\r\n\r\n[Memo]\r\nOwner=eve\r\n\r\n"
        "[VacationData]\r\n1=2004/1/05," GETSU "," NENKYU ",1.0,36.0,zzz\r\n\r\n";
    const fs::path file = folder / "2004V.dat";
    auto inPlace = [&] { WriteInPlaceKeepingTime(file, changed); };
    auto replaced = [&] {
        const auto mtime = fs::last_write_time(file);
        const fs::path other = folder / "other.dat";
        WriteBytes(other, changed);
        fs::last_write_time(other, mtime);
        fs::rename(other, file);
    };
    for (auto [how, change] :
         {std::pair{"written over in place", std::function<void()>(inPlace)},
          std::pair{"replaced by another file", std::function<void()>(replaced)},
          std::pair{"left alone", std::function<void()>()}}) {
        SCOPED_TRACE(how);
        ResetProgramState();
        WriteBytes(file, loaded);
        LoadYearSlots(folder.Path(), 2004);
        YearSlot2[5].Kind = "年休"; // 2004/1/05
        if (change) {
            change();
            ASSERT_EQ(ReadBytes(file), changed);
        }
        ASSERT_TRUE(RebuildVacationLedger(folder.Path(), 2, 2004).rebuilt);
        EXPECT_EQ(KuriZan, change ? 17.0f : 25.0f);
        DataFileWrite saved = SaveVacationFile(folder.Path(), 2004);
        ASSERT_TRUE(saved.written);
        EXPECT_FALSE(saved.backedUp());
        if (change) {
            EXPECT_EQ(FileOf(2004), savedFromChanged);
        } else {
            EXPECT_NE(FileOf(2004).find("Owner=bob\r\n"), std::string::npos);
            EXPECT_NE(FileOf(2004).find(",aaa\r\n"), std::string::npos);
        }
    }
}

// The paid-leave file as the general INI writer makes it, records and all.
std::string ThroughIniTable(const std::string& oldText, const VacationLedger& ledger) {
    IniTable table;
    IniTable old = IniTable::Parse(oldText);
    if (old.HasSection("System") || old.HasSection("VacationData")) {
        table = std::move(old);
        table.EraseSection("VacationData");
    }
    table.Write("System", "KuriZan", FormatSingle(ledger.kuriZan));
    table.Write("System", "KuriFlg", std::to_string(ledger.kuriFlg));
    table.Write("System", "NowZan", FormatSingle(ledger.nowZan));
    for (std::size_t i = 0; i < std::min<std::size_t>(ledger.records.size(), 100); ++i) {
        const Vacation& r = ledger.records[i];
        if (!r.Date.empty()) {
            table.Write("VacationData", std::to_string(i + 1),
                        FileField(r.Date) + "," + FileField(r.Weekday) + "," + FileField(r.Kind) +
                            "," + FileField(r.Days) + "," + FileField(r.Balance) + "," +
                            FileField(r.Remark));
        }
    }
    return Utf8ToCp932Lossy(table.Serialize());
}

TEST(VacationFileBytes, WritesWhatTheIniWriterWrites) {
    const std::vector<std::string> olds = {
        "",
        "[System]\r\nKuriZan=1\r\nOther=x\r\n",
        "[VacationData]\r\n1=2004/01/05,a,b,1.0,1.0,\r\n\r\n[Memo]\r\nOwner=bob\r\n"
        "[system]\r\nnowzan=3\r\n",
        "[vacationdata]\r\n7=x\r\n[Other]\r\nbare line\r\n",
        "[Memo]\r\nOwner=bob\r\n",
    };
    auto record = [](std::string date, std::string remark) {
        return Vacation{std::move(date), "月", "年休", "1.0", "-2.5", std::move(remark)};
    };
    std::vector<Vacation> many;
    for (int i = 0; i < 103; ++i) {
        many.push_back(record("2004/01/" + std::to_string(i % 28 + 1), std::to_string(i)));
    }
    const std::vector<std::vector<Vacation>> recordLists = {
        {},
        {record("", "no date")},
        {record("2004/01/05", "表"), record("", "gap"), record("2004/02/13", "a,b"),
         record("2004/02/14", "say \"hi\""), record("2004/02/15", "tab\there\r\nline"),
         record("2004/02/16", "caf\u00e9 \U0001F600 \u2460"), record("2004/02/17", "")},
        many,
    };
    for (const std::string& old : olds) {
        for (const std::vector<Vacation>& records : recordLists) {
            SCOPED_TRACE(old + " / " + std::to_string(records.size()) + " records");
            const VacationLedger ledger{12.5f, 1, 20.0f, records};
            EXPECT_EQ(VacationFileBytes(Utf8ToCp932Lossy(old), ledger),
                      ThroughIniTable(old, ledger));
        }
    }
}

// The save's rebuild reads the file as it is then. Changed outside between
// two saves, to the same size and modification time, it is read anew: the
// second save keeps its unknown section and its remark.
TEST_F(VacationTest, FileChangedOutsideBetweenTwoSavesIsReadAnew) {
    const fs::path file = folder / "2004V.dat";
    WriteBytes(file,
               "[System]\r\nKuriZan=5\r\nKuriFlg=0\r\nNowZan=20\r\n\r\n[Memo]\r\nOwner=bob\r\n"
               "\r\n[VacationData]\r\n1=2004/01/05,x," NENKYU ",1.0,24.0,aaa\r\n\r\n");
    LoadYearSlots(folder.Path(), 2004);
    YearSlot2[5].Kind = "年休"; // 2004/1/05
    for (int save = 0; save < 2; ++save) {
        ASSERT_TRUE(RebuildVacationLedger(folder.Path(), 2, 2004).rebuilt);
        ASSERT_TRUE(SaveVacationFile(folder.Path(), 2004));
    }
    const std::string written = FileOf(2004);
    std::string changed = written;
    for (auto [from, to] : {std::pair{"Owner=bob", "Owner=eve"}, std::pair{",aaa", ",zzz"},
                            std::pair{"KuriZan=5", "KuriZan=7"}}) {
        const std::size_t at = changed.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        changed.replace(at, std::string_view(from).size(), to);
    }
    WriteInPlaceKeepingTime(file, changed);

    ASSERT_TRUE(RebuildVacationLedger(folder.Path(), 2, 2004).rebuilt);
    EXPECT_EQ(KuriZan, 7.0f);
    DataFileWrite saved = SaveVacationFile(folder.Path(), 2004);
    ASSERT_TRUE(saved.written);
    EXPECT_FALSE(saved.backedUp());
    EXPECT_EQ(FileOf(2004),
              "[System]\r\nKuriZan=7\r\nKuriFlg=0\r\nNowZan=20\r\n\r\n[Memo]\r\nOwner=eve\r\n\r\n"
              "[VacationData]\r\n1=2004/1/05," GETSU "," NENKYU ",1.0,26.0,zzz\r\n\r\n");
}

TEST_F(VacationTest, LedgerOfAYearTheSlotDoesNotHoldIsRefused) {
    LoadYearSlots(folder.Path(), 2004);
    KuriZan = 3;
    EXPECT_FALSE(RebuildVacationLedger(folder.Path(), 1, 2004).rebuilt);
    EXPECT_FALSE(RebuildVacationLedger(folder.Path(), 5, 2004).rebuilt);
    EXPECT_EQ(KuriZan, 3.0f) << "the ledger in memory is left alone";
}

TEST_F(VacationTest, DamagedFileReadsAsMissingAndIsBackedUpOnSave) {
    const std::string damaged = "\x82\xa0KuriZan=30\r\n";
    WriteBytes(folder / "2004V.dat", damaged);
    KuriZan = 4;
    EXPECT_EQ(LoadVacationFile(folder.Path(), 2004), 0);
    EXPECT_EQ(KuriZan, 0.0f);
    DataFileWrite saved = SaveVacationFile(folder.Path(), 2004);
    EXPECT_TRUE(saved.written);
    EXPECT_TRUE(saved.backedUp());
    EXPECT_EQ(ReadBytes(folder / "2004V.dat.bak"), damaged);
}

// A file without records whose only text beyond ASCII is half-width
// katakana ("ﾃｽ", C3 BD, which also reads as UTF-8): CP932, read and kept.
TEST_F(VacationTest, HalfWidthKanaThatLookLikeUtf8AreCp932) {
    const std::string file =
        "[System]\r\nKuriZan=12.5\r\nKuriFlg=1\r\nNowZan=20\r\n\r\n[Memo]\r\nnote=\xC3\xBD\r\n\r\n";
    WriteBytes(folder / "2004V.dat", file);
    ASSERT_EQ(LoadVacationFile(folder.Path(), 2004), 1);
    EXPECT_EQ(KuriZan, 12.5f);
    DataFileWrite saved = SaveVacationFile(folder.Path(), 2004);
    ASSERT_TRUE(saved.written);
    EXPECT_FALSE(saved.backedUp());
    EXPECT_EQ(FileOf(2004), file);
}

TEST(AddMonthsDays, MovesByMonthsAndKeepsTheDay) {
    EXPECT_EQ(AddMonthsDays({2004, 4, 1}, 0, 11, 0), (CivilDate{2005, 3, 1}));
    EXPECT_EQ(AddMonthsDays({2004, 1, 31}, 0, 1, 0), (CivilDate{2004, 1, 31}));
    EXPECT_EQ(AddMonthsDays({2004, 1, 15}, 0, 12, 0), (CivilDate{2005, 1, 15}));
    EXPECT_EQ(AddMonthsDays({2004, 1, 15}, 0, -13, 0), (CivilDate{2002, 12, 15}));
    EXPECT_EQ(AddMonthsDays({2004, 1, 15}, 0, -12, 0), (CivilDate{2003, 1, 15}));
    EXPECT_EQ(AddMonthsDays({2004, 2, 29}, 1, 0, 0), (CivilDate{2004, 2, 29}));
    EXPECT_EQ(AddMonthsDays({2004, 2, 28}, 0, 0, 2), (CivilDate{2004, 3, 1}));
    EXPECT_EQ(AddMonthsDays({2004, 1, 1}, 0, 2147483647, 0), (CivilDate{2004, 1, 1}));
}

} // namespace
