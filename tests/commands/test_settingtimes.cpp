#include "commands/gridrules.h"
#include "commands/savecycle.h"
#include "commands/settingsvalues.h"
#include "records/clock.h"
#include "records/settings.h"
#include "records/state.h"
#include "tests/commands/fakeperiodview.h"

#include <gtest/gtest.h>

namespace {

// Setting times used as times of day, read from a hand-edited settings file:
// each is tested as written, so a text that is no time gives an empty entry
// everywhere rather than the "0:00" that normalising makes of it.
struct TimesCase {
    const char* file;         // "[Office Setup]" and "[Automatic Setup]" lines
    const char* arrival;      // the automatic arrival stamp, scheduled start
    const char* earlyArrival; // the same when started at 7:45 before it
    const char* stamps;       // double-click stamps of columns 3, 4, 5, 6
    const char* red;          // arrival 9:00 and leaving 16:00 drawn red
    const char* boxes;        // the dialog's boxes Memo2, Memo3, Memo15, Memo16
};

class SettingTimes : public ::testing::TestWithParam<TimesCase> {
protected:
    void SetUp() override { ResetProgramState(); }
    void TearDown() override {
        SetClockForTest(std::nullopt);
        ResetProgramState();
    }

    static std::string ArrivalStampAt(int hour, int minute) {
        FakePeriodView view;
        TodayRow = 1;
        SetClockForTest(LocalDateTime{2004, 9, 27, hour, minute, 0});
        AutoEnterTime(view);
        return view.Cell(4, TodayRow);
    }
};

TEST_P(SettingTimes, ATimeThatDoesNotReadAsWrittenStaysEmpty) {
    const TimesCase& c = GetParam();
    ReadSettingsBytes(c.file, Settings);
    Settings.Autostart = 1;
    Settings.Autostartflg = 2;
    EXPECT_EQ(ArrivalStampAt(8, 20), c.arrival);
    Settings.Autostartflg = 1;
    EXPECT_EQ(ArrivalStampAt(7, 45), c.earlyArrival);

    std::string stamps;
    for (int col = 3; col <= 6; ++col) {
        stamps += TimeCellStamp(0, col) + (col < 6 ? " " : "");
    }
    EXPECT_EQ(stamps, c.stamps);

    Settings.Redflg = 1;
    std::string red;
    red += GridCellColors(4, "月", "", "9:00").text == 0x0000FFu ? "late" : "-";
    red += GridCellColors(5, "月", "", "16:00").text == 0x0000FFu ? " early" : " -";
    EXPECT_EQ(red, c.red);

    const SettingsControls controls = LoadSettingsToControls();
    EXPECT_EQ(controls.Memo2 + " " + controls.Memo3 + " " + controls.Memo15 + " " + controls.Memo16,
              c.boxes);
}

INSTANTIATE_TEST_SUITE_P(
    FromTheFile, SettingTimes,
    ::testing::Values(TimesCase{"", "8:00", "8:00", "7:00 8:00 17:00 23:00", "late early",
                                "8:00 17:00 7:00 23:00"},
                      TimesCase{"[Office Setup]\r\nScheduledstart=99:99\r\nScheduledend=99:99\r\n"
                                "[Automatic Setup]\r\nRisingtime=99:99\r\nSleepingtime=99:99\r\n",
                                "", "", "   ", "- -", "   "},
                      TimesCase{"[Office Setup]\r\nScheduledstart=08:00\r\nScheduledend=24:00\r\n"
                                "[Automatic Setup]\r\nRisingtime=7:60\r\nSleepingtime=2330\r\n",
                                "8:00", "8:00", " 8:00  ", "late -", "8:00   "}));

} // namespace
