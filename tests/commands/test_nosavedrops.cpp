#include "commands/savecycle.h"
#include "records/filenotices.h"
#include "records/state.h"
#include "records/yearslots.h"
#include "tests/commands/fakesaveport.h"
#include "tests/common/tempfolder.h"

#include <cstdio>
#include <functional>
#include <gtest/gtest.h>
#include <random>
#include <regex>
#include <set>
#include <sys/stat.h>

// No save drops what it did not read: whatever the day and paid-leave files
// of the two years hold, after a load, some typing and a save every byte of
// every old file is still on disk, in the file itself or in a backup of it.

namespace {

namespace fs = std::filesystem;

const std::string AnnualLeave = "\x94\x4e\x8b\x78"; // 年休 in CP932

// A day file of the year written out by hand: "d=m/dd," and what line(d)
// gives, CR LF, the month lengths and weekdays spelt out rather than taken
// from the program's date code. An "x" as the line's first field stands for
// the day's weekday.
std::string DayFileOf(int year, const std::function<std::string(int)>& line) {
    const int lengths[12] = {31, year % 4 == 0 ? 29 : 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    // 日 月 火 水 木 金 土 in CP932; 1 January 2003 is a Wednesday, 2004 a
    // Thursday.
    const char* const weekdays[7] = {"\x93\xfa", "\x8c\x8e", "\x89\xce", "\x90\x85",
                                     "\x96\xd8", "\x8b\xe0", "\x93\x79"};
    const int firstWeekday = year == 2003 ? 3 : 4;
    std::string bytes = "[DayData]\r\n";
    int d = 0;
    for (int m = 1; m <= 12; ++m) {
        for (int day = 1; day <= lengths[m - 1]; ++day) {
            ++d;
            std::string fields = line(d);
            if (fields.starts_with("x,")) {
                fields.replace(0, 1, weekdays[(firstWeekday + d - 1) % 7]);
            }
            bytes += std::to_string(d) + "=" + std::to_string(m) + "/" + (day < 10 ? "0" : "") +
                     std::to_string(day) + "," + fields + "\r\n";
        }
    }
    return bytes;
}

// Day 6 (1/06) is a full day of paid leave, with a remark in the day file.
std::string ValidDayFile(int year) {
    return DayFileOf(year, [year](int d) {
        return d == 6 ? "x," + AnnualLeave + ",,,,,0,0,day" + std::to_string(year) : "x,,,,,,0,0,";
    });
}

// The ledger of that leave day, with the remark typed in the ledger.
std::string LedgerFile(const std::string& records) {
    return "[System]\r\nKuriZan=3\r\nKuriFlg=0\r\nNowZan=20\r\n\r\n[VacationData]\r\n" + records +
           "\r\n";
}
std::string ValidLedger(int year) {
    return LedgerFile("1=" + std::to_string(year) + "/01/06,x," + AnnualLeave + ",1.0,22.0,leave" +
                      std::to_string(year) + "\r\n");
}

// Whether the old bytes of the file are on disk: the file or one of its
// backups holds them all, or the file holds every marker they held.
::testing::AssertionResult KeptOnDisk(const fs::path& file, const std::string& old,
                                      const std::vector<std::string>& markers) {
    std::vector<fs::path> copies{file};
    for (int n = 1; n <= 9; ++n) {
        copies.push_back(file.string() + (n == 1 ? ".bak" : ".bak" + std::to_string(n)));
    }
    for (const fs::path& copy : copies) {
        struct stat info {};
        if (::lstat(copy.c_str(), &info) == 0 && S_ISREG(info.st_mode) && ReadBytes(copy) == old) {
            return ::testing::AssertionSuccess();
        }
    }
    struct stat info {};
    if (::stat(file.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return ::testing::AssertionFailure() << file << ": old bytes gone, no backup";
    }
    const std::string now = ReadBytes(file);
    for (const std::string& marker : markers) {
        if (now.find(marker) == std::string::npos) {
            return ::testing::AssertionFailure()
                   << file << ": \"" << marker << "\" is gone and no backup holds it";
        }
    }
    return ::testing::AssertionSuccess();
}

class NoSaveDrops : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProgramState();
        InitLeaveKinds();
        CurYear = 2004;
    }
    void TearDown() override { ResetProgramState(); }

    // The load, a typed arrival time in each year, and the save.
    void LoadTypeAndSave(FakeSavePort& port) {
        LoadYearSlots(folder.Path(), 2004);
        YearSlot1[200].Arrival = "8:10";
        YearSlot2[200].Arrival = "8:20";
        DataModified = 1;
        WriteBothYearSlots(folder.Path(), port);
    }

    TempFolder folder;
};

// Day files that cannot be read, or that do not fit their year, in either
// slot: the year's paid-leave file keeps its record and the remark typed in
// the ledger, and the day file's old bytes stay on disk.
struct DayFileCase {
    const char* name;
    std::function<void(const fs::path& file, int year)> put;
};

void Put(const fs::path& file, const std::string& bytes) {
    WriteBytes(file, bytes);
}

const DayFileCase DayFileCases[] = {
    {"utf8-resave",
     [](const fs::path& f, int y) {
         Put(f,
             DayFileOf(y, [](int d) { return d == 6 ? "月,年休,,,,,0,0,会議" : "x,,,,,,0,0,"; }));
     }},
    {"utf8-bom", [](const fs::path& f, int y) { Put(f, "\xEF\xBB\xBF" + ValidDayFile(y)); }},
    {"cr-only",
     [](const fs::path& f, int y) {
         std::string bytes = ValidDayFile(y);
         std::erase(bytes, '\n');
         Put(f, bytes);
     }},
    {"empty", [](const fs::path& f, int) { Put(f, ""); }},
    {"cut-in-header", [](const fs::path& f, int) { Put(f, "[DayD"); }},
    {"garbage",
     [](const fs::path& f, int) { Put(f, std::string("\x00\xff\x13garbage\x81\x0a", 12)); }},
    {"one-bad-byte",
     [](const fs::path& f, int y) {
         std::string bytes = ValidDayFile(y);
         bytes[bytes.size() / 2] = '\x81';
         bytes[bytes.size() / 2 + 1] = '\x0d';
         Put(f, bytes);
     }},
    {"lead-byte-at-end", [](const fs::path& f, int y) { Put(f, ValidDayFile(y) + "\x82"); }},
    {"utf16", [](const fs::path& f,
                 int) { Put(f, std::string("\xff\xfe[\0D\0a\0y\0D\0a\0t\0a\0]\0", 20)); }},
    {"lower-case-header",
     [](const fs::path& f, int y) {
         std::string bytes = ValidDayFile(y);
         bytes.replace(0, 9, "[daydata]");
         Put(f, bytes);
     }},
    {"latin1",
     [](const fs::path& f, int y) {
         Put(f,
             DayFileOf(y, [](int d) { return d == 6 ? "x,,,,,,0,0,caf\xe9,x" : "x,,,,,,0,0,"; }));
     }},
    {"folder", [](const fs::path& f, int) { fs::create_directory(f); }},
    {"fifo", [](const fs::path& f, int) { ASSERT_EQ(::mkfifo(f.c_str(), 0644), 0); }},
    {"link-loop", [](const fs::path& f, int) { fs::create_symlink(f.filename(), f); }},
    {"dangling-link",
     [](const fs::path& f, int) { fs::create_symlink(f.parent_path() / "gone" / "x.dat", f); }},
    {"lines-past-the-end",
     [](const fs::path& f, int y) {
         Put(f, ValidDayFile(y) + "367=12/32,x,,,,,0,0,past the end\r\n");
     }},
    {"other-years-file",
     [](const fs::path& f, int y) { Put(f, ValidDayFile(y == 2004 ? 2003 : 2004)); }},
    {"lines-swapped",
     [](const fs::path& f, int y) {
         std::string bytes = ValidDayFile(y);
         std::size_t six = bytes.find("\r\n6=") + 2;
         std::size_t seven = bytes.find("\r\n7=") + 2;
         std::size_t eight = bytes.find("\r\n8=") + 2;
         Put(f, bytes.substr(0, six) + bytes.substr(seven, eight - seven) +
                    bytes.substr(six, seven - six) + bytes.substr(eight));
     }},
};

TEST_F(NoSaveDrops, ADayFileNotReadKeepsItsLedgerAndItsOwnBytes) {
    for (const DayFileCase& input : DayFileCases) {
        for (int year : {2003, 2004}) {
            SCOPED_TRACE(std::string(input.name) + " as " + std::to_string(year) + ".dat");
            TempFolder each;
            for (int y : {2003, 2004}) {
                WriteBytes(each / (std::to_string(y) + ".dat"), ValidDayFile(y));
                WriteBytes(each / (std::to_string(y) + "V.dat"), ValidLedger(y));
            }
            const fs::path dayFile = each / (std::to_string(year) + ".dat");
            fs::remove(dayFile);
            input.put(dayFile, year);
            const bool regular = fs::is_regular_file(fs::symlink_status(dayFile));
            const std::string dayBefore = regular ? ReadBytes(dayFile) : "";

            ResetProgramState();
            InitLeaveKinds();
            CurYear = 2004;
            LoadYearSlots(each.Path(), 2004);
            YearSlot2[200].Arrival = "8:20";
            DataModified = 1;
            FakeSavePort port;
            WriteBothYearSlots(each.Path(), port);

            const fs::path ledger = each / (std::to_string(year) + "V.dat");
            const std::string remark = "leave" + std::to_string(year);
            // In the ledger file itself, or in a backup of it made by the save.
            EXPECT_TRUE(KeptOnDisk(ledger, ValidLedger(year), {remark}));
            if (regular) {
                // None of these files is read whole: its bytes stay as they were.
                EXPECT_TRUE(KeptOnDisk(dayFile, dayBefore, {dayBefore}));
            } else {
                EXPECT_FALSE(fs::is_regular_file(fs::symlink_status(dayFile)))
                    << "what stood in place of the day file was written over";
                EXPECT_FALSE(fs::exists(each / "gone")) << "a file made where a link points";
            }
        }
    }
}

// Remarks of the ledger that no rebuilt record takes: a record of another
// year, two hundred records on one date, and day lines in another order.
TEST_F(NoSaveDrops, LedgerRemarksWithoutARebuiltRecordAreKept) {
    std::string manyOnOneDate;
    for (int i = 1; i <= 200; ++i) {
        manyOnOneDate += std::to_string(i) + "=2004/01/06,x," + AnnualLeave + ",1.0,22.0,one" +
                         std::to_string(i) + "\r\n";
    }
    const std::string otherYear = "1=2004/01/06,x," + AnnualLeave + ",1.0,22.0,here\r\n" +
                                  "2=2005/01/07,x," + AnnualLeave + ",1.0,21.0,elsewhere\r\n";
    struct Case {
        const char* name;
        std::string ledger;
        std::vector<std::string> remarks;
        bool swapDays;
    };
    const Case cases[] = {
        {"another year", LedgerFile(otherYear), {"here", "elsewhere"}, false},
        {"200 on one date", LedgerFile(manyOnOneDate), {"one1", "one150", "one200"}, false},
        {"day lines swapped", ValidLedger(2004), {"leave2004"}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder each;
        std::string day = ValidDayFile(2004);
        if (c.swapDays) {
            std::size_t six = day.find("\r\n6=") + 2;
            std::size_t seven = day.find("\r\n7=") + 2;
            std::size_t eight = day.find("\r\n8=") + 2;
            day = day.substr(0, six) + day.substr(seven, eight - seven) +
                  day.substr(six, seven - six) + day.substr(eight);
        }
        WriteBytes(each / "2004.dat", day);
        WriteBytes(each / "2004V.dat", c.ledger);
        ResetProgramState();
        InitLeaveKinds();
        CurYear = 2004;
        LoadYearSlots(each.Path(), 2004);
        FakeSavePort port;
        WriteBothYearSlots(each.Path(), port);
        EXPECT_TRUE(KeptOnDisk(each / "2004V.dat", c.ledger, c.remarks));
        // Lines out of place are kept whole; an own file keeps its remark.
        EXPECT_TRUE(KeptOnDisk(each / "2004.dat", day, {c.swapDays ? day : "day2004"}));
    }
}

// One save that keeps several old files says so once.
class CountingPort : public FakeSavePort {
public:
    void ReportBackups(const std::vector<DataFileWrite>& writes) override {
        ++backupReports;
        FakeSavePort::ReportBackups(writes);
    }
    int backupReports = 0;
};

TEST_F(NoSaveDrops, OneSaveThatKeepsFourFilesNamesThemInOneReport) {
    // Day files cut short, paid-leave files an editor saved as UTF-8.
    for (int y : {2003, 2004}) {
        WriteBytes(folder / (std::to_string(y) + ".dat"),
                   "[DayData]\r\n1=1/01,x,,,,,,0,0,memo\r\n");
        WriteBytes(folder / (std::to_string(y) + "V.dat"), "[System]\r\nKuriZan=3\r\n; 備考\r\n");
    }
    CountingPort port;
    LoadTypeAndSave(port);
    EXPECT_EQ(port.backupReports, 1);
    EXPECT_EQ(port.backups, (std::vector<fs::path>{folder / "2003.dat", folder / "2003V.dat",
                                                   folder / "2004.dat", folder / "2004V.dat"}));
}

// Random pairs of day and paid-leave files for both years: valid, damaged,
// re-encoded, cut, too long, another year's, lines out of place, more fields
// than a line has, records the ledger would not rebuild. Every text a user
// could have written carries a marker; after the load, typing and the save,
// every old file is on disk whole or its markers are in the new file.
class FileMaker {
public:
    explicit FileMaker(unsigned seed) : random_(seed) {}

    std::string Marker() { return "Q" + std::to_string(next_++) + "Z"; }
    int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random_); }

    std::string DayFile(int year, std::set<int>& leaveDays) {
        leaveDays.clear();
        const int variant = Pick(9);
        if (variant == 0) {
            return {};
        }
        std::string bytes = DayFileOf(variant == 6 ? 2007 - year : year, [&](int d) {
            std::string line = "x,";
            if (Pick(40) == 0) {
                leaveDays.insert(d);
                line += AnnualLeave;
            }
            line += ",6:30,8:45,,,0,0,";
            if (Pick(30) == 0) {
                line += "r" + Marker();
            }
            if (variant == 7 && Pick(60) == 0) {
                line += ",more" + Marker();
            }
            return line;
        });
        switch (variant) {
        case 2: // damaged
            bytes[static_cast<std::size_t>(Pick(static_cast<int>(bytes.size())))] = '\x81';
            break;
        case 3: // re-encoded: an editor's UTF-8
            bytes.insert(bytes.find("\r\n") + 2, "1=1/01,月,,,,,0,0," + Marker() + "\r\n");
            break;
        case 4: // cut
            bytes.resize(static_cast<std::size_t>(Pick(static_cast<int>(bytes.size()))));
            break;
        case 5: // too long
            bytes += "367=12/32,x,,,,,0,0," + Marker() + "\r\n";
            break;
        case 8: { // lines out of place
            std::size_t a = bytes.find("\r\n" + std::to_string(1 + Pick(300)) + "=") + 2;
            std::size_t b = bytes.find("\r\n", a) + 2;
            std::string line = bytes.substr(a, b - a);
            bytes.erase(a, b - a);
            bytes += line;
            break;
        }
        default:
            break;
        }
        return bytes;
    }

    std::string Ledger(int year, const std::set<int>& leaveDays) {
        const int variant = Pick(8);
        if (variant == 0) {
            return {};
        }
        std::string records;
        int key = 0;
        auto add = [&](int y, int dayOfYear) {
            // Day of the year as January dates run on into February etc. is
            // not needed: dates up to 1/31 and the day numbers below 32.
            records += std::to_string(++key) + "=" + std::to_string(y) + "/01/" +
                       (dayOfYear < 10 ? "0" : "") + std::to_string(dayOfYear) + ",x," +
                       AnnualLeave + ",1.0,20.0," + (Pick(2) == 0 ? "" : "v" + Marker()) + "\r\n";
        };
        for (int d : leaveDays) {
            if (d <= 31) {
                add(year, d);
            }
        }
        if (variant == 2) {
            add(year, 1 + Pick(31)); // a record the day kinds may not hold
        }
        if (variant == 3) {
            add(year + 1, 1 + Pick(31)); // another year's
        }
        if (variant == 4) {
            for (int i = 0; i < 3; ++i) {
                add(year, 20); // several on one date
            }
        }
        std::string bytes = LedgerFile(records);
        switch (variant) {
        case 5: // a note before the first section and comments in both sections
            bytes = "memo " + Marker() + "\r\n" + bytes;
            bytes.insert(bytes.find("KuriZan"), "; carried " + Marker() + "\r\n");
            bytes += "; checked " + Marker() + "\r\n";
            break;
        case 6:
            bytes.resize(static_cast<std::size_t>(Pick(static_cast<int>(bytes.size()))));
            break;
        case 7:
            for (int i = 0; i < 120; ++i) {
                bytes += std::to_string(101 + i) + "=2004/01/01,x,x,1.0,1.0," + Marker() + "\r\n";
            }
            break;
        default:
            break;
        }
        return bytes;
    }

private:
    std::mt19937 random_;
    int next_ = 1;
};

std::vector<std::string> MarkersIn(const std::string& bytes) {
    std::vector<std::string> markers;
    static const std::regex marker("[QR][0-9]+Z");
    for (auto it = std::sregex_iterator(bytes.begin(), bytes.end(), marker);
         it != std::sregex_iterator(); ++it) {
        markers.push_back(it->str());
    }
    return markers;
}

// Writes bytes over the file, in place or by renaming another file over it,
// and sets its modification time back to what it was: an edit by another
// program that keeps the size and, on a file system with one-second time
// stamps, looks like no change at all.
void EditOutside(const fs::path& file, const std::string& bytes, bool inPlace) {
    const auto mtime = fs::last_write_time(file);
    if (inPlace) {
        std::FILE* out = std::fopen(file.c_str(), "r+b");
        ASSERT_NE(out, nullptr);
        std::fwrite(bytes.data(), 1, bytes.size(), out);
        std::fclose(out);
    } else {
        const fs::path other = file.string() + ".new";
        WriteBytes(other, bytes);
        fs::rename(other, file);
    }
    fs::last_write_time(file, mtime);
}

// The data files on disk now, by name.
std::map<fs::path, std::string> FilesOnDisk(const fs::path& folder) {
    std::map<fs::path, std::string> files;
    for (const char* name : {"2003.dat", "2003V.dat", "2004.dat", "2004V.dat"}) {
        if (fs::is_regular_file(folder / name)) {
            files[folder / name] = ReadBytes(folder / name);
        }
    }
    return files;
}

// Now and then one file changed outside the program: a marker of it renamed
// ("Q12Z" becomes "R12Z"), size and modification time kept.
void MaybeEditOneFile(FileMaker& make, const fs::path& folder) {
    const std::map<fs::path, std::string> files = FilesOnDisk(folder);
    if (files.empty() || make.Pick(2) == 0) {
        return;
    }
    auto it = std::next(files.begin(), make.Pick(static_cast<int>(files.size())));
    std::string bytes = it->second;
    const std::size_t at = bytes.find('Q');
    if (at == std::string::npos) {
        return;
    }
    bytes[at] = 'R';
    EditOutside(it->first, bytes, make.Pick(2) == 0);
}

TEST_F(NoSaveDrops, RandomPairsOfFilesLoseNoByteThroughLoadTypingEditsAndSaves) {
    for (unsigned seed = 1; seed <= 120; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        FileMaker make(seed);
        TempFolder each;
        for (int year : {2003, 2004}) {
            std::set<int> leaveDays;
            std::string day = make.DayFile(year, leaveDays);
            std::string ledger = make.Ledger(year, leaveDays);
            for (auto& [name, bytes] : {std::pair{std::to_string(year) + ".dat", day},
                                        std::pair{std::to_string(year) + "V.dat", ledger}}) {
                if (!bytes.empty()) {
                    WriteBytes(each / name, bytes);
                }
            }
        }
        ResetProgramState();
        InitLeaveKinds();
        CurYear = 2004;
        LoadYearSlots(each.Path(), 2004);
        for (int save = 0; save < 2; ++save) {
            // Typing: an arrival time, and a leave day set or taken back.
            auto& slot = make.Pick(2) == 0 ? YearSlot1 : YearSlot2;
            slot[static_cast<std::size_t>(1 + make.Pick(365))].Arrival = "9:00";
            Recode1& leave = slot[static_cast<std::size_t>(1 + make.Pick(31))];
            leave.Kind = leave.Kind == "年休" ? "" : "年休";
            DataModified = 1;
            MaybeEditOneFile(make, each.Path());
            // Every file as it is on disk at the save is there afterwards.
            const std::map<fs::path, std::string> atSave = FilesOnDisk(each.Path());
            FakeSavePort port;
            WriteBothYearSlots(each.Path(), port);
            for (const auto& [file, bytes] : atSave) {
                EXPECT_TRUE(KeptOnDisk(file, bytes, MarkersIn(bytes))) << "save " << save;
            }
        }
    }
}

// A port that keeps what each save reported of its backups.
class BackupPort : public FakeSavePort {
public:
    void ReportBackups(const std::vector<DataFileWrite>& writes) override {
        reported.insert(reported.end(), writes.begin(), writes.end());
        FakeSavePort::ReportBackups(writes);
    }
    std::vector<DataFileWrite> reported;
};

std::string Replaced(std::string text, std::string_view from, std::string_view to) {
    text.replace(text.find(from), from.size(), to);
    return text;
}

// Lines a save used to write back changed without a backup: each is either
// written back byte for byte or kept with the whole old file in a backup,
// through a real load, typing and save.
TEST_F(NoSaveDrops, LinesTheProgramWouldChangeAreKeptOrBackedUp) {
    struct Row {
        const char* name;
        std::string dayLine; // replaces day 12 (1/12, a Monday and a holiday) when set
        std::string ledger;  // the paid-leave file when set
        std::vector<std::string> unreadNumbers;
    };
    const std::string kyujitsu = "\x8b\x78\x93\xfa"; // 休日
    const std::string monday = "\x8c\x8e";           // 月
    const std::string leave = "1=2004/01/06,x," + AnnualLeave + ",1.0,22.0,note\r\n";
    const Row rows[] = {
        {"units after numbers",
         "12=1/12," + monday + "," + kyujitsu + ",,,,,8000steps,65.5kg,memo",
         {},
         {}},
        {"a comma lost", "12=1/12," + monday + "," + kyujitsu + ",,,,0,0,memo-text", {}, {}},
        {"a long weekday", "12=1/12," + monday + "\x97\x6a," + kyujitsu + ",,,,,0,0,", {}, {}},
        {"numbers out of range",
         "12=1/12," + monday + "," + kyujitsu + ",,,,,99999999999,1e999,",
         {},
         {}},
        {"a condition as typed", "12=1/12," + monday + "," + kyujitsu + ",,,,,0,65.3,", {}, {}},
        {"controls and blanks in fields",
         "12=1/12," + monday + "," + kyujitsu + ",,,,,0,0,a\tb " + std::string(1, '\0') + "c ",
         {},
         {}},
        {"text after a grant",
         {},
         Replaced(LedgerFile(leave), "NowZan=20", "NowZan=20,LLLL"),
         {"NowZan"}},
        {"values that are no numbers",
         {},
         "[System]\r\nKuriZan=12,5\r\nKuriFlg=0\r\nNowZan=20\x93\xfa\r\n\r\n[VacationData]\r\n" +
             leave + "\r\n",
         {"KuriZan", "NowZan"}},
        {"days after a carry-over",
         {},
         Replaced(LedgerFile(leave), "KuriZan=3", "KuriZan=5.0days"),
         {"KuriZan"}},
        {"junk after the records' heading",
         {},
         Replaced(LedgerFile(leave), "[VacationData]", "[VacationData] junk"),
         {}},
        {"a tab in a remark",
         {},
         LedgerFile("1=2004/01/06,x," + AnnualLeave + ",1.0,22.0,a\tb \r\n"),
         {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TempFolder each;
        std::string day = ValidDayFile(2004);
        if (!row.dayLine.empty()) {
            const std::size_t at = day.find("\r\n12=") + 2;
            day.replace(at, day.find("\r\n", at) - at, row.dayLine);
        }
        const std::string ledger = row.ledger.empty() ? ValidLedger(2004) : row.ledger;
        WriteBytes(each / "2004.dat", day);
        WriteBytes(each / "2004V.dat", ledger);
        ResetProgramState();
        InitLeaveKinds();
        CurYear = 2004;
        LoadYearSlots(each.Path(), 2004);
        std::vector<std::string> unread;
        for (const FileNotice& notice : TakeUnreadableFiles()) {
            EXPECT_EQ(notice.file, each / "2004V.dat");
            unread.push_back(notice.key);
        }
        EXPECT_EQ(unread, row.unreadNumbers);
        YearSlot2[200].Arrival = "8:20";
        DataModified = 1;
        BackupPort port;
        ASSERT_TRUE(WriteBothYearSlots(each.Path(), port));
        // The row's line itself, or the whole old file in a backup.
        if (!row.dayLine.empty()) {
            EXPECT_TRUE(KeptOnDisk(each / "2004.dat", day, {row.dayLine + "\r\n"}));
        } else {
            EXPECT_TRUE(KeptOnDisk(each / "2004V.dat", ledger, {ledger}));
        }
        for (const DataFileWrite& write : port.reported) {
            EXPECT_FALSE(write.changedOutside);
        }
    }
}

// The real program's case: two saves, and between them another program
// edits both files of the year in place, keeping their size and their
// modification time. The day file's edit is kept in a backup and the box
// says it changed outside; the paid-leave file is rebuilt from its new
// values.
TEST_F(NoSaveDrops, AnEditBetweenTwoSavesThatKeepsSizeAndTimeIsNotLost) {
    WriteBytes(folder / "2004.dat", ValidDayFile(2004));
    WriteBytes(folder / "2004V.dat", ValidLedger(2004));
    BackupPort first;
    LoadTypeAndSave(first);
    std::string day = ReadBytes(folder / "2004.dat");
    day.replace(day.find("day2004"), 7, "DAY2004");
    std::string ledger = ReadBytes(folder / "2004V.dat");
    ledger.replace(ledger.find("KuriZan=3"), 9, "KuriZan=9");
    ledger.replace(ledger.find("leave2004"), 9, "LEAVE2004");
    EditOutside(folder / "2004.dat", day, true);
    EditOutside(folder / "2004V.dat", ledger, true);
    YearSlot2[201].Arrival = "8:30";
    DataModified = 1;
    BackupPort second;
    WriteBothYearSlots(folder.Path(), second);
    ASSERT_EQ(second.reported.size(), 1u);
    EXPECT_EQ(second.reported[0].path, folder / "2004.dat");
    EXPECT_TRUE(second.reported[0].changedOutside);
    EXPECT_EQ(ReadBytes(second.reported[0].backup), day);
    const std::string saved = ReadBytes(folder / "2004V.dat");
    EXPECT_NE(saved.find("KuriZan=9\r\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("LEAVE2004"), std::string::npos) << saved;
}

// Files the program wrote itself are replaced without a backup.
TEST_F(NoSaveDrops, OwnFilesNeedNoBackup) {
    for (int y : {2003, 2004}) {
        WriteBytes(folder / (std::to_string(y) + ".dat"), ValidDayFile(y));
        WriteBytes(folder / (std::to_string(y) + "V.dat"), ValidLedger(y));
    }
    FakeSavePort port;
    LoadTypeAndSave(port);
    LoadTypeAndSave(port);
    EXPECT_TRUE(port.backups.empty());
    EXPECT_TRUE(port.failures.empty());
    EXPECT_NE(ReadBytes(folder / "2004V.dat").find("leave2004"), std::string::npos);
}

} // namespace
