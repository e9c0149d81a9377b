#include "common/tempfolder.h"
#include "logic/fakeperiodview.h"
#include "mainwindow/period.h"
#include "mainwindow/savecycle.h"
#include "mainwindow/settingsform.h"
#include "mainwindow/viewcommands.h"
#include "records/clock.h"
#include "records/settings.h"
#include "records/state.h"
#include "records/yearslots.h"

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

std::string Lines(std::initializer_list<const char*> lines) {
    std::string bytes;
    for (const char* line : lines) {
        bytes += std::string(line) + "\r\n";
    }
    return bytes;
}

TEST_F(SettingsFormTest, EveryControlRoundTripsThroughTheSettingsFileByteForByte) {
    // Placement and stride have no control: they are written as the block holds them.
    Settings.Top = 12;
    Settings.Distance = 85;
    const SettingsControls controls = EveryControlChanged();
    ASSERT_TRUE(ConfirmSettings(folder.Path(), controls));

    const std::string expected = Lines({"[Window]",
                                        "Top=12",
                                        "Left=0",
                                        "Width=640",
                                        "Height=480",
                                        "",
                                        "[Office Setup]",
                                        "Deadline=20",
                                        "Scheduledstart=8:30",
                                        "Scheduledend=17:45",
                                        "Midnightstart=22:30",
                                        "Midnightend=4:00",
                                        "Breaks1=12:00",
                                        "Breake1=13:00",
                                        "Breaks2=15:00",
                                        "Breake2=15:15",
                                        "Breaks3=18:00",
                                        "Breake3=18:30",
                                        "Breaks4=20:00",
                                        "Breake4=20:10",
                                        "Breaks5=1:00",
                                        "Breake5=1:30",
                                        "Standflg=1",
                                        "Standtime=45",
                                        "Movement=2",
                                        "Movementname=\xb3\xab\xb0\xb7\xdd\xb8\xde",
                                        "Condition=2",
                                        "Conditionname=\x91\xcc\x8e\x89\x96\x62\x97\xa6",
                                        "Sleep1=7",
                                        "Sleep2=4",
                                        "Overtime1=1",
                                        "Overtime2=5",
                                        "Walking1=8000",
                                        "Walking2=12000",
                                        "",
                                        "[Holiday Setup]",
                                        "Vacation=4",
                                        "Sunday=1",
                                        "Monday=0",
                                        "Tuesday=0",
                                        "Wednesday=1",
                                        "Thursday=0",
                                        "Friday=0",
                                        "Saturday=1",
                                        "Backgroundchk1=1",
                                        "Backgroundcolor1=clYellow",
                                        "Backgroundchk2=0",
                                        "Backgroundcolor2=clWhite",
                                        "Backgroundchk3=0",
                                        "Backgroundcolor3=clWhite",
                                        "Backgroundchk4=0",
                                        "Backgroundcolor4=clWhite",
                                        "Backgroundchk5=0",
                                        "Backgroundcolor5=clWhite",
                                        "Backgroundchk6=0",
                                        "Backgroundcolor6=clWhite",
                                        "Backgroundchk7=0",
                                        "Backgroundcolor7=clWhite",
                                        "Backgroundcohk8=0",
                                        "Backgroundcolor8=clWhite",
                                        "Backgroundchk9=0",
                                        "Backgroundcolor9=clWhite",
                                        "Backgroundchk10=0",
                                        "Backgroundcolor10=clWhite",
                                        "",
                                        "[Automatic Setup]",
                                        "Autostart=1",
                                        "Autostartflg=2",
                                        "Autoend=1",
                                        "Autoendflg=1",
                                        "DoubleClick=1",
                                        "Timeoption=1",
                                        "Risingtime=6:30",
                                        "Sleepingtime=0:15",
                                        "",
                                        "[Other Setup]",
                                        "Escflg=0",
                                        "Saveflg=1",
                                        "Autoflg=0",
                                        "Windflg=1",
                                        "Redflg=1",
                                        "Distance=85",
                                        ""});
    EXPECT_EQ(ReadBytes(folder / "tolmar.ini"), expected);

    ResetProgramState();
    int firstRun = -1;
    ASSERT_EQ(LoadSettings(folder.Path(), &firstRun), SettingsLoad::Loaded);
    EXPECT_EQ(LoadSettingsToControls(), controls);
}

TEST_F(SettingsFormTest, StoringFallsBackClampsAndRaisesTheChangeFlag) {
    struct Case {
        const char* what;
        std::function<void(SettingsControls&)> edit;
        int changed;
        std::function<void()> check;
    };
    const Case cases[] = {
        {"empty closing day", [](auto& c) { c.Memo1 = ""; }, 0,
         [] { EXPECT_EQ(Settings.Deadline, 31); }},
        {"closing day 45", [](auto& c) { c.Memo1 = "45"; }, 1,
         [] { EXPECT_EQ(Settings.Deadline, 31); }},
        {"closing day 0", [](auto& c) { c.Memo1 = "0"; }, 1,
         [] { EXPECT_EQ(Settings.Deadline, 31); }},
        {"closing day 20 moves today's period", [](auto& c) { c.Memo1 = "20"; }, 1,
         [] {
             EXPECT_EQ(Settings.Deadline, 20);
             EXPECT_EQ(TodayMonth, 10); // 27 September lies after the 20th
         }},
        {"time boxes",
         [](auto& c) {
             c.Memo2 = "830";
             c.Memo3 = "7:75";
             c.Memo4 = "24:00";
             c.Memo5 = "2530";
             c.Memo15 = "";
             c.BreakStarts[0] = "12,5";
             c.BreakEnds[0] = "abc";
         },
         0,
         [] {
             EXPECT_EQ(Settings.Scheduledstart, "8:30");
             EXPECT_EQ(Settings.Scheduledend, "8:15");
             EXPECT_EQ(Settings.Midnightstart, "");
             EXPECT_EQ(Settings.Midnightend, "");
             EXPECT_EQ(Settings.Risingtime, "");
             EXPECT_EQ(Settings.Breaks[0], "12:50");
             EXPECT_EQ(Settings.Breake[0], "");
         }},
        {"numbers that are no numbers",
         [](auto& c) {
             c.Thresholds = {"", "", "", "", "", ""};
             c.Memo14 = "";
         },
         0,
         [] {
             EXPECT_EQ(Settings.Sleep1, 6);
             EXPECT_EQ(Settings.Sleep2, 5);
             EXPECT_EQ(Settings.Overtime1, 2);
             EXPECT_EQ(Settings.Overtime2, 3);
             EXPECT_EQ(Settings.Walking1, 10000);
             EXPECT_EQ(Settings.Walking2, 13000);
             EXPECT_EQ(Settings.Standtime, 0);
         }},
        {"lists without a valid item",
         [](auto& c) {
             c.ComboBox4 = -1;
             c.ComboBox5 = 3;
             c.ComboBox2 = -1;
         },
         0,
         [] {
             EXPECT_EQ(Settings.Autostartflg, 0);
             EXPECT_EQ(Settings.Autoendflg, 0);
             EXPECT_EQ(Settings.LeaveGrantMonth, 1);
         }},
        {"a line break in a name", [](auto& c) { c.Memo12 = "a\r\nb"; }, 0,
         [] { EXPECT_EQ(Settings.Movementname, "a  b"); }},
        {"Saturday ticked", [](auto& c) { c.WeeklyRest[6] = true; }, 1,
         [] { EXPECT_EQ(Settings.WeeklyHolidays[6], 1); }},
        {"Sunday unticked", [](auto& c) { c.WeeklyRest[0] = false; }, 1,
         [] { EXPECT_EQ(Settings.WeeklyHolidays[0], 0); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ResetProgramState();
        InitDateGlobals();
        SettingsControls controls = LoadSettingsToControls();
        c.edit(controls);
        EXPECT_EQ(StoreControlsToSettings(controls), c.changed);
        c.check();
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
    EXPECT_EQ(EnabledControls(c), (SettingsEnables{true, false, true, false, false}));
    EXPECT_STREQ(ExerciseThresholdLabels(c.MovementRadio).Label15, "※（運動）");

    // The stored 0 is shown as 1; confirming stores 1 and counts as a change.
    EXPECT_EQ(StoreControlsToSettings(c), 1);
    EXPECT_EQ(Settings.Deadline, 1);
    EXPECT_EQ(Settings.Standflg, 1);

    const std::pair<int, int> months[] = {{-3, 0}, {1, 0}, {2, 1}, {7, 6}, {12, 11}, {40, 11}};
    for (auto [month, item] : months) {
        Settings.LeaveGrantMonth = month;
        EXPECT_EQ(LoadSettingsToControls().ComboBox2, item) << month;
    }
}

TEST_F(SettingsFormTest, ANewWeeklyRestDayReachesOnlyYearsWithoutADayFileAndKeepsTypedValues) {
    CurYear = 2004;
    WriteBytes(folder / "2003.dat", "[DayData]\r\n");
    LoadYearSlots(folder.Path(), 2004);
    // 2004-09-25 is a Saturday: typed but not saved yet.
    Recode1& saturday = YearSlot2[static_cast<std::size_t>(DayOfYear({2004, 9, 25}))];
    saturday.Arrival = "8:45";
    saturday.Remark = "typed";
    Recode1& leave = YearSlot2[static_cast<std::size_t>(DayOfYear({2004, 10, 2}))];
    leave.Kind = "年休";
    const Recode1 saturday2003 = YearSlot1[static_cast<std::size_t>(DayOfYear({2003, 9, 27}))];

    SettingsControls c = LoadSettingsToControls();
    c.WeeklyRest[6] = true;
    CalendarYear = 2005; // another year's calendar shown: nothing is marked
    ASSERT_TRUE(ConfirmSettings(folder.Path(), c));
    EXPECT_EQ(saturday.Kind, "");

    Settings.WeeklyHolidays[6] = 0;
    CalendarYear = 2004;
    ASSERT_TRUE(ConfirmSettings(folder.Path(), c));
    EXPECT_EQ(saturday.Kind, "休日");
    EXPECT_EQ(saturday.Arrival, "8:45");
    EXPECT_EQ(saturday.Remark, "typed");
    EXPECT_EQ(leave.Kind, "年休");
    EXPECT_EQ(YearSlot1[static_cast<std::size_t>(DayOfYear({2003, 9, 27}))].Kind,
              saturday2003.Kind); // 2003 has a day file
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
