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
