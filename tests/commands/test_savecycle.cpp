#include "commands/period.h"
#include "commands/savecycle.h"
#include "records/clock.h"
#include "records/cp932.h"
#include "records/settings.h"
#include "records/state.h"
#include "records/yearslots.h"
#include "tests/commands/periodcommandtest.h"
#include "tests/common/tempfolder.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

// 2004-09-27 17:45, a Monday, in a program folder of its own.
class SaveCycleTest : public PeriodCommandTest {
protected:
    void SetUp() override {
        ResetProgramState();
        StartOn({2004, 9, 27, 17, 45, 0});
        Show(2004, 9);
        TodayRow = CurRow;
    }
};

constexpr int Sep27 = 271; // day of the year of 2004-09-27

TEST_F(SaveCycleTest, SaveWritesBothYearsEvenWithoutChanges) {
    ASSERT_TRUE(SaveCommand(folder.Path(), view, port));
    for (const char* name : {"2003.dat", "2004.dat", "2003V.dat", "2004V.dat"}) {
        EXPECT_TRUE(fs::exists(folder / name)) << name;
    }
    EXPECT_EQ(DataModified, 0);
    view.SetCell(4, TodayRow, "845");
    ASSERT_TRUE(SaveCommand(folder.Path(), view, port));
    EXPECT_EQ(DayLine(2004, Sep27), "271=9/27,月,,,8:45,,,0,0,");
    EXPECT_TRUE(port.failures.empty());
}

TEST_F(SaveCycleTest, TheSaveQuestionsThreeAnswers) {
    view.SetCell(3, 1, "630");
    CommitGrid(view);
    StorePeriod();
    ASSERT_EQ(DataModified, 1);

    port.answers = {SavePort::Answer::Cancel};
    EXPECT_EQ(ConfirmSave(folder.Path(), port), SavePort::Answer::Cancel);
    EXPECT_EQ(DataModified, 1);
    EXPECT_FALSE(fs::exists(folder / "2004.dat"));

    port.answers = {SavePort::Answer::No};
    EXPECT_EQ(ConfirmSave(folder.Path(), port), SavePort::Answer::No);
    EXPECT_EQ(DataModified, 0);
    EXPECT_FALSE(fs::exists(folder / "2004.dat"));
    // Nothing unsaved any more: no question at all.
    EXPECT_NE(ConfirmSave(folder.Path(), port), SavePort::Answer::Cancel);
    EXPECT_EQ(port.questions, 2);

    // The edits answered No stayed in the year slots: the next save writes them.
    ASSERT_TRUE(SaveCommand(folder.Path(), view, port));
    EXPECT_EQ(DayLine(2004, 245), "245=9/01,水,,6:30,,,,0,0,");

    view.SetCell(3, 2, "7");
    CommitGrid(view);
    port.answers = {SavePort::Answer::Yes};
    EXPECT_EQ(ConfirmSave(folder.Path(), port), SavePort::Answer::Yes);
    EXPECT_EQ(DataModified, 0);
}

TEST_F(SaveCycleTest, SaveflgSavesWithoutAsking) {
    Settings.Saveflg = 1;
    view.SetCell(9, 3, "メモ");
    CommitGrid(view);
    StorePeriod();
    EXPECT_EQ(ConfirmSave(folder.Path(), port), SavePort::Answer::Yes);
    EXPECT_EQ(port.questions, 0);
    EXPECT_EQ(DayLine(2004, 247), "247=9/03,金,,,,,,0,0,メモ");
    EXPECT_EQ(DataModified, 0);
}

TEST_F(SaveCycleTest, AFailedSaveIsReportedKeepsTheFlagAndTheOldFiles) {
    ASSERT_TRUE(SaveCommand(folder.Path(), view, port));
    const std::string before = ReadBytes(folder / "2004.dat");
    view.SetCell(4, 5, "9:10");
    CommitGrid(view);
    StorePeriod();
    ReadOnlyFolder readOnly(folder.Path());
    if (!readOnly.Refused()) {
        GTEST_SKIP() << "this file system lets every write through";
    }
    port.answers = {SavePort::Answer::Yes};
    EXPECT_EQ(ConfirmSave(folder.Path(), port), SavePort::Answer::Cancel);
    EXPECT_EQ(DataModified, 1);
    EXPECT_EQ(port.failureReports, 1); // one report names every file
    // The paid-leave files follow their day files: not rebuilt, not written.
    EXPECT_EQ(port.failures, (std::vector<fs::path>{folder / "2003.dat", folder / "2004.dat"}));
    EXPECT_EQ(ReadBytes(folder / "2004.dat"), before);

    port.answers = {SavePort::Answer::Yes};
    EXPECT_FALSE(CloseQuery(folder.Path(), view, port)); // the program stays open
}

struct LeavingCase {
    int autoendflg;
    const char* cellBefore;
    std::optional<std::string> dialogAnswer; // planned when the dialog must appear
    bool dialogExpected;
    const char* written;
};

class AutomaticLeaving : public SaveCycleTest, public ::testing::WithParamInterface<LeavingCase> {};

TEST_P(AutomaticLeaving, StampsByTheModeAndSaves) {
    const LeavingCase& c = GetParam();
    Settings.Autoend = 1;
    Settings.Autoendflg = c.autoendflg;
    view.SetCell(5, TodayRow, c.cellBefore);
    if (*c.cellBefore != '\0') {
        port.answers = {SavePort::Answer::Yes}; // the typed time is a change to save
    }
    if (c.dialogExpected) {
        port.leavingTimes = {c.dialogAnswer};
    }
    ASSERT_TRUE(CloseQuery(folder.Path(), view, port));
    EXPECT_EQ(DayLine(2004, Sep27), std::string("271=9/27,月,,,,") + c.written + ",,0,0,");
    EXPECT_EQ(DataModified, 0);
}

INSTANTIATE_TEST_SUITE_P(Modes, AutomaticLeaving,
                         ::testing::Values(LeavingCase{0, "17:30", std::nullopt, false, "17:45"},
                                           LeavingCase{1, "", std::nullopt, false, "17:45"},
                                           LeavingCase{1, "17:30", std::string("18:07"), true,
                                                       "18:07"},
                                           LeavingCase{1, "17:30", std::nullopt, true, "17:30"},
                                           LeavingCase{2, "17:30", std::nullopt, false, "17:30"},
                                           LeavingCase{2, "", std::nullopt, false, "17:45"},
                                           LeavingCase{3, "17:30", std::nullopt, false, "17:30"}));

TEST_F(SaveCycleTest, EditsRefusedWithNoAreNotWrittenWithTheLeavingTime) {
    Settings.Autoend = 1;
    Settings.Autoendflg = 0;
    view.SetCell(9, 1, "refused edit");
    port.answers = {SavePort::Answer::No};
    ASSERT_TRUE(CloseQuery(folder.Path(), view, port));
    EXPECT_EQ(DayLine(2004, 245), "245=9/01,水,,,,,,0,0,");
    EXPECT_EQ(DayLine(2004, Sep27), "271=9/27,月,,,,17:45,,0,0,");
}

TEST_F(SaveCycleTest, CloseWhileLastYearIsShownStampsTodaysRowOfTodaysYear) {
    Settings.Autoend = 1;
    Show(2003, 11);
    ASSERT_TRUE(CloseQuery(folder.Path(), view, port));
    EXPECT_EQ(CurYear, 2004);
    EXPECT_EQ(view.year, 2004);
    EXPECT_EQ(DayLine(2004, Sep27), "271=9/27,月,,,,17:45,,0,0,");
}

TEST_F(SaveCycleTest, CancelKeepsTheProgramOpenAndWritesNothing) {
    Settings.Autoend = 1;
    view.SetCell(3, 1, "6:00");
    port.answers = {SavePort::Answer::Cancel};
    EXPECT_FALSE(CloseQuery(folder.Path(), view, port));
    EXPECT_FALSE(fs::exists(folder / "2004.dat"));
    EXPECT_EQ(view.Cell(5, TodayRow), "");
}

struct ArrivalCase {
    int autostartflg;
    LocalDateTime now;
    const char* scheduled;
    const char* stamped;
};

class AutomaticArrival : public SaveCycleTest, public ::testing::WithParamInterface<ArrivalCase> {};

TEST_P(AutomaticArrival, StampsAnEmptyArrivalCellOnly) {
    const ArrivalCase& c = GetParam();
    Settings.Autostart = 1;
    Settings.Autostartflg = c.autostartflg;
    Settings.Scheduledstart = c.scheduled;
    SetClockForTest(c.now);
    AutoEnterTime(view);
    EXPECT_EQ(view.Cell(4, TodayRow), c.stamped);
    EXPECT_EQ(DataModified, 0); // only the grid changed

    view.SetCell(4, TodayRow, "7:58");
    AutoEnterTime(view);
    EXPECT_EQ(view.Cell(4, TodayRow), "7:58");
}

INSTANTIATE_TEST_SUITE_P(Modes, AutomaticArrival,
                         ::testing::Values(ArrivalCase{0, {2004, 9, 27, 8, 5, 0}, "8:00", "8:05"},
                                           ArrivalCase{1, {2004, 9, 27, 7, 45, 0}, "8:00", "8:00"},
                                           ArrivalCase{1, {2004, 9, 27, 8, 20, 0}, "8:00", "8:20"},
                                           ArrivalCase{2, {2004, 9, 27, 8, 20, 0}, "8:00", "8:00"},
                                           ArrivalCase{2, {2004, 9, 27, 8, 20, 0}, "", ""},
                                           ArrivalCase{2, {2004, 9, 27, 8, 20, 0}, "25:00", ""},
                                           ArrivalCase{5, {2004, 9, 27, 8, 20, 0}, "8:00", ""}));

TEST_F(SaveCycleTest, NoArrivalStampWithoutTheSetting) {
    Settings.Autostart = 0;
    AutoEnterTime(view);
    EXPECT_EQ(view.Cell(4, TodayRow), "");
}

} // namespace
