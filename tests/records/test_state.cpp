#include "records/clock.h"
#include "records/programfolder.h"
#include "records/settings.h"
#include "records/state.h"
#include "tests/common/tempfolder.h"

#include <gtest/gtest.h>

namespace {

struct ShiftCase {
    int deadline;
    LocalDateTime now;
    int year, month, days;
};

class ClosingDayShift : public ::testing::TestWithParam<ShiftCase> {
protected:
    void TearDown() override {
        SetClockForTest(std::nullopt);
        ResetProgramState();
    }
};

TEST_P(ClosingDayShift, TodayBelongsToTheRightPeriod) {
    const ShiftCase& c = GetParam();
    ResetProgramState();
    Settings.Deadline = c.deadline;
    SetClockForTest(c.now);
    ASSERT_TRUE(InitDateGlobals());
    EXPECT_EQ(TodayYear, c.year);
    EXPECT_EQ(TodayMonth, c.month);
    EXPECT_EQ(TodayDay, c.now.day);
    EXPECT_EQ(TodayMonthDays, c.days);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ClosingDayShift,
    ::testing::Values(ShiftCase{31, {2004, 12, 31, 9, 0, 0}, 2004, 12, 31},
                      ShiftCase{25, {2005, 3, 25, 9, 0, 0}, 2005, 3, 31},
                      ShiftCase{25, {2005, 3, 26, 9, 0, 0}, 2005, 4, 30},
                      ShiftCase{25, {2004, 12, 26, 9, 0, 0}, 2005, 1, 31},
                      ShiftCase{28, {2004, 1, 29, 9, 0, 0}, 2004, 1, 31},
                      ShiftCase{27, {2004, 1, 28, 9, 0, 0}, 2004, 2, 29},
                      // A closing day out of range from a hand-edited file counts as 31.
                      ShiftCase{0, {2005, 3, 26, 9, 0, 0}, 2005, 3, 31},
                      ShiftCase{-4, {2005, 3, 26, 9, 0, 0}, 2005, 3, 31}));

TEST(DateGlobals, NowIsTakenFromTheClockWithTheTimeAsFraction) {
    ResetProgramState();
    SetClockForTest(LocalDateTime{2004, 9, 27, 18, 0, 0});
    InitDateGlobals();
    // 2004-09-27 is day 38257 counted from 1899-12-30.
    EXPECT_DOUBLE_EQ(TodayNow, 38257.75);
    SetClockForTest(std::nullopt);
    ResetProgramState();
}

TEST(ProgramState, ResetClearsEverythingAndLeaveKindsAreInOrder) {
    ResetProgramState();
    ASSERT_TRUE(InitLeaveKinds());
    EXPECT_EQ(LeaveKinds[0], "");
    EXPECT_EQ(LeaveKinds[2], "年休");
    EXPECT_EQ(LeaveKinds[10], "日曜");
    SettingsPageIndex = 3;
    YearSlot2[366].Remark = "x";
    MonthWork[30].Column(9) = "y";
    DataModified = 1;
    Settings.Deadline = 20;
    ResetProgramState();
    EXPECT_EQ(LeaveKinds[2], "");
    EXPECT_EQ(YearSlot2[366].Remark, "");
    EXPECT_EQ(MonthWork[30].Values[WorkRemark], "");
    EXPECT_EQ(DataModified, 0);
    EXPECT_EQ(Settings.Deadline, 31);
    EXPECT_EQ(SettingsPageIndex, 0);
}

TEST(ProgramFolderTest, TheExecutablesFolderUnlessItIsNotWritableAndThenItSaysWhich) {
    TempFolder executable;
    TempFolder home;
    ProgramFolderChoice beside = ProgramFolderFor(executable.Path(), home.Path());
    EXPECT_EQ(beside.folder, executable.Path());
    EXPECT_TRUE(beside.notWritable.empty()) << "no switch, nothing to tell";
    ReadOnlyFolder readOnly(executable.Path());
    if (!readOnly.Refused()) {
        GTEST_SKIP() << "this file system lets every write through";
    }
    std::filesystem::path fallback = home / ".local/share/tolmar";
    ProgramFolderChoice switched = ProgramFolderFor(executable.Path(), home.Path());
    EXPECT_EQ(switched.folder, fallback);
    EXPECT_EQ(switched.notWritable, executable.Path()) << "both folders, for the box at start";
    EXPECT_TRUE(std::filesystem::is_directory(fallback));
}

} // namespace
