#include "commands/gridrules.h"
#include "records/clock.h"
#include "records/settings.h"
#include "records/state.h"

#include <gtest/gtest.h>

namespace {

class GridRules : public ::testing::Test {
protected:
    void SetUp() override { ResetProgramState(); }
    void TearDown() override {
        SetClockForTest(std::nullopt);
        ResetProgramState();
    }
};

TEST_F(GridRules, KeyFiltersPerColumn) {
    EXPECT_FALSE(GridKeyAllowed(3, U'a'));
    EXPECT_FALSE(GridKeyAllowed(4, U'-'));
    EXPECT_TRUE(GridKeyAllowed(5, U':'));
    EXPECT_TRUE(GridKeyAllowed(6, U','));
    EXPECT_TRUE(GridKeyAllowed(3, U'\b')); // Backspace passes
    EXPECT_FALSE(GridKeyAllowed(7, U'.'));
    EXPECT_TRUE(GridKeyAllowed(8, U'.'));
    EXPECT_FALSE(GridKeyAllowed(8, U'５')); // full-width digits are no digits
    EXPECT_FALSE(GridKeyAllowed(2, U'1'));
    EXPECT_FALSE(GridKeyAllowed(2, U'\b'));
    EXPECT_TRUE(GridKeyAllowed(9, U'休'));
    EXPECT_FALSE(GridKeyAllowed(9, U'\t'));
    EXPECT_EQ(GridEditByteLimit(3), 5);
    EXPECT_EQ(GridEditByteLimit(7), 6);
    EXPECT_EQ(GridEditByteLimit(2), 0);
    EXPECT_EQ(GridHint(4, "出勤"), "出勤時刻を入力してください。");
    EXPECT_EQ(GridHint(7, "（運動）\nｼﾞｮｷﾞﾝｸﾞ"), "万歩計数を入力してください。");
}

TEST_F(GridRules, ADayKindColourBeatsTheWeekendColour) {
    Settings.Backgroundchk[1] = 1; // 年休
    Settings.Backgroundcolor[2] = "clLime";
    Settings.Backgroundchk[9] = 1; // Sunday
    Settings.Backgroundcolor[10] = "clRed";
    EXPECT_EQ(GridCellColors(3, "日", "年休", "").background, 0x00FF00u);
    Settings.Backgroundchk[1] = 0;
    EXPECT_EQ(GridCellColors(3, "日", "年休", "").background, 0x0000FFu);
    EXPECT_EQ(GridCellColors(3, "日", "年休", "").text, 0x000000u);
    // Defaults: rest days yellow, Saturdays and work days uncoloured.
    ResetProgramState();
    EXPECT_EQ(GridCellColors(9, "水", "休日", "").background, 0x00FFFFu);
    EXPECT_FALSE(GridCellColors(9, "土", "", "").background.has_value());
    EXPECT_FALSE(GridCellColors(9, "月", "", "").background.has_value());
    // A colour that is no colour leaves the category uncoloured.
    Settings.Backgroundcolor[1] = "purple-ish";
    EXPECT_FALSE(GridCellColors(9, "水", "休日", "").background.has_value());
}

TEST_F(GridRules, LateArrivalAndEarlyLeavingInRed) {
    Settings.Redflg = 1;
    Settings.Scheduledstart = "8:30";
    EXPECT_EQ(GridCellColors(4, "月", "", "8:30").text, 0x000000u);
    EXPECT_EQ(GridCellColors(4, "月", "", "8:31").text, 0x0000FFu);
    EXPECT_EQ(GridCellColors(4, "月", "", "831").text, 0x0000FFu);
    EXPECT_EQ(GridCellColors(5, "月", "", "16:59").text, 0x0000FFu);
    EXPECT_EQ(GridCellColors(5, "月", "", "17:00").text, 0x000000u);
    Settings.Standflg = 1;
    Settings.Standtime = 30;
    EXPECT_EQ(GridCellColors(4, "月", "", "8:01").text, 0x0000FFu);
    EXPECT_EQ(GridCellColors(4, "月", "", "8:00").text, 0x000000u);
    // Getting home just after midnight wraps back into the day, never a
    // negative time.
    Settings.Scheduledend = "23:00";
    EXPECT_EQ(GridCellColors(5, "月", "", "0:10").text, 0x000000u);
    Settings.Scheduledend = "";
    EXPECT_EQ(GridCellColors(5, "月", "", "1:00").text, 0x000000u);
    Settings.Redflg = 0;
    EXPECT_FALSE(GridCellColors(4, "月", "", "9:00").text.has_value());
}

TEST_F(GridRules, TheLargestCommutingTimesShiftWithoutOverflow) {
    // Leaving at 16:00 plus 2147483648 minutes is no time before 17:00;
    // negated in 32 bits the shift would wrap to 13:52, an early leaving.
    ReadSettingsBytes("[Office Setup]\r\nStandflg=1\r\nStandtime=-2147483648\r\n"
                      "[Other Setup]\r\nRedflg=1\r\n",
                      Settings);
    ASSERT_EQ(Settings.Standtime, INT32_MIN);
    EXPECT_EQ(GridCellColors(5, "月", "", "16:00").text, 0x000000u);
    // 9:00 less 2147483648 minutes wraps into the day at 6:52: not late.
    EXPECT_EQ(GridCellColors(4, "月", "", "9:00").text, 0x000000u);
    Settings.Standtime = INT32_MAX;
    EXPECT_EQ(GridCellColors(4, "月", "", "0:00").text, 0x0000FFu);
    EXPECT_EQ(GridCellColors(5, "月", "", "16:00").text, 0x0000FFu); // 13:53
}

TEST_F(GridRules, DoubleClickCyclesKindsAndStampsTimes) {
    std::string kind;
    for (int i = 0; i < 9; ++i) {
        kind = NextLeaveKind(kind);
        EXPECT_EQ(i == 8, kind.empty());
    }
    EXPECT_EQ(NextLeaveKind(" 年休 "), "前休");
    EXPECT_EQ(NextLeaveKind("後欠"), "");
    EXPECT_EQ(NextLeaveKind("何か"), ""); // never a text from outside the list

    EXPECT_EQ(StampMode(0, false), 0);
    EXPECT_EQ(StampMode(0, true), 1);
    EXPECT_EQ(StampMode(1, false), 1);
    EXPECT_EQ(StampMode(1, true), 0);

    SetClockForTest(LocalDateTime{2004, 9, 27, 8, 5, 0});
    EXPECT_EQ(TimeCellStamp(1, 4), "08:05");
    EXPECT_EQ(ClockText(), "8:05");
    EXPECT_EQ(TimeCellStamp(0, 3), "7:00");
    EXPECT_EQ(TimeCellStamp(0, 5), "17:00");
    Settings.Risingtime = "";
    EXPECT_EQ(TimeCellStamp(0, 3), "");
    Settings.Sleepingtime = "24:30";
    EXPECT_EQ(TimeCellStamp(0, 6), "");
}

} // namespace
