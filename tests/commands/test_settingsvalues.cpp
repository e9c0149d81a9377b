#include "commands/period.h"
#include "commands/savecycle.h"
#include "commands/settingsvalues.h"
#include "commands/viewcommands.h"
#include "records/clock.h"
#include "records/dates.h"
#include "records/settings.h"
#include "records/state.h"
#include "records/yearslots.h"
#include "tests/commands/fakeperiodview.h"
#include "tests/common/tempfolder.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

class SettingsFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProgramState();
        SetClockForTest(LocalDateTime{2004, 9, 27, 8, 15, 0});
        InitDateGlobals();
    }
    void TearDown() override {
        SetClockForTest(std::nullopt);
        ResetProgramState();
    }

    TempFolder folder;
};

// Every control set away from its default, as a user would leave them.
SettingsControls EveryControlChanged() {
    SettingsControls c;
    c.Memo1 = "20";
    c.Memo2 = "8:30";
    c.Memo3 = "17:45";
    c.Memo4 = "22:30";
    c.Memo5 = "4:00";
    c.BreakStarts = {"12:00", "15:00", "18:00", "20:00", "1:00"};
    c.BreakEnds = {"13:00", "15:15", "18:30", "20:10", "1:30"};
    c.StandRadio = 1;
    c.Memo14 = "45";
    c.MovementRadio = 2;
    c.Memo12 = "ｳｫｰｷﾝｸﾞ";
    c.ConditionRadio = 2;
    c.Memo13 = "体脂肪率";
    c.Thresholds = {"7", "4", "1", "5", "8000", "12000"};
    c.ComboBox2 = 3;
    c.WeeklyRest = {true, false, false, true, false, false, true};
    c.AutostartRadio = 1;
    c.ComboBox4 = 2;
    c.AutoendRadio = 1;
    c.ComboBox5 = 1;
    c.DoubleClickRadio = 1;
    c.CheckBox14 = true;
    c.Memo15 = "6:30";
    c.Memo16 = "0:15";
    c.OtherFlags = {false, true, false, true, true};
    return c;
}

TEST_F(SettingsFormTest, EveryControlRoundTripsThroughTheSettingsFileByteForByte) {
    // Placement and stride have no control: they are written as the block holds them.
    Settings.Top = 12;
    Settings.Distance = 85;
    const SettingsControls controls = EveryControlChanged();
    ASSERT_TRUE(ConfirmSettings(folder.Path(), controls));

    EXPECT_EQ(ReadBytes(folder / "tolmar.ini"),
              ReadBytes(std::filesystem::path(TOLMAR_GOLDEN_DIR) / "settings-stored.ini"));

    ResetProgramState();
    int firstRun = -1;
    ASSERT_EQ(LoadSettings(folder.Path(), &firstRun), SettingsLoad::Loaded);
    EXPECT_EQ(LoadSettingsToControls(), controls);
}

TEST_F(SettingsFormTest, NothingTakesEffectUntilTheSettingsFileIsWritten) {
    CurYear = 2004;
    CalendarYear = 2004;
    LoadYearSlots(folder.Path(), 2004); // no day files: weekly rest days would be marked
    ASSERT_TRUE(SaveSettings(folder.Path(), 0));
    const std::filesystem::path ini = folder / "tolmar.ini";
    const std::string before = ReadBytes(ini);
    const std::size_t saturday = static_cast<std::size_t>(DayOfYear({2004, 9, 25}));

    SettingsControls controls = LoadSettingsToControls();
    controls.Memo1 = "20";
    controls.Memo2 = "9:00";
    controls.WeeklyRest[6] = true;
    std::filesystem::permissions(ini, std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
    const DataFileWrite refused = ConfirmSettings(folder.Path(), controls);
    EXPECT_FALSE(refused);
    EXPECT_EQ(refused.path, ini);
    EXPECT_EQ(ReadBytes(ini), before);
    EXPECT_EQ(SettingsBytes(before, Settings, 0), before) << "the block changed";
    EXPECT_EQ(TodayMonth, 9);
    EXPECT_EQ(YearSlot2[saturday].Kind, "");

    // Writable again: the same controls take effect as a whole.
    std::filesystem::permissions(ini, std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add);
    ASSERT_TRUE(ConfirmSettings(folder.Path(), controls));
    EXPECT_EQ(Settings.Deadline, 20);
    EXPECT_EQ(Settings.Scheduledstart, "9:00");
    EXPECT_EQ(TodayMonth, 10);
    EXPECT_EQ(YearSlot2[saturday].Kind, "休日");
    EXPECT_NE(ReadBytes(ini).find("\r\nDeadline=20\r\n"), std::string::npos);

    // A closing day that is none stores 31 and leaves today's period alone.
    controls.Memo1 = "45";
    ASSERT_TRUE(ConfirmSettings(folder.Path(), controls));
    EXPECT_EQ(Settings.Deadline, 31);
    EXPECT_EQ(TodayMonth, 10);
}

TEST_F(SettingsFormTest, StoringFallsBackClampsAndRaisesTheChangeFlag) {
    using Edit = std::function<void(SettingsControls&)>;
    using Stored = std::function<std::string(const TSettings&)>;
    struct Case {
        Edit edit;
        Stored stored;
        std::string expected;
        int changed;
    };
    const Stored deadline = [](const TSettings& s) { return std::to_string(s.Deadline); };
    const Case cases[] = {
        {[](auto& c) { c.Memo1 = ""; }, deadline, "31", 0},
        {[](auto& c) { c.Memo1 = "45"; }, deadline, "31", 1},
        {[](auto& c) { c.Memo1 = "0"; }, deadline, "31", 1},
        {[](auto& c) { c.Memo1 = "20"; }, deadline, "20", 1},
        {[](auto& c) { c.Memo2 = "830"; }, [](auto& s) { return s.Scheduledstart; }, "8:30", 0},
        {[](auto& c) { c.Memo3 = "7:75"; }, [](auto& s) { return s.Scheduledend; }, "8:15", 0},
        {[](auto& c) { c.Memo4 = "24:00"; }, [](auto& s) { return s.Midnightstart; }, "", 0},
        {[](auto& c) { c.Memo5 = "2530"; }, [](auto& s) { return s.Midnightend; }, "", 0},
        {[](auto& c) { c.BreakStarts[0] = "12,5"; }, [](auto& s) { return s.Breaks[0]; }, "12:50",
         0},
        {[](auto& c) { c.Thresholds[0] = ""; }, [](auto& s) { return std::to_string(s.Sleep1); },
         "6", 0},
        {[](auto& c) { c.Thresholds[5] = ""; }, [](auto& s) { return std::to_string(s.Walking2); },
         "13000", 0},
        {[](auto& c) { c.Memo14 = ""; }, [](auto& s) { return std::to_string(s.Standtime); }, "0",
         0},
        {[](auto& c) { c.ComboBox4 = -1; }, [](auto& s) { return std::to_string(s.Autostartflg); },
         "0", 0},
        {[](auto& c) { c.ComboBox5 = 3; }, [](auto& s) { return std::to_string(s.Autoendflg); },
         "0", 0},
        {[](auto& c) { c.ComboBox2 = -1; },
         [](auto& s) { return std::to_string(s.LeaveGrantMonth); }, "1", 0},
        {[](auto& c) { c.Memo12 = "a\r\nb"; }, [](auto& s) { return s.Movementname; }, "a  b", 0},
        {[](auto& c) { c.WeeklyRest[6] = true; },
         [](auto& s) { return std::to_string(s.WeeklyHolidays[6]); }, "1", 1},
        {[](auto& c) { c.WeeklyRest[0] = false; },
         [](auto& s) { return std::to_string(s.WeeklyHolidays[0]); }, "0", 1},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        ResetProgramState();
        SettingsControls controls = LoadSettingsToControls();
        cases[i].edit(controls);
        TSettings stored = Settings;
        EXPECT_EQ(StoreControlsToSettings(controls, stored), cases[i].changed);
        EXPECT_EQ(cases[i].stored(stored), cases[i].expected);
    }
}

TEST_F(SettingsFormTest, LoadingShowsWhatTheControlsCanAndCorrectsTheBlockAtOnce) {
    Settings.Deadline = 0;
    Settings.Autostartflg = 5;
    Settings.Autoendflg = -1;
    Settings.Backgroundcolor[1] = "";
    Settings.Scheduledstart = "08:00";
    Settings.Scheduledend = "25:00";
    Settings.Movement = 7;
    Settings.Condition = 1;
    Settings.Standflg = 3;
    SettingsControls c = LoadSettingsToControls();
    EXPECT_EQ(c.Memo1, "1");
    EXPECT_EQ(c.ComboBox4, 0);
    EXPECT_EQ(Settings.Autostartflg, 0);
    EXPECT_EQ(Settings.Autoendflg, 0);
    EXPECT_EQ(Settings.Backgroundcolor[1], "clRed");
    EXPECT_EQ(c.Memo2, "8:00");
    EXPECT_EQ(c.Memo3, "");
    EXPECT_EQ(c.MovementRadio, 2);
    EXPECT_EQ(c.ConditionRadio, 1);

    // The stored 0 is shown as 1; confirming stores 1 and counts as a change.
    TSettings stored = Settings;
    EXPECT_EQ(StoreControlsToSettings(c, stored), 1);
    EXPECT_EQ(stored.Deadline, 1);
    EXPECT_EQ(stored.Standflg, 1);

    const std::pair<int, int> months[] = {{-3, 0}, {1, 0}, {2, 1}, {7, 6}, {12, 11}, {40, 11}};
    for (auto [month, item] : months) {
        Settings.LeaveGrantMonth = month;
        EXPECT_EQ(LoadSettingsToControls().ComboBox2, item) << month;
    }
}

class CountingSteps : public MainWindowSteps {
public:
    void SetSettingsColumnTitles() override {}
    void SelectCell(int, int) override {}
    void RepaintGrid() override { ++repaints; }
    void UpdateProgressMenu() override {}
    int repaints = 0;
};

class NoQuestions : public SavePort {
public:
    Answer AskSave() override {
        ADD_FAILURE() << "unplanned save question";
        return Answer::Cancel;
    }
    std::optional<std::string> AskLeavingTime() override { return std::nullopt; }
    void ReportWriteFailures(const std::vector<std::filesystem::path>&) override {}
    void ReportBackup(const std::filesystem::path&, const std::filesystem::path&) override {}
    void ReportLedgerFull(int) override {}
};

TEST_F(SettingsFormTest, ACancelledDialogStillBringsItsRestDayChangesToTheShownPeriod) {
    CurYear = 2004;
    CurMonth = 9;
    LoadYearSlots(folder.Path(), 2004);
    FakePeriodView view;
    ASSERT_TRUE(LoadPeriod(ClosingDayMonth));
    ShowPeriod(view);
    CountingSteps steps;
    NoQuestions port;
    // The dialog's calendar "保存" made 20 September, a national holiday, a work day and was then
    // cancelled.
    const std::size_t day = static_cast<std::size_t>(DayOfYear({2004, 9, 20}));
    ASSERT_EQ(YearSlot2[day].Kind, "休日");
    EXPECT_FALSE(RunSettingsCommand(folder.Path(), view, port, steps, [&] {
        YearSlot2[day].Kind = "";
        return false;
    }));
    EXPECT_EQ(view.Cell(2, 20), "");
    EXPECT_EQ(steps.repaints, 1);
    CommitGrid(view);
    StorePeriod();
    EXPECT_EQ(YearSlot2[day].Kind, "");
}

} // namespace
