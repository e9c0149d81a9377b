#include "records/colors.h"
#include "records/settings.h"
#include "records/state.h"
#include "tests/common/tempfolder.h"

#include <gtest/gtest.h>

namespace {

std::string Golden(const char* name) {
    return ReadBytes(std::filesystem::path(TOLMAR_GOLDEN_DIR) / name);
}

class SettingsFile : public ::testing::Test {
protected:
    void SetUp() override { ResetProgramState(); }
    void TearDown() override { ResetProgramState(); }

    std::string IniBytes() const { return ReadBytes(folder / "tolmar.ini"); }
    void WriteIni(std::string_view bytes) const { WriteBytes(folder / "tolmar.ini", bytes); }
    int Load() {
        int firstRun = -1;
        LoadSettings(folder.Path(), &firstRun);
        return firstRun;
    }

    TempFolder folder;
};

TEST_F(SettingsFile, FirstRunWritesAllDefaultsByteForByte) {
    EXPECT_EQ(Load(), 1);
    EXPECT_EQ(Settings.Width, 640);
    EXPECT_EQ(Settings.Backgroundcolor[1], "clYellow");
    ASSERT_TRUE(SaveSettings(folder.Path(), 0));
    EXPECT_EQ(IniBytes(), Golden("tolmar-defaults.ini"));
}

TEST_F(SettingsFile, PartialFileGivesDefaultsAndIsNotWrittenOnLoad) {
    WriteIni("[Window]\r\nWidth=800\r\n");
    EXPECT_EQ(Load(), 0);
    EXPECT_EQ(Settings.Width, 800);
    EXPECT_EQ(Settings.Height, 480);
    EXPECT_EQ(Settings.Deadline, 31);
    EXPECT_EQ(Settings.Walking2, 13000);
    EXPECT_EQ(Settings.Escflg, 1);
    EXPECT_EQ(IniBytes(), "[Window]\r\nWidth=800\r\n");
}

TEST_F(SettingsFile, UnreadableNumbersFallBackToEachKeysDefault) {
    WriteIni("[Office Setup]\r\nDeadline=abc\r\nSleep1=0x1C\r\nSleep2=$10\r\nWalking1=-5\r\n"
             "Overtime1=99999999999\r\n"
             "[Holiday Setup]\r\nSunday=yes\r\nMonday=yes\r\nSaturday=-1\r\nFriday=2\r\n"
             "Vacation=0X\r\n");
    Load();
    EXPECT_EQ(Settings.Deadline, 31);
    EXPECT_EQ(Settings.Sleep1, 28);
    EXPECT_EQ(Settings.Sleep2, 16);
    EXPECT_EQ(Settings.Walking1, -5);
    EXPECT_EQ(Settings.Overtime1, 2);
    EXPECT_EQ(Settings.WeeklyHolidays[0], 1); // default on
    EXPECT_EQ(Settings.WeeklyHolidays[1], 0); // default off
    EXPECT_EQ(Settings.WeeklyHolidays[6], 1);
    EXPECT_EQ(Settings.WeeklyHolidays[5], 1);
    EXPECT_EQ(Settings.LeaveGrantMonth, 1);
}

TEST_F(SettingsFile, DamagedFilesNeverCrashAndGiveDefaults) {
    static const char binary[] = "\xff\xfe\x00\x01[Other Setup]\r\nEscflg=\x81\r\n";
    const std::string damaged[] = {
        std::string("Width=800\r\nno section at all\r\n"),
        std::string("[Window\r\n=\r\n==\r\n[]\r\n[Window]\r\n=5\r\nTop\r\n"),
        std::string(binary, sizeof binary - 1),
        std::string("[Office Setup]\nDeadline=25\rStandtime= 45 \n"),
    };
    for (const std::string& bytes : damaged) {
        ResetProgramState();
        WriteIni(bytes);
        EXPECT_EQ(Load(), 0);
        EXPECT_EQ(Settings.Width, 640);
        EXPECT_EQ(Settings.Top, 0);
        EXPECT_EQ(Settings.Escflg, 1);
    }
    // LF-only and lone CR line ends still read, values trimmed.
    EXPECT_EQ(Settings.Deadline, 25);
    EXPECT_EQ(Settings.Standtime, 45);
}

TEST_F(SettingsFile, UnknownKeysSectionsAndJapaneseNamesSurviveLoadAndSave) {
    std::string file = Golden("tolmar-defaults.ini");
    // "歩数計" in CP932 as the exercise name; 0x5C as a trail byte ("表").
    const std::string name = "\x95\xe0\x90\x94\x8c\x76\x95\x5c";
    file.replace(file.find("Movementname="), 13, "Movementname=" + name);
    file.insert(file.find("Deadline="), "MyOwnKey=kept value\r\n");
    file += "[My Section]\r\nanswer=42\r\nline without equals\r\n\r\n";
    WriteIni(file);
    Load();
    EXPECT_EQ(Settings.Movementname, "歩数計表");
    ASSERT_TRUE(SaveSettings(folder.Path(), 0));
    EXPECT_EQ(IniBytes(), file);
}

TEST_F(SettingsFile, TextsThatAreNoCp932KeepTheirBytesUntilChanged) {
    std::string file = Golden("tolmar-defaults.ini");
    const std::string broken = std::string("\x95\x5c\xff\x05\x00x", 6);
    file.replace(file.find("Movementname="), 13, "Movementname=" + broken);
    WriteIni(file);
    Load();
    ASSERT_TRUE(SaveSettings(folder.Path(), 0));
    EXPECT_EQ(IniBytes(), file);
    Settings.Movementname = "歩数";
    ASSERT_TRUE(SaveSettings(folder.Path(), 0));
    EXPECT_NE(IniBytes().find("Movementname=\x95\xe0\x90\x94\r\n"), std::string::npos);
}

TEST_F(SettingsFile, MisspeltEighthFlagKeepsItsDefaultAndTheStoredKeyIsAdded) {
    std::string file = Golden("tolmar-defaults.ini");
    file.replace(file.find("Backgroundcohk8=0"), 17, "Backgroundchk8=1");
    WriteIni(file);
    Load();
    EXPECT_EQ(Settings.Backgroundchk[7], 0);
    ASSERT_TRUE(SaveSettings(folder.Path(), 0));
    std::string saved = IniBytes();
    EXPECT_NE(saved.find("Backgroundchk8=1\r\n"), std::string::npos);
    std::size_t added = saved.find("Backgroundcohk8=0\r\n");
    ASSERT_NE(added, std::string::npos);
    EXPECT_GT(added, saved.find("Backgroundcolor10=")); // appended at the section's end
    EXPECT_LT(added, saved.find("[Automatic Setup]"));
}

TEST_F(SettingsFile, WindowOnlyWriteChangesOnlyThePlacement) {
    Load();
    ASSERT_TRUE(SaveSettings(folder.Path(), 0));
    Settings.Deadline = 20;
    Settings.Top = 12;
    Settings.Width = 700;
    ASSERT_TRUE(SaveSettings(folder.Path(), 1));
    std::string expected = Golden("tolmar-defaults.ini");
    expected.replace(expected.find("Top=0"), 5, "Top=12");
    expected.replace(expected.find("Width=640"), 9, "Width=700");
    EXPECT_EQ(IniBytes(), expected);
}

TEST_F(SettingsFile, ColourWithoutNameRoundTripsInDollarForm) {
    Load();
    Settings.Backgroundcolor[3] = ColorToText(0x00A1B2C3);
    EXPECT_EQ(Settings.Backgroundcolor[3], "$00A1B2C3");
    ASSERT_TRUE(SaveSettings(folder.Path(), 0));
    ResetProgramState();
    Load();
    EXPECT_EQ(ColorFromText(Settings.Backgroundcolor[3]), 0x00A1B2C3u);
    EXPECT_EQ(ColorFromText("clBlue"), 0xFF0000u);
    EXPECT_EQ(ColorFromText("clRed"), 0x0000FFu);
    EXPECT_EQ(ColorToText(0x00FFFF), "clYellow");
}

TEST_F(SettingsFile, FailedWriteIsReportedAndKeepsTheOldFile) {
    WriteIni("[Window]\r\nWidth=800\r\n");
    Load();
    Settings.Width = 900;
    ReadOnlyFolder readOnly(folder.Path());
    if (!readOnly.Refused()) {
        GTEST_SKIP() << "this file system lets every write through";
    }
    EXPECT_FALSE(SaveSettings(folder.Path(), 0));
    EXPECT_EQ(IniBytes(), "[Window]\r\nWidth=800\r\n");
}

TEST_F(SettingsFile, CommentsAndLinesBeforeTheFirstSectionStayWhereTheyStand) {
    const std::string file = "; tolmar settings, edited by hand\r\n"
                             "\r\n"
                             "owner=me\r\n"
                             "[Window]\r\n"
                             "Top=5\r\n"
                             "  ; the window was too small\r\n"
                             "Width=800\r\n"
                             "\r\n"
                             "[Office Setup]\r\n"
                             ";closing day agreed with the office\r\n"
                             "Deadline=20\r\n";
    WriteIni(file);
    Load();
    EXPECT_EQ(Settings.Width, 800);
    Settings.Width = 900;
    const DataFileWrite write = SaveSettings(folder.Path(), 1);
    ASSERT_TRUE(write);
    EXPECT_FALSE(write.backedUp());
    const std::string expected = "; tolmar settings, edited by hand\r\n"
                                 "\r\n"
                                 "owner=me\r\n"
                                 "[Window]\r\n"
                                 "Top=5\r\n"
                                 "  ; the window was too small\r\n"
                                 "Width=900\r\n"
                                 "Left=0\r\n"
                                 "Height=480\r\n"
                                 "\r\n"
                                 "[Office Setup]\r\n"
                                 ";closing day agreed with the office\r\n"
                                 "Deadline=20\r\n"
                                 "\r\n";
    EXPECT_EQ(IniBytes(), expected);
    // A full write keeps them too, and writing again changes nothing more.
    ASSERT_TRUE(SaveSettings(folder.Path(), 0));
    const std::string full = IniBytes();
    EXPECT_EQ(full.rfind(expected.substr(0, expected.find("Deadline=20")), 0), 0u) << full;
    ASSERT_TRUE(SaveSettings(folder.Path(), 0));
    EXPECT_EQ(IniBytes(), full);
    EXPECT_FALSE(std::filesystem::exists(folder / "tolmar.ini.bak"));
}

// "歩数計" in UTF-8 and in CP932.
#define HOSUUKEI_UTF8 "\xe6\xad\xa9\xe6\x95\xb0\xe8\xa8\x88"
#define HOSUUKEI_CP932 "\x95\xe0\x90\x94\x8c\x76"

TEST_F(SettingsFile, AUtf8FileIsReadAsUtf8AndItsFirstWriteKeepsItsBytes) {
    const std::string bom = "\xef\xbb\xbf";
    const std::string body = "; \xe8\xa8\xad\xe5\xae\x9a\r\n[Window]\r\nWidth=800\r\n"
                             "[Office Setup]\r\nMovementname=" HOSUUKEI_UTF8 "\r\n";
    const std::string ascii = "[Window]\r\nWidth=800\r\n";
    struct Case {
        std::string bytes;
        const char* movementname;
    };
    const Case cases[] = {{bom + body, "歩数計"}, {body, "歩数計"}, {bom + ascii, ""}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes);
        ResetProgramState();
        std::filesystem::remove(folder / "tolmar.ini.bak");
        WriteIni(c.bytes);
        int firstRun = -1;
        ASSERT_EQ(LoadSettings(folder.Path(), &firstRun), SettingsLoad::LoadedFromUtf8);
        EXPECT_EQ(Settings.Width, 800);
        EXPECT_EQ(Settings.Movementname, c.movementname);

        Settings.Height = 500;
        const DataFileWrite write = SaveSettings(folder.Path(), 1);
        ASSERT_TRUE(write);
        EXPECT_EQ(write.backup, folder / "tolmar.ini.bak");
        EXPECT_EQ(ReadBytes(folder / "tolmar.ini.bak"), c.bytes);
        const std::string saved = IniBytes();
        EXPECT_EQ(saved.rfind("[Window]\r\nWidth=800\r\n", 0) == 0, c.bytes == bom + ascii);
        EXPECT_EQ(saved.find("[Window]"), saved.rfind("[Window]")) << "one Window section";
        EXPECT_NE(saved.find("Height=500\r\n"), std::string::npos);
        if (*c.movementname != '\0') {
            EXPECT_NE(saved.find("; \x90\xdd\x92\xe8\r\n"), std::string::npos); // "設定"
            EXPECT_NE(saved.find("Movementname=" HOSUUKEI_CP932 "\r\n"), std::string::npos);
        }

        // From now on the file is the program's own: read as it is, no more
        // backups.
        ResetProgramState();
        ASSERT_EQ(LoadSettings(folder.Path(), &firstRun), SettingsLoad::Loaded);
        EXPECT_EQ(Settings.Movementname, c.movementname);
        ASSERT_FALSE(SaveSettings(folder.Path(), 0).backedUp());
        EXPECT_FALSE(std::filesystem::exists(folder / "tolmar.ini.bak2"));
    }
}

TEST_F(SettingsFile, HalfWidthKatakanaThatLookLikeUtf8StayCp932) {
    // "ﾃｽ" is C3 BD in CP932, which is also "ý" in UTF-8.
    const std::string file = "[Office Setup]\r\nMovementname=\xc3\xbd\r\n";
    WriteIni(file);
    int firstRun = -1;
    ASSERT_EQ(LoadSettings(folder.Path(), &firstRun), SettingsLoad::Loaded);
    EXPECT_EQ(Settings.Movementname, "ﾃｽ");
    EXPECT_FALSE(SaveSettings(folder.Path(), 1).backedUp());
    EXPECT_EQ(IniBytes(), "[Office Setup]\r\nMovementname=\xc3\xbd\r\n\r\n"
                          "[Window]\r\nTop=0\r\nLeft=0\r\nWidth=640\r\nHeight=480\r\n\r\n");
}

TEST_F(SettingsFile, ABackupNeverReplacesAnotherAndAHeadingTwiceIsKeptToo) {
    const std::string file =
        "[Window]\r\nTop=1\r\n[Other Setup]\r\nRedflg=1\r\n[window]\r\nLeft=2\r\n";
    WriteIni(file);
    WriteBytes(folder / "tolmar.ini.bak", "an older backup");
    Load();
    EXPECT_EQ(Settings.Left, 2);
    const DataFileWrite write = SaveSettings(folder.Path(), 1);
    ASSERT_TRUE(write);
    EXPECT_EQ(write.backup, folder / "tolmar.ini.bak2");
    EXPECT_EQ(ReadBytes(folder / "tolmar.ini.bak2"), file);
    EXPECT_EQ(ReadBytes(folder / "tolmar.ini.bak"), "an older backup");
    EXPECT_EQ(IniBytes(), "[Window]\r\nTop=1\r\nLeft=2\r\nWidth=640\r\nHeight=480\r\n\r\n"
                          "[Other Setup]\r\nRedflg=1\r\n\r\n");
}

// A write keeps the old file as a backup exactly when it would not hold it
// whole or something else changed it since the load: a file that only lacks
// keys gains them without one; a value that is no number would be written
// as its default; an edit by another program after the load keeps it too.
TEST_F(SettingsFile, AWriteKeepsTheOldFileWhenItWouldNotHoldItOrItChangedOutside) {
    const struct {
        const char* name;
        std::string file;
        std::string edit; // written after the load, when set
        bool kept;
    } cases[] = {
        {"keys lacking", "[Window]\r\nWidth=800\r\n; mine\r\n", {}, false},
        {"no number", "[Office Setup]\r\nDeadline=abc\r\n", {}, true},
        {"spaces around a value", "[Window]\r\nWidth = 800\r\n", {}, true},
        {"edited outside", "[Window]\r\nWidth=800\r\n", "[Window]\r\nWidth=900\r\n", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ResetProgramState();
        std::filesystem::remove(folder / "tolmar.ini.bak");
        WriteIni(c.file);
        Load();
        const std::string before = c.edit.empty() ? c.file : c.edit;
        WriteIni(before);
        DataFileWrite write = SaveSettings(folder.Path(), 1);
        ASSERT_TRUE(write.written);
        EXPECT_EQ(write.backedUp(), c.kept);
        EXPECT_EQ(write.changedOutside, !c.edit.empty());
        if (c.kept) {
            EXPECT_EQ(ReadBytes(folder / "tolmar.ini.bak"), before);
        }
    }
}

TEST_F(SettingsFile, HexadecimalValuesWrapIn32BitsWithoutOverflow) {
    WriteIni("[Window]\r\nTop=-$80000000\r\nLeft=$FFFFFFFF\r\nWidth=-$1\r\nHeight=0x80000000\r\n"
             "[Office Setup]\r\nStandtime=-2147483648\r\nSleep1=-2147483649\r\n"
             "Sleep2=-$100000000\r\nWalking1=$7FFFFFFF\r\n");
    Load();
    EXPECT_EQ(Settings.Top, INT32_MIN);
    EXPECT_EQ(Settings.Left, -1);
    EXPECT_EQ(Settings.Width, -1);
    EXPECT_EQ(Settings.Height, INT32_MIN);
    EXPECT_EQ(Settings.Standtime, INT32_MIN);
    EXPECT_EQ(Settings.Sleep1, 6); // beyond 32 bits: the default
    EXPECT_EQ(Settings.Sleep2, 5);
    EXPECT_EQ(Settings.Walking1, INT32_MAX);
}

TEST(SettingsAccessors, HandEditedValuesAreClampedWhereUsed) {
    ResetProgramState();
    Settings.Deadline = 45;
    EXPECT_EQ(EffectiveDeadline(), 31);
    Settings.Deadline = 0;
    EXPECT_EQ(EffectiveDeadline(), 31);
    Settings.Deadline = 25;
    EXPECT_EQ(EffectiveDeadline(), 25);
    Settings.LeaveGrantMonth = 13;
    EXPECT_EQ(EffectiveLeaveGrantMonth(), 12);
    Settings.LeaveGrantMonth = -3;
    EXPECT_EQ(EffectiveLeaveGrantMonth(), 1);
    Settings.Backgroundchk[1] = 1;
    Settings.Backgroundcolor[2] = "notacolour";
    EXPECT_FALSE(EffectiveBackgroundColor(2).has_value());
    Settings.Backgroundcolor[2] = "clRed";
    EXPECT_EQ(EffectiveBackgroundColor(2), 0x0000FFu);
    Settings.Backgroundchk[1] = 0;
    EXPECT_FALSE(EffectiveBackgroundColor(2).has_value());
    ResetProgramState();
}

} // namespace
